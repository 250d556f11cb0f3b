#!/bin/bash
# Stands in for a program of the tools folder while the unit tests run under the
# sanitizers (run.sh links it under each program's name): runs the program and
# keeps its stderr when it ends with a sanitizer report (status 86) or a signal
# (a failed library assertion). A test that expects the program to fail would
# otherwise take either for the failure it expects.
real=$SANITIZE_TOOLS_DIR/$(basename "$0")
log=$(mktemp "$SANITIZE_REPORTS/child.XXXXXX")
"$real" "$@" 2> >(tee "$log" >&2)
status=$?
wait $!
if [ "$status" = 86 ] || [ "$status" -ge 128 ]; then
    echo "---- $real $* (in $PWD)" >> "$log"
else
    rm -f "$log"
fi
exit "$status"
