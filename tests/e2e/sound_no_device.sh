# Without any audio device the game logs "Unable to initialize FMOD", runs
# silently and still exits cleanly.
# Usage: bash sound_no_device.sh GAME_DIR TOOLS_DIR SOURCE_DIR
set -u
game_dir=$1
work=$(mktemp -d /tmp/tumblo-e2e-nosound-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game/tumblo.log" ] && cat "$work/game/tumblo.log"; exit 1; }

cp -r "$game_dir" "$work/game"
rm -f "$work/game/tumblo.log"
cd "$work/game"
export SDL_AUDIODRIVER=no-such-driver
cat > "$work/drive.sh" <<'DRIVE'
./tumblo &
pid=$!
sleep 2
xdotool keydown Return; sleep 0.2; xdotool keyup Return
for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then kill $pid; exit 124; fi
wait $pid
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh"
status=$?
[ $status -eq 0 ] || fail "the game exited with status $status"
grep -q "^ Unable to initialize FMOD$" tumblo.log || fail "no \"Unable to initialize FMOD\" in the log"
grep -q "^ Stopping fMod$" tumblo.log || fail "shut-down did not reach \"Stopping fMod\""
grep -q -- "--- Done cleaing up ---" tumblo.log || fail "the log does not end with the shut-down"
echo "PASS"
