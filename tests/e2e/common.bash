# Shared steps of the end-to-end tests: a private copy of the game folder, the
# real binary under Xvfb, and real key presses with xdotool.

# Absolute, since the tests change directory before they call with_x.
E2E_HELPERS=$(realpath "${BASH_SOURCE[0]}")

# Every script is run with the game folder, the tools folder and the source
# tree; the tool's path is absolute, since the scripts change directory. A
# script run with fewer arguments (the sanitizer run) keeps what it has set.
GAME_DIR=${1:-${GAME_DIR:-}}
[ -n "${2:-}" ] && TOOLS_DIR=$(realpath "$2")
SOURCE_DIR=${3:-${SOURCE_DIR:-}}
[ -n "${TOOLS_DIR:-}" ] && tool=$TOOLS_DIR/tumblo-tool

fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch folder $work named after `$1`, removed on exit; $build is the
# build tree that holds the game folder.
make_scratch() {
    build=$(dirname "$(realpath "$GAME_DIR")")
    work=$(mktemp -d "/tmp/tumblo-$1-XXXXXX")
    trap 'rm -rf "$work"' EXIT
}

# Copies the built game folder so a test never dirties build/game.
make_game_copy() {
    local work
    work=$(mktemp -d /tmp/tumblo-e2e-XXXXXX)
    cp -r "$1" "$work/game"
    # What earlier plays in build/game wrote is not part of a fresh installation.
    (cd "$work/game" && rm -rf tumblo.log SETTINGS.DAT stats.dat DATA/UNLOCK/* DEMOS/* data/extra.stg DATA/extra.stg \
        records options.cfg)
    echo "$work/game"
}

# Works in a fresh copy of the built game folder, $game, removed on exit.
enter_game_copy() {
    game=$(make_game_copy "$1")
    cd "$game" || fail "no game copy"
    trap 'rm -rf "$(dirname "$game")"' EXIT
}

# The map files of the default stage set, in play order.
default_stages() { "$tool" info DATA/DEFAULT.STG | sed -n 's/^  stage [0-9]* \([^ ]*\) .*/\1/p'; }

# A file of 32-bit integers (settings, statistics, unlock data) as one line.
ints() { od -An -v -t d4 -w4 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# Inside an X session: waits for the game's window and gives it the focus.
focus_game_window() {
    local w=""
    # The library creates its window unmapped (named "tumblo", and the search
    # ignores case) before it shows it; an unmapped window cannot take the focus.
    for _ in $(seq 1 100); do
        w=$(xdotool search --onlyvisible --name '^Tumblo$' 2>/dev/null | head -n 1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || return 1
    # --sync could wait forever when the focus is already there, so ask again
    # until the server says the window has it: without a window manager the
    # keys otherwise go to whatever lies under the pointer.
    for _ in $(seq 1 50); do
        xdotool windowfocus "$w" 2> /dev/null
        [ "$(xdotool getwindowfocus 2> /dev/null)" = "$w" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowfocus 2> /dev/null)" = "$w" ] || return 1
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

# Waits until start-up has finished loading and the logo animation that follows
# it has played (about 3.6 seconds, and it cannot be skipped): the title menu
# is then on screen and reads the keys.
LOGO_SECONDS=4.5
wait_until_ready() {
    wait_for_log_line "--- Done Loading ---" || return 1
    sleep "$LOGO_SECONDS"
}

# Holds a key long enough for the 60 Hz input read to see it.
press_key() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool keyup "$1"
}

# Test X servers. Every call of with_x starts its own Xvfb and stops it again.
# -noreset: without it the server resets whenever its last client disconnects
#   and refuses connections meanwhile. The helpers connect and disconnect all
#   the time (xdotool polling for the window), so the game's own connection
#   sometimes landed in a reset and it failed with "Unable to initialize Allegro".
# -displayfd: the server picks a free display itself, so tests running side by
#   side never share one, and writes its number only once it accepts
#   connections, so nothing has to poll for it.
# -nolisten tcp: a local socket only; a local server without authorisation
#   needs no xauth cookie.
start_x() {
    local size=$1
    X_DIR=$(mktemp -d /tmp/tumblo-x-XXXXXX)
    mkfifo "$X_DIR/display"
    Xvfb -noreset -displayfd 3 -nolisten tcp -screen 0 "${size}x24" \
        3> "$X_DIR/display" 2> "$X_DIR/xvfb.log" &
    X_PID=$!
    local number=""
    # Empty when the server dies first: it closes the pipe without writing.
    read -r -t 30 number < "$X_DIR/display"
    if [ -z "$number" ]; then
        echo "Xvfb did not start:" >&2
        cat "$X_DIR/xvfb.log" >&2
        stop_x
        return 1
    fi
    export DISPLAY=":$number"
}

stop_x() {
    if [ -n "${X_PID:-}" ]; then
        kill "$X_PID" 2> /dev/null
        wait "$X_PID" 2> /dev/null
    fi
    rm -rf "${X_DIR:-}"
    X_PID=""
    X_DIR=""
}

# Runs a script (given as text) in a fresh X server of the given size; the
# script's exit status is returned.
with_x() {
    local size=$1
    shift
    (
        job=""
        # Stopped from outside (Ctrl-C, a test timeout): the script's processes
        # go first, then the server.
        stop_job() { [ -n "$job" ] && kill -TERM "$job" 2> /dev/null; }
        trap stop_x EXIT
        trap 'stop_job; exit 129' HUP
        trap 'stop_job; exit 130' INT
        trap 'stop_job; exit 143' TERM
        start_x "$size" || exit 1
        # A game that stops answering must fail the test, not hang it. In the
        # background, so that a signal is handled at once rather than after it.
        timeout 90 bash -c "source '$E2E_HELPERS'; $*" &
        job=$!
        wait "$job"
    )
}

# One step of a menu cursor: long enough for the 60 Hz input read (6 ticks),
# shorter than the 8 ticks after which a held direction moves again.
tap_key() {
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
    sleep 0.1
}

# On the title menu, whose cursor starts on its first item: up wraps round to
# "Exit", which ENTER chooses.
choose_exit() {
    tap_key Up
    press_key Return
}

# Inside with_x: starts the game ($pid) and waits until its title menu reads
# the keys; $window is its window.
start_game() {
    ./tumblo & pid=$!
    window=$(focus_game_window) || { kill $pid; echo "no window" > result; exit 1; }
    wait_until_ready
}

# Chooses "Exit" on the title menu and waits for the game to end; its exit
# status lands in the file "result" ("exit N").
exit_game() {
    choose_exit
    wait $pid
    echo "exit $?" > result
}

# Starts the game, waits `$1` seconds on the title menu and leaves by "Exit".
run_game_and_exit() {
    start_game
    sleep "$1"
    exit_game
}

# Inside with_x: starts the game and chooses "Play", then "New Game".
start_new_game() {
    start_game
    press_key Return # "Play"
    sleep 0.3
    press_key Return # "New Game"
    sleep 1
}

# Inside with_x, in a stage: ESC and "Yeah!" on the exit prompt, then "Exit".
leave_stage_and_exit() {
    press_key Escape
    sleep 0.3
    tap_key Down
    press_key Return # "Yeah!"
    sleep 1.5
    exit_game
}
