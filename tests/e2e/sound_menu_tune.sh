# The real game under Xvfb with SDL's "disk" audio driver: the menu tune must
# reach the audio file while the title screen waits, and the game must exit
# cleanly on a key press.
# Usage: bash sound_menu_tune.sh GAME_DIR TOOLS_DIR SOURCE_DIR
set -u
game_dir=$1
work=$(mktemp -d /tmp/tumblo-e2e-sound-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game/tumblo.log" ] && cat "$work/game/tumblo.log"; exit 1; }

cp -r "$game_dir" "$work/game"
tune=$(find "$work/game" -ipath '*/music/wander.it' | head -n 1)
[ -n "$tune" ] || fail "the menu tune MUSIC/wander.it is missing from $game_dir"
rm -f "$work/game/tumblo.log"

cd "$work/game"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
cat > "$work/drive.sh" <<'DRIVE'
./tumblo &
pid=$!
sleep 3
xdotool keydown Return; sleep 0.2; xdotool keyup Return
for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then kill $pid; exit 124; fi
wait $pid
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh"
status=$?
[ $status -eq 0 ] || fail "the game exited with status $status"
grep -q "Unable to initialize FMOD" tumblo.log && fail "the sound layer did not start on the disk driver"
grep -q -- "--- Done cleaing up ---" tumblo.log || fail "the log does not end with the shut-down"
[ -s "$work/audio.raw" ] || fail "no audio reached $work/audio.raw"

# The driver writes 16-bit stereo at 44.1 kHz: look for loud samples.
loud=$(od -An -v -t d2 -w2 "$work/audio.raw" | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
bytes=$(stat -c %s "$work/audio.raw")
echo "audio: $bytes bytes, $loud loud samples"
[ "$loud" -gt 10000 ] || fail "the audio written is (nearly) silent"
echo "PASS"
