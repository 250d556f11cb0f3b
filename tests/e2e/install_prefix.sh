#!/bin/bash
# The game installed into a scratch prefix and played from there, as a player
# with their own home folder: the settings, statistics and log land in
# ~/.local/share/tumblo, and nothing under the prefix changes. With a user
# folder that cannot be made, the game still starts, says so, and leaves
# cleanly.
set -u
source "$(dirname "$0")/common.bash"
make_scratch install
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 ||
    fail "install failed: $(tail -n 3 "$work/install.log")"
[ -x "$prefix/games/tumblo" ] || fail "no game in $prefix/games"
# The guide the about screen names.
cmp -s "$prefix/share/doc/tumblo/MODDING.md" "$SOURCE_DIR/docs/MODDING.md" ||
    fail "the modding guide is not in $prefix/share/doc/tumblo"
# The command line: what it offers, and a one-line refusal of anything else.
[ "$("$prefix/games/tumblo" --version)" = "tumblo 1.1" ] || fail "--version"
"$prefix/games/tumblo" --help | grep -q -- "--user-dir DIR" || fail "--help lacks --user-dir"
"$prefix/games/tumblo" --no-such-option 2> "$work/refused"
[ $? = 2 ] && [ "$(wc -l < "$work/refused")" = 1 ] || fail "an unknown option: $(cat "$work/refused")"
snapshot() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort; find . | sort); }
snapshot > "$work/before"

export HOME=$work/home SDL_AUDIODRIVER=dummy GAME="$prefix/games/tumblo"
mkdir -p "$HOME"
user=$HOME/.local/share/tumblo
cd / || fail "no /"
with_x 1280x1024 '
    # The game started from /, the result kept in the scratch folder.
    cd "'"$work"'"
    (cd / && exec "$GAME") & pid=$!
    window=$(focus_game_window) || { kill $pid; echo "no window" > result; exit 1; }
    title_menu_shown || { kill $pid; echo "no title menu" > result; exit 1; }
    exit_game
'
grep -qx "exit 0" "$work/result" || fail "the installed game did not exit with 0: $(cat "$work/result")"
[ "$(stat -c %s "$user/SETTINGS.DAT")" = 24 ] || fail "no settings in $user"
[ "$(stat -c %s "$user/stats.dat")" = 40 ] || fail "no statistics in $user"
grep -qxF " Writing files to: $user" "$user/tumblo.log" || fail "the log does not say where it writes"
[ "$(tail -n 1 "$user/tumblo.log")" = "--- Done cleaing up ---" ] || fail "the log does not end with the shut-down"
snapshot | diff "$work/before" - > /dev/null || fail "the installed files changed: $(snapshot | diff "$work/before" - | head -n 5)"

# A user folder that cannot be made (its parent is a file, which stops root
# too): the message is shown, the log goes to standard error, and Exit works.
touch "$work/not-a-folder"
export XDG_DATA_HOME=$work/not-a-folder/share
with_x 1280x1024 '
    cd "'"$work"'"
    (cd / && exec "$GAME" 2> "'"$work"'/stderr") & pid=$!
    window=$(focus_game_window) || { kill $pid; echo "no window" > result; exit 1; }
    # The message screen is dark blue; ENTER dismisses it and loading goes on.
    shows_colour 4 4 0 0 128 || { kill $pid; echo "no message" > result; exit 1; }
    loaded() {
        for _ in $(seq 1 $((STATE_SECONDS * 10))); do
            grep -q "Done Loading" stderr && return 0
            sleep 0.1
        done
        return 1
    }
    hold_until Return loaded || { kill $pid; echo "the message stayed" > result; exit 1; }
    title_menu_shown || { kill $pid; echo "no title menu" > result; exit 1; }
    exit_game
'
grep -qx "exit 0" "$work/result" || fail "the game without a user folder did not exit with 0: $(cat "$work/result")"
grep -q "Unable to write there: nothing will be saved" "$work/stderr" || fail "no word of the unwritable folder"
grep -qx -- "--- Done cleaing up ---" "$work/stderr" || fail "the log on standard error is not whole"
snapshot | diff "$work/before" - > /dev/null || fail "the installed files changed"
echo "install_prefix: ok"
