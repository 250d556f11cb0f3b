#!/bin/bash
# The real game under Xvfb with SDL's "disk" audio driver: the menu tune must
# reach the audio file while the title screen waits, and the game must exit
# cleanly by its Exit choice.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"
tune=$(find . -ipath './music/wander.it' | head -n 1)
[ -n "$tune" ] || fail "the menu tune MUSIC/wander.it is missing from $GAME_DIR"

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$game/audio.raw"
# Three seconds of sound (16-bit stereo at 44.1 kHz) written while the title
# menu is up: the driver writes as the device would play, in real time.
with_x 1280x1024 '
    start_game
    at_title=$(stat -c %s audio.raw 2> /dev/null || echo 0)
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        [ "$(stat -c %s audio.raw)" -ge $((at_title + 3 * 44100 * 4)) ] && break
        sleep 0.1
    done
    exit_game
'
grep -qx "exit 0" result || fail "the game did not exit cleanly: $(cat result 2>/dev/null)"
grep -q "Unable to initialize FMOD" tumblo.log && fail "the sound layer did not start on the disk driver"
grep -q -- "--- Done cleaing up ---" tumblo.log || fail "the log does not end with the shut-down"
[ -s audio.raw ] || fail "no audio reached the device file"

# The driver writes 16-bit stereo at 44.1 kHz: look for loud samples.
loud=$(od -An -v -t d2 -w2 audio.raw | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
echo "audio: $(stat -c %s audio.raw) bytes, $loud loud samples"
[ "$loud" -gt 10000 ] || fail "the audio written is (nearly) silent"
echo "sound_menu_tune: ok"
