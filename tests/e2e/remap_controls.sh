#!/bin/bash
# A player remaps "right" to D on the Controls screen with real key presses,
# then plays the first stage holding D: the ball rolls to the goal as it does
# with the arrow key, and controls.cfg keeps the new key for the next start.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

stages=$(default_stages)
second=$(sed -n 2p <<< "$stages")
[ -n "$second" ] || fail "the default set has fewer than two stages"
# Not the first start: no help screen in the way.
printf '\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0' > SETTINGS.DAT

export SDL_AUDIODRIVER=dummy
export SECOND_STAGE="Loading Map: $second"
with_x 1280x1024 '
    start_game
    # "Extra", then "Controls", the sixth of its eight items.
    menu_to 4 6 && hold_until Return shows 140 140 "Sound test" ||
        { echo "no extras menu" > result; exit 1; }
    menu_to 5 8 && hold_until Return shows centre 5 "CONTROLS" ||
        { echo "no Controls screen" > result; exit 1; }
    # The list: its pointer 24 pixels left of the rows at (40, 34); "Right" is
    # the second row, its key in the column 100 pixels in.
    menu_to 1 14 16 34 && hold_until Return shows centre 100 "Press a key or a pad button" ||
        { echo "no wait for a key" > result; exit 1; }
    # The wait names the key while it is held and ends when it is let go.
    hold_until d shows centre 124 "D" || { echo "the wait does not name D" > result; exit 1; }
    no_longer_shows centre 100 "Press a key or a pad button" ||
        { echo "letting go of D did not end the wait" > result; exit 1; }
    shows 140 46 "D" || { echo "the list does not show D for Right" > result; exit 1; }
    hold_until Escape shows 140 140 "Sound test" || { echo "no way back to the extras" > result; exit 1; }
    menu_to 7 8 && hold_until Return title_menu_shown ||
        { echo "no way back to the title" > result; exit 1; }
    menu_to 0 6 && hold_until Return shows 140 140 "New Game" ||
        { echo "no play menu" > result; exit 1; }
    menu_to 0 3 && hold_until Return no_longer_shows 140 140 "New Game" ||
        { echo "the play menu stayed" > result; exit 1; }
    STATE_SECONDS=180 hold_until d wait_for_log_line "$SECOND_STAGE" ||
        { echo "D did not roll the ball to the goal" > result; exit 1; }
    leave_stage_and_exit
'
grep -qx "exit 0" result || fail "the game did not exit with status 0: $(cat result 2>/dev/null)"
grep -qx "right = D, dpright" controls.cfg || fail "controls.cfg does not keep D: $(cat controls.cfg)"
grep -qxF "Saving controls.cfg" tumblo.log || fail "the log does not say the controls were saved"
echo "remap_controls: ok"
