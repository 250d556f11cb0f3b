# Shared steps of the end-to-end tests: a private copy of the game folder, the
# real binary under Xvfb, and real key presses with xdotool.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Copies the built game folder so a test never dirties build/game.
make_game_copy() {
    local work
    work=$(mktemp -d /tmp/tumblo-e2e-XXXXXX)
    cp -r "$1" "$work/game"
    # What earlier plays in build/game wrote is not part of a fresh installation.
    (cd "$work/game" && rm -rf tumblo.log SETTINGS.DAT stats.dat DATA/UNLOCK/* DEMOS/* data/extra.stg DATA/extra.stg)
    echo "$work/game"
}

# Inside an X session: waits for the game's window and gives it the focus.
focus_game_window() {
    local w=""
    for _ in $(seq 1 100); do
        w=$(xdotool search --name '^Tumblo$' 2>/dev/null | head -n 1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || return 1
    # --sync could wait forever when the focus is already there.
    xdotool windowfocus "$w" 2>/dev/null
    sleep 0.2
    echo "$w"
}

# Waits until the game has logged a line (the game is then past that step).
wait_for_log_line() {
    for _ in $(seq 1 200); do
        grep -qxF -- "$1" tumblo.log 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Waits until start-up has finished loading, plus a moment for the first frames.
wait_until_ready() {
    wait_for_log_line "--- Done Loading ---" || return 1
    sleep 0.5
}

# Holds a key long enough for the 60 Hz input read to see it.
press_key() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool keyup "$1"
}

# Inside an X session: waits until the server answers, so the game never races
# a server that is still starting.
wait_for_x() {
    for _ in $(seq 1 50); do
        xdpyinfo > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "the X server did not answer" >&2
    return 1
}

# Runs a script (given as text) in a fresh X server of the given size.
with_x() {
    local size=$1
    shift
    # A game that stops answering must fail the test, not hang it.
    timeout 90 xvfb-run -a -s "-screen 0 ${size}x24" bash -c "source '$(dirname "${BASH_SOURCE[0]}")/common.bash'; wait_for_x; $*"
}

# Starts the game, waits, presses a key and waits for its exit; the exit status
# lands in the file "result" ("exit N"). Call inside with_x.
run_game_pressing() {
    local key=$1 wait_seconds=$2
    ./tumblo & local pid=$!
    focus_game_window > /dev/null || { kill $pid; echo "no window" > result; return 1; }
    wait_until_ready
    sleep "$wait_seconds"
    press_key "$key"
    wait $pid
    echo "exit $?" > result
}
