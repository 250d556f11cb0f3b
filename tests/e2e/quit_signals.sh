#!/bin/bash
# Ctrl-C, kill and a closed terminal (SIGINT, SIGTERM, SIGHUP) make the running
# game leave as its Exit choice does: status 0, settings and statistics saved,
# the whole shut-down logged.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

for signal in TERM INT HUP; do
    rm -f tumblo.log SETTINGS.DAT stats.dat result
    # Started as from a terminal: a background job of a script would otherwise
    # begin with SIGINT ignored.
    with_x 1280x1024 "
        env --default-signal ./tumblo & pid=\$!
        wait_until_ready || { kill -KILL \$pid; echo 'not ready' > result; exit 1; }
        kill -$signal \$pid
        wait \$pid
        echo \"exit \$?\" > result
    "
    grep -qx "exit 0" result || fail "SIG$signal: the game did not exit with status 0: $(cat result 2>/dev/null)"
    [ "$(stat -c %s SETTINGS.DAT 2>/dev/null)" = 24 ] || fail "SIG$signal: SETTINGS.DAT was not saved"
    [ "$(stat -c %s stats.dat 2>/dev/null)" = 40 ] || fail "SIG$signal: stats.dat was not saved"
    started=$(ints stats.dat | cut -d' ' -f1)
    [ "$started" = 1 ] || fail "SIG$signal: stats.dat counts $started starts instead of 1"
    grep -qx "Stopping gameTimer" tumblo.log || fail "SIG$signal: the shut-down did not run"
    [ "$(tail -n 1 tumblo.log)" = "--- Done cleaing up ---" ] ||
        fail "SIG$signal: the log ends with \"$(tail -n 1 tumblo.log)\""
    echo "SIG$signal: ok"
done
echo "quit_signals: ok"
