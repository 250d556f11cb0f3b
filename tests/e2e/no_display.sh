#!/bin/bash
# Without a reachable X display the game exits with status 1, logs "Unable to
# initialize Allegro" and tells the player on stderr which display it tried.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

# A server started with -displayfd picks a number below 59536, so none is here.
DISPLAY=:59999 timeout 30 ./tumblo > out 2> err
status=$?
[ "$status" = 1 ] || fail "status $status instead of 1 without a display"
grep -qx " Unable to initialize Allegro" tumblo.log || fail "no \"Unable to initialize Allegro\" in the log"
grep -qxF "tumblo: cannot open the X display :59999" err || fail "stderr does not name the display: $(cat err)"
grep -qF "Unable to initialize Allegro!" out err || fail "the library's message is missing"

env -u DISPLAY timeout 30 ./tumblo > out 2> err
status=$?
[ "$status" = 1 ] || fail "status $status instead of 1 with DISPLAY unset"
grep -q "^tumblo: no X display is set" err || fail "stderr does not say that no display is set: $(cat err)"
[ "$(grep -c '^ Unable to initialize Allegro$' tumblo.log)" = 2 ] || fail "the second failure was not logged"
echo "no_display: ok"
