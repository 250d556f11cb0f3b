#!/bin/bash
# tumblo-tool info reads every file of the built data tree with the game's own
# loaders, and refuses truncated or damaged copies with status 2 (never a crash
# or a hang).
set -u
source "$(dirname "$0")/common.bash"
source "$SOURCE_DIR/scripts/data-tree.bash"
enter_game_copy "$GAME_DIR"
write_player_files

info() { timeout 20 "$tool" info "$@" > /dev/null 2>info.err; }

count=0
while IFS= read -r file; do
    info "$file" || fail "info refused $file: $(cat info.err)"
    count=$((count + 1))
done < <(list_data_files)
[ "$count" -gt 50 ] || fail "only $count files in the data tree"
echo "read $count files"

# Every map of the tree, printed by the map loader, names a tileset it loaded.
for map in DATA/*.MAP; do
    timeout 20 "$tool" info --kind map "$map" | grep -qi "tileset" || fail "$map printed no tileset"
done

refused() {
    local file=$1 kind=$2
    info --kind "$kind" "$file"
    local status=$?
    [ "$status" = 2 ] || fail "$file ($kind) gave status $status instead of 2"
}

first_map=$(ls DATA/*.MAP | head -n 1)
first_tileset=$(ls DATA/*.TLS | head -n 1)
for pair in "DATA/FONT.FNT font" "$first_map map" "DATA/TUMBLO.ANM animation" \
    "DATA/DEFAULT.STG stageset" "$first_tileset tileset"; do
    set -- $pair
    size=$(stat -c %s "$1")
    for cut in 3 $((size / 2)) $((size - 1)); do
        head -c "$cut" "$1" > "DATA/CUT_$cut.$2"
        refused "DATA/CUT_$cut.$2" "$2"
    done
done

# A map whose counts are garbage: every byte after the header flipped.
cp "$first_map" DATA/NOISE.MAP
size=$(stat -c %s DATA/NOISE.MAP)
dd if=/dev/urandom of=DATA/NOISE.MAP bs=1 seek=60 count=$((size - 60)) conv=notrunc 2>/dev/null
info --kind map DATA/NOISE.MAP
[ $? -le 2 ] || fail "a damaged map crashed or hung the tool"
refused DATA/NONE.MAP map
echo "tool_info_tree: ok"
