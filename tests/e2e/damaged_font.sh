#!/bin/bash
# A damaged font file and a missing glyph sheet: the game shows its own message,
# goes on after a key press to the title menu (without letters, but with its
# logo), and still leaves cleanly by the window's close button.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"
head -c 30 DATA/FONT.FNT > DATA/FONT.tmp && mv DATA/FONT.tmp DATA/FONT.FNT
rm BITMAP/GENERAL/FONT.BMP

with_x 1280x1024 '
    ./tumblo & pid=$!
    window=$(focus_game_window) || { kill $pid; echo "no window" > result; exit 1; }
    # The message screen is dark blue (0, 0, 128) with the library font on it.
    shows_colour 4 4 0 0 128 || { kill $pid; echo "no message screen" > result; exit 1; }
    hold_until Return wait_for_log_line " Loading SoundEffects" ||
        { kill $pid; echo "the message stayed" > result; exit 1; }
    shows_picture centre 40 "BITMAP\\GENERAL\\LOGO.BMP" ||
        { kill $pid; echo "no title menu" > result; exit 1; }
    probe close "$window"
    game_ended || { kill $pid; echo "the game did not end" > result; exit 1; }
'
grep -qx "exit 0" result || fail "the game did not exit cleanly: $(cat result 2>/dev/null)"
grep -q "^ Unable to load FONT.BMP$" tumblo.log || fail "missing sheet not logged"
[ "$(tail -n 1 tumblo.log)" = "--- Done cleaing up ---" ] || fail "shut-down incomplete"
echo "damaged_font: ok"
