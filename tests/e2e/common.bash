# Shared steps of the end-to-end tests: a private copy of the game folder, the
# real binary under Xvfb, and real key presses with xdotool.

# Absolute, since the tests change directory before they call with_x.
E2E_HELPERS=$(realpath "${BASH_SOURCE[0]}")

# Every script is run with the game folder, the tools folder and the source
# tree; the paths are made absolute, since the scripts change directory, and
# exported, so that the scripts run by with_x have them too. A script run with
# fewer arguments (the sanitizer run) keeps what it has set.
GAME_DIR=${1:-${GAME_DIR:-}}
[ -n "$GAME_DIR" ] && GAME_DIR=$(realpath "$GAME_DIR")
[ -n "${2:-}" ] && TOOLS_DIR=$(realpath "$2")
SOURCE_DIR=${3:-${SOURCE_DIR:-}}
[ -n "${TOOLS_DIR:-}" ] && tool=$TOOLS_DIR/tumblo-tool
export GAME_DIR TOOLS_DIR SOURCE_DIR

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
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        w=$(xdotool search --onlyvisible --name '^Tumblo$' 2>/dev/null | head -n 1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || return 1
    # --sync could wait forever when the focus is already there, so ask again
    # until the server says the window has it: without a window manager the
    # keys otherwise go to whatever lies under the pointer.
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        xdotool windowfocus "$w" 2> /dev/null
        [ "$(xdotool getwindowfocus 2> /dev/null)" = "$w" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowfocus 2> /dev/null)" = "$w" ] || return 1
    echo "$w"
}

# How long a script waits for any one state (a log line, a window, a picture)
# before it gives up: a loaded machine is slow, a hung game never gets there.
STATE_SECONDS=60

# Waits until the game has logged a line (the game is then past that step).
wait_for_log_line() {
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        grep -qxF -- "$1" tumblo.log 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# tumblo-probe with the built data tree, whose font and pictures it draws with
# (a test's own copy may be damaged on purpose).
probe() { "$TOOLS_DIR/tumblo-probe" "$GAME_DIR" "$@"; }

# Inside with_x, on the game's $window: wait until the frame shows TEXT in the
# game font at (X, Y) ("centre" centres it as the game does), until it no
# longer does, or until it shows a picture of the data tree or a colour.
shows() { probe wait "$window" "$STATE_SECONDS" text "$@"; }
no_longer_shows() { probe wait "$window" "$STATE_SECONDS" gone "$@"; }
shows_picture() { probe wait "$window" "$STATE_SECONDS" picture "$@"; }
shows_colour() { probe wait "$window" "$STATE_SECONDS" colour "$@"; }

# Waits until the game ($pid) has ended; its status lands in "result".
game_ended() {
    for _ in $(seq 1 $((STATE_SECONDS * 10))); do
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2> /dev/null && return 1
    wait "$pid"
    echo "exit $?" > result
}

# Holds a key down until the command after it succeeds, and at least 100 ms so
# that the 60 Hz input read sees it: the command waits, with its deadline, for
# the state the key leads to. Returns the command's status. A key is pressed
# only once the screen that should take it is known to be up.
hold_until() {
    local key=$1 status
    shift
    xdotool keydown "$key"
    sleep 0.1
    "$@"
    status=$?
    xdotool keyup "$key"
    return $status
}

# The pointer "$r" of the menu on screen: moves it to row TARGET of COUNT rows
# that start at y FIRST_Y, 12 apart, the pointer at x POINTER_X. One row a
# press: the key is held 100 ms (one xdotool run times it), under the 8 ticks
# (133 ms) after which a held cursor key moves again. Should a loaded machine
# see the key longer and move twice, the next press brings the pointer back;
# in a menu of two rows it then stands where it stood, so the wait for it to
# leave its row is only a pace (a few seconds at most) and the row is read
# again either way.
menu_to() {
    local target=$1 count=$2 pointer_x=${3:-120} first_y=${4:-140} row key
    for _ in $(seq 1 20); do
        row=$(probe row "$window" "$STATE_SECONDS" "$pointer_x" "$first_y" 12 "$count" '$r') ||
            return 1
        [ "$row" = "$target" ] && return 0
        if (((target - row + count) % count <= (row - target + count) % count)); then
            key=Down
        else
            key=Up
        fi
        xdotool keydown "$key" sleep 0.1 keyup "$key"
        STATE_SECONDS=3 no_longer_shows "$pointer_x" $((first_y + 12 * row)) '$r' || true
    done
    return 1
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
        # A game that stops answering must fail the test, not hang it (each
        # wait has its own deadline too). In the background, so that a signal
        # is handled at once rather than after it.
        timeout 240 bash -c "source '$E2E_HELPERS'; $*" &
        job=$!
        wait "$job"
    )
}

# The title menu: six items, the last "Exit".
title_menu_shown() { shows centre 220 "Rolled out by the Tumblo crew"; }

# Inside with_x: starts the game ($pid) and waits until its title menu reads
# the keys; $window is its window.
start_game() {
    ./tumblo & pid=$!
    window=$(focus_game_window) || { kill $pid; echo "no window" > result; exit 1; }
    title_menu_shown || { kill $pid; echo "no title menu" > result; exit 1; }
}

# On the title menu: "Exit", then waits for the game to end; its exit status
# lands in the file "result" ("exit N").
exit_game() {
    menu_to 5 6 || { echo "the pointer did not reach Exit" > result; exit 1; }
    hold_until Return game_ended || { echo "the game did not end" > result; exit 1; }
}

# Inside with_x: starts the game and chooses "Play", then "New Game".
start_new_game() {
    start_game
    menu_to 0 6 && hold_until Return shows 140 140 "New Game" ||
        { echo "no play menu" > result; exit 1; }
    menu_to 0 3 && hold_until Return no_longer_shows 140 140 "New Game" ||
        { echo "the play menu stayed" > result; exit 1; }
}

# Inside with_x, in a stage: ESC and "Yeah!" on the exit prompt, then "Exit".
leave_stage_and_exit() {
    hold_until Escape shows centre 90 "Exit current game?" || { echo "no exit prompt" > result; exit 1; }
    menu_to 1 2 126 106 && hold_until Return title_menu_shown ||
        { echo "no way back to the title" > result; exit 1; }
    exit_game
}
