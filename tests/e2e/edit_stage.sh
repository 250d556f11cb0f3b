#!/bin/bash
# A modder opens the first stage in the editor, erases the ground under and
# before the goal with a SHIFT and right-button drag: the live check says no
# clear is found. CTRL+Z brings the ground back and the check says it clears
# again. CTRL+S saves, and the game's stage-set select offers MYSTAGES.STG.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"
cp "$SOURCE_DIR/content/maps/trop01.txt" stage.txt
printf '\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0' > SETTINGS.DAT

export SDL_AUDIODRIVER=dummy
with_x 1280x1024 '
    # Waits until the editor has printed a line starting with the text.
    said() {
        for _ in $(seq 1 $((STATE_SECONDS * 10))); do
            grep -q -- "^$1" editor.out 2> /dev/null && return 0
            sleep 0.1
        done
        echo "the editor never said: $1" > result
        return 1
    }
    # How often it has said it so far.
    times_said() { grep -c -- "^$1" editor.out 2> /dev/null; }
    said_again() {
        local before=$2
        for _ in $(seq 1 $((STATE_SECONDS * 10))); do
            [ "$(times_said "$1")" -gt "$before" ] && return 0
            sleep 0.1
        done
        echo "the editor did not say again: $1" > result
        return 1
    }
    "$TOOLS_DIR/tumblo-edit" --game-dir . stage.txt > editor.out 2>&1 & pid=$!
    window=""
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        window=$(xdotool search --onlyvisible --name "^Tumblo stage editor$" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no editor window" > result; exit 1; }
    xdotool windowfocus "$window"
    said "Opened stage.txt" || exit 1
    said "Check: Clears in" || exit 1
    # The window is the 640 by 480 page enlarged by a whole number.
    width=$(xdotool getwindowgeometry "$window" | sed -n "s/.*Geometry: \([0-9]*\)x.*/\1/p")
    scale=$((width / 640))
    [ "$scale" -ge 1 ] || { echo "a window $width pixels wide" > result; exit 1; }
    # Three pages to the right: the view shows columns 74 to 105, the goal in 103.
    for column in 32 64 74; do
        xdotool keydown Next sleep 0.1 keyup Next
        said "View from column $column" || exit 1
    done
    # Cells (90, 9) to (105, 14) of the stage: page pixels 16 a cell from column 74,
    # below the 16 pixels of the stage panel.
    at() { echo $(((($1 - 74) * 16 + 8) * scale)) $(((16 + $2 * 16 + 8) * scale)); }
    checks=$(times_said "Check:")
    xdotool mousemove --window "$window" $(at 90 9)
    xdotool keydown shift mousedown 3 sleep 0.1
    xdotool mousemove --window "$window" $(at 105 14) sleep 0.1
    xdotool mouseup 3 keyup shift
    xdotool mousemove --window "$window" $(at 80 2)
    said_again "Check:" "$checks" || exit 1
    tail -n 1 editor.out | grep -q "^Check: No clear found in 10 s" ||
        { echo "the gap was not seen: $(tail -n 1 editor.out)" > result; exit 1; }
    checks=$(times_said "Check:")
    xdotool keydown ctrl z sleep 0.1 keyup z ctrl
    said "Undone" || exit 1
    said_again "Check:" "$checks" || exit 1
    tail -n 1 editor.out | grep -q "^Check: Clears in" ||
        { echo "undo did not bring the clear back: $(tail -n 1 editor.out)" > result; exit 1; }
    xdotool keydown ctrl s sleep 0.1 keyup s ctrl
    said "Saved stage.txt and STAGE.MAP in My Stages" || exit 1
    xdotool keydown Escape sleep 0.1 keyup Escape
    game_ended || { echo "the editor did not end" > result; exit 1; }
    mv result editor.result

    start_game
    menu_to 3 6 && hold_until Return shows centre 220 "Using Stage Set: Tumblo" ||
        { echo "no settings menu" > result; exit 1; }
    menu_to 5 7 100 128 && hold_until Return shows centre 5 "SELECT STAGE SET" ||
        { echo "no stage-set select" > result; exit 1; }
    shows 40 52 "MYSTAGES.STG" || { echo "My Stages is not offered" > result; exit 1; }
    echo "exit 0" > result
    kill $pid
'
grep -qx "exit 0" editor.result 2> /dev/null || fail "the editor: $(cat editor.result result 2> /dev/null)"
grep -qx "exit 0" result || fail "$(cat result 2> /dev/null)"
cmp -s stage.txt "$SOURCE_DIR/content/maps/trop01.txt" || fail "the saved source is not the stage as opened"
"$tool" info DATA/STAGE.MAP > /dev/null || fail "the saved map does not load"
echo "edit_stage: ok"
