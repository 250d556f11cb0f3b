#!/bin/bash
# The monkey plays the whole game for ten simulated minutes, on a working disk
# and on a failing one, in a copy of the data tree of its own: the tree it is
# given stays as it was, the copy is gone afterwards, and a seed plays the same
# run again.
set -u
source "$(dirname "$0")/common.bash"
source "$SOURCE_DIR/scripts/data-tree.bash"
enter_game_copy "$GAME_DIR"
work=$(dirname "$game")
write_player_files # a player's files, which the monkey must neither use nor touch
before=$(find . -type f -exec md5sum {} + | LC_ALL=C sort)
mkdir "$work/tmp"

# The summary without the real time it took.
monkey() {
    TMPDIR="$work/tmp" timeout 120 "$tool" --game-dir "$game" monkey --minutes 10 --solutions "$GAME_DIR/../solutions" "$@" > "$work/out" 2>&1
    local status=$?
    [ "$status" = 0 ] || fail "monkey $*: status $status: $(cat "$work/out")"
    sed -E 's/ in [0-9.]+ s \([0-9.]+ simulated minutes per second\)//' "$work/out"
}

first=$(monkey --seed 1)
echo "$first"
grep -q "10.0 simulated minutes, " <<< "$first" || fail "unexpected summary: $first"
again=$(monkey --seed 1)
[ "$first" = "$again" ] || fail "seed 1 played differently the second time: $again"
monkey --seed 2 --failing-disk 8

after=$(find . -type f -exec md5sum {} + | LC_ALL=C sort)
[ "$before" = "$after" ] || fail "the monkey changed the tree it was given"
[ -z "$(ls -A "$work/tmp")" ] || fail "the monkey left its copy behind: $(ls "$work/tmp")"
echo "ok"
