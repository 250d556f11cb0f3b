#!/bin/bash
# The first stage played with real key presses: right held from the start rolls
# the ball to the goal (the first stage is made to be cleared that way), the
# clear sequence runs and the second stage starts; then ESC, "Yeah!" and Exit.
# The clear shows "New record!", the first best time of the stage, which the
# records file keeps and `tumblo-tool records` rates gold against the par.
# The log shows both stages loaded, the unlock file opens the second stage for
# training, and the statistics count the time played and no life lost.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

stages=$(default_stages)
first=$(sed -n 1p <<< "$stages")
second=$(sed -n 2p <<< "$stages")
[ -n "$second" ] || fail "the default set has fewer than two stages"
# Not the first start: no help screen in the way.
printf '\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0' > SETTINGS.DAT

export SDL_AUDIODRIVER=dummy
export SECOND_STAGE="Loading Map: $second"
export FIRST_STAGE="Loading Map: $first"
with_x 1280x1024 '
    start_new_game
    wait_for_log_line "$FIRST_STAGE" || { echo "the first stage did not start" > result; exit 1; }
    STATE_SECONDS=180 hold_until Right shows centre 104 "New record!" ||
        { echo "no new record on the first clear" > result; exit 1; }
    wait_for_log_line "$SECOND_STAGE" || { echo "the first stage was not cleared" > result; exit 1; }
    leave_stage_and_exit
'
grep -qx "exit 0" result || fail "the game did not exit with status 0: $(cat result 2>/dev/null)"
grep -qxF "Loading Map: $first" tumblo.log || fail "the first stage was not loaded"
grep -qxF "Loading Map: $second" tumblo.log || fail "the first stage was not cleared: $(tail -n 5 tumblo.log)"
# Per stage: unlocked, cleared with the cup, with all the gold.
unlock=$(ints DATA/UNLOCK/DEFAULT.STG)
[ "$(cut -d' ' -f1,4 <<< "$unlock")" = "1 1" ] || fail "the second stage was not opened: $unlock"
grep -qE "^best [0-9]+ [0-9-]{10} [0-9a-f]{16} $first\$" records/DEFAULT.txt ||
    fail "no best time kept for $first: $(cat records/DEFAULT.txt 2>&1)"
# The table's heading, its column names, then the first stage's row.
"$tool" records | sed -n 3p | grep -q " Gold\$" ||
    fail "the records table does not rate the first stage gold: $("$tool" records 2>&1)"
read -r started cleared lost minutes seconds _ <<< "$(ints stats.dat)"
[ "$started" = 1 ] && [ "$lost" = 0 ] || fail "stats.dat holds $(ints stats.dat)"
[ $((minutes * 60 + seconds)) -ge 3 ] || fail "no play time counted: $(ints stats.dat)"
echo "play_first_stage: ok"
