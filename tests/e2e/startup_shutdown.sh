#!/bin/bash
# The real game in a real X window: it opens scaled, exits on a key press with
# status 0, and logs start-up and shut-down in their fixed order.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

with_x 1920x1080 '
    start_game
    xdotool getwindowgeometry "$window" | grep Geometry > geometry
    exit_game
'
cat result 2>/dev/null
grep -qx "exit 0" result || fail "the game did not exit with status 0"
grep -q "Geometry: 960x720" geometry || fail "window is not the 3x frame on 1920x1080: $(cat geometry)"

log=tumblo.log
[ -f "$log" ] || fail "no tumblo.log"
head -n 5 "$log" > banner
printf '%s\n' "*********************" "TUMBLO is starting up" "Version is 1.1" \
    "*********************" "--- Starting up ---" | diff - banner || fail "banner differs"
[ "$(tail -n 1 "$log")" = "--- Done cleaing up ---" ] || fail "log does not end with the clean-up line"
tail -n 8 "$log" | head -n 7 > library
printf '%s\n' " Stopping Allegro" "  Destroying Pages" "  Removing keyboard" "  Removing timer" \
    "  Removing joystick" "  Return to GFX_TEXT mode" "  allegro_exit();" | diff - library ||
    fail "library shut-down lines differ"
grep -qx -- "--- Done Loading ---" "$log" || fail "start-up did not finish"

# A second run appends to the same log.
with_x 1920x1080 'start_game; exit_game'
[ "$(grep -c '^TUMBLO is starting up$' "$log")" = 2 ] || fail "second run did not append"

# Two runs leave the default switches and count two starts.
[ "$(ints SETTINGS.DAT)" = "1 1 0 0 1 1" ] || fail "SETTINGS.DAT holds $(ints SETTINGS.DAT)"
[ "$(ints stats.dat)" = "2 0 0 0 0 0 0 0 0 0" ] || fail "stats.dat holds $(ints stats.dat)"

# A short, damaged settings file does not stop the game; it is written whole again.
printf '\1\0\0\0\7\7' > SETTINGS.DAT
with_x 1920x1080 'start_game; exit_game'
grep -qx "exit 0" result || fail "a damaged SETTINGS.DAT stopped the game"
[ "$(stat -c %s SETTINGS.DAT)" = 24 ] || fail "SETTINGS.DAT was not written whole"
[ "$(ints stats.dat | cut -d' ' -f1)" = 3 ] || fail "the third start was not counted"
echo "startup_shutdown: ok"
