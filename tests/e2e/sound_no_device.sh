#!/bin/bash
# Without any audio device the game logs "Unable to initialize FMOD", runs
# silently and still exits cleanly.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

export SDL_AUDIODRIVER=no-such-driver
with_x 1280x1024 'start_game; exit_game'
grep -qx "exit 0" result || fail "the game did not exit cleanly: $(cat result 2>/dev/null)"
grep -q "^ Unable to initialize FMOD$" tumblo.log || fail "no \"Unable to initialize FMOD\" in the log"
grep -q "^ Stopping fMod$" tumblo.log || fail "shut-down did not reach \"Stopping fMod\""
grep -q -- "--- Done cleaing up ---" tumblo.log || fail "the log does not end with the shut-down"
echo "sound_no_device: ok"
