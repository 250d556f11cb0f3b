#!/bin/bash
# run.sh BUILD_DIR: the memory soak of `make soak`.
#  1. valgrind's memcheck over `tumblo-tool verify` (the solution demos) and over
#     SOAK_VALGRIND_MINUTES simulated minutes of the monkey: any invalid read or
#     write, use of an uninitialised value or definite leak fails it, except the
#     library findings listed in valgrind.supp.
#  2. the monkey natively for SOAK_MINUTES simulated minutes, its resident
#     memory printed every twentieth of the run. What it holds at a moment
#     depends on the screen in front of it, so the check is on the peaks: the
#     highest figure of the second half may pass the highest of the first by
#     SOAK_RSS_SLACK_KB at most.
set -u
BUILD=$(realpath "$1")
HERE=$(realpath "$(dirname "$0")")
SEED=${SOAK_SEED:-7}
VALGRIND_MINUTES=${SOAK_VALGRIND_MINUTES:-30}
MINUTES=${SOAK_MINUTES:-2000}
SLACK_KB=${SOAK_RSS_SLACK_KB:-2048}
tool=$BUILD/tools/tumblo-tool
game=$BUILD/game
failures=0
problem() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
command -v valgrind > /dev/null || { echo "FAIL: valgrind is not installed" >&2; exit 1; }

# Status 86 is a valgrind finding; the tool's own statuses are 0 to 2.
memcheck() {
    local name=$1
    shift
    local log=$BUILD/soak-$name.valgrind
    echo "== valgrind: tumblo-tool $*"
    valgrind --tool=memcheck --error-exitcode=86 --leak-check=full \
        --show-leak-kinds=definite --errors-for-leak-kinds=definite \
        --track-origins=yes --num-callers=30 --suppressions="$HERE/valgrind.supp" \
        --log-file="$log" "$tool" --game-dir "$game" "$@"
    local status=$?
    grep -E 'ERROR SUMMARY|definitely lost' "$log" | sed 's/^==[0-9]*== /   /'
    [ "$status" = 0 ] || problem "tumblo-tool $* under valgrind: status $status (see $log)"
}

memcheck verify verify "$BUILD/solutions"
# Hangs are for the native runs; under valgrind every frame is slow.
memcheck monkey monkey --seed "$SEED" --minutes "$VALGRIND_MINUTES" --watchdog 0

echo "== resident memory over $MINUTES simulated minutes of the monkey"
out=$BUILD/soak-rss.txt
every=$(awk -v m="$MINUTES" 'BEGIN { print m / 20 }')
"$tool" --game-dir "$game" monkey --seed "$SEED" --minutes "$MINUTES" --rss-every "$every" > "$out"
status=$?
cat "$out"
[ "$status" = 0 ] || problem "the long monkey run: status $status"
# The peaks of the two halves (the figure at minute 0 is from before start-up).
peaks=$(awk -v m="$MINUTES" '/^rss at/ {
            minute = $5 + 0; kb = $(NF - 1) + 0
            if (minute == 0) next
            if (minute <= m / 2) { if (kb > first) first = kb } else if (kb > second) second = kb
        } END { if (first && second) print first, second }' "$out")
if [ -n "$peaks" ]; then
    read -r first second <<< "$peaks"
    echo "resident memory peaks: $first kB in the first half, $second kB in the second"
    [ $((second - first)) -le "$SLACK_KB" ] ||
        problem "resident memory grew by $((second - first)) kB from the first half to the second"
else
    problem "no resident memory figures"
fi

[ "$failures" = 0 ] && echo "soak: all clean" || echo "soak: $failures failure(s)" >&2
[ "$failures" = 0 ]
