#!/bin/bash
# A damaged font file and a missing glyph sheet: the game shows its own message,
# goes on after a key press, and still exits cleanly.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"
head -c 30 DATA/FONT.FNT > DATA/FONT.tmp && mv DATA/FONT.tmp DATA/FONT.FNT
rm BITMAP/GENERAL/FONT.BMP

with_x 1280x1024 '
    ./tumblo & pid=$!
    w=$(focus_game_window) || { kill $pid; exit 1; }
    sleep 1
    import -window "$w" message.png
    press_key Return   # dismisses the message
    wait_until_ready
    exit_game
'
grep -qx "exit 0" result || fail "the game did not exit cleanly: $(cat result 2>/dev/null)"
grep -q "^ Unable to load FONT.BMP$" tumblo.log || fail "missing sheet not logged"
[ "$(tail -n 1 tumblo.log)" = "--- Done cleaing up ---" ] || fail "shut-down incomplete"
# The message screen is dark blue (0, 0, 128) with the library font on it.
colour=$(convert message.png -format '%[pixel:p{4,4}]' info:)
case "$colour" in
    *"0,0,128"* | *"0,0,132"*) ;;
    *) fail "no message screen (corner colour $colour)" ;;
esac
echo "damaged_font: ok"
