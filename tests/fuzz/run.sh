#!/bin/bash
# run.sh FUZZ_BUILD GAME_DIR SECONDS [TARGET...]: the fuzzing of `make fuzz`.
# Seeds each target's corpus from the built game folder (the shipped files, the
# solution demos beside it) and content/, then runs each target SECONDS seconds
# in turn. Every input that crashes, hangs or runs out of memory is written to
# tests/fuzz/regressions/<target>/, where `make test` replays it. Prints the
# executions per target; fails when a target found anything.
set -u
BUILD=$(realpath "$1")
GAME=$(realpath "$2")
SECONDS_EACH=$3
shift 3
SOURCE_DIR=$(realpath "$(dirname "$0")/../..")
CONTENT=$SOURCE_DIR/content
REGRESSIONS=$SOURCE_DIR/tests/fuzz/regressions
SOLUTIONS=$(dirname "$GAME")/solutions
SEEDS=$BUILD/seeds
CORPUS=$BUILD/corpus
LOGS=$BUILD/fuzz-logs
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(map tileset animation font stageset unlock settings statistics
    controls records ghost options partimes demo demo-text wav song bmp map-source stage-source
    tileset-source animation-source pixel-source music-source)

# seed TARGET FILE...: copies files into the target's seed folder.
seed() {
    local target=$1
    shift
    mkdir -p "$SEEDS/$target"
    local file
    for file in "$@"; do
        [ -f "$file" ] && cp "$file" "$SEEDS/$target/"
    done
}

# The player's files as the game writes them; the unlock target reads two bytes
# of stage and group counts first.
player_files() {
    local dir=$SEEDS/player
    mkdir -p "$dir"
    (cd "$dir" && source "$SOURCE_DIR/scripts/data-tree.bash" && write_player_files)
    seed settings "$dir/SETTINGS.DAT"
    # The bindings file as the game writes its defaults, and as a player edits it.
    printf '%s\n' "# Tumblo's controls" "left = Left, dpleft" "right = Right, dpright" \
        "up = Up, dpup" "down = Down, dpdown" "confirm = Return, a" "back = Escape, b" \
        "record = F2, x" "pause = Space, start" "notes = F1, back" "speed1 = F1" \
        "speed2 = F2" "speed3 = F3" "speed4 = F4" > "$dir/controls.cfg"
    printf '%s\n' "right = D   # one hand" "record = , y" "speed1 = keypad 1" > "$dir/edited.cfg"
    seed controls "$dir/controls.cfg" "$dir/edited.cfg"
    seed statistics "$dir/stats.dat"
    # Best times, the options and a ghost of two ticks, as the game writes them.
    printf '%s\n' "# Tumblo's best times on DEFAULT.STG" \
        "best 940 2024-05-01 0123456789abcdef TROP01.MAP" \
        "cup 1001 2024-05-02 0123456789abcdef TROP01.MAP" > "$dir/DEFAULT.txt"
    seed records "$dir/DEFAULT.txt"
    printf '%s\n' "# Tumblo's options" "ghost = off" > "$dir/options.cfg"
    seed options "$dir/options.cfg"
    {
        printf 'TGHO\x01\0\0\0\x0a\0\0\0TROP01.MAP\x10\0\0\0000123456789abcdef\x01\0\0\0\x02\0\0\0'
        printf '\0\0\x80\x41\0\0\0\x42\0\0\0\0\x80\x41\0\0\0\x42\x01\0'
    } > "$dir/TROP01.ghost"
    seed ghost "$dir/TROP01.ghost"
    mkdir -p "$SEEDS/unlock"
    { printf '\x04\x02'; head -c 56 "$dir/DATA/UNLOCK/DEFAULT.STG"; } > "$SEEDS/unlock/four-stages"
    { printf '\x63\x19'; cat "$dir/DATA/UNLOCK/DEFAULT.STG"; } > "$SEEDS/unlock/full-set"
}

# The shipped pictures are all classic 24-bit files; the variants that painting
# programs write are made from one of them.
picture_variants() {
    local source=$GAME/BITMAP/GENERAL/cup2.bmp dir=$SEEDS/bmp
    mkdir -p "$dir"
    command -v convert > /dev/null && [ -f "$source" ] || return 0
    convert "$source" -transparent magenta "$dir/v5-alpha.bmp"
    convert "$source" -define bmp:subtype=RGB565 "$dir/v5-565.bmp"
    convert "$source" -define bmp:subtype=RGB555 "$dir/v5-555.bmp"
    convert "$source" -colors 200 -compress RLE "BMP3:$dir/rle8.bmp"
    convert "$source" -colors 16 "BMP3:$dir/palette4.bmp"
    convert "$source" -monochrome "BMP3:$dir/mono.bmp"
    convert "$source" "BMP2:$dir/core.bmp"
}

rm -rf "$SEEDS"
shopt -s nullglob globstar
seed map "$GAME"/DATA/*.MAP
seed tileset "$GAME"/DATA/*.TLS
seed animation "$GAME"/DATA/*.ANM
seed font "$GAME"/DATA/*.FNT
seed stageset "$GAME"/DATA/*.STG "$GAME"/DATA/tumblodata.dat
seed demo "$SOLUTIONS"/*.TDM "$GAME"/DEMOS/*.TDM
seed demo-text "$CONTENT"/demos/*.txt
seed partimes "$GAME"/DATA/PARTIMES.TXT
seed wav "$GAME"/SOUND/*.WAV
seed song "$GAME"/MUSIC/*.IT
seed bmp "$GAME"/BITMAP/**/*.bmp "$GAME"/BITMAP/**/*.BMP
seed map-source "$CONTENT"/maps/*.txt
seed stage-source "$CONTENT"/maps/*.txt
seed tileset-source "$CONTENT"/tilesets/*.txt
seed animation-source "$CONTENT"/animations/*.txt
seed pixel-source "$CONTENT"/bitmaps/**/*.pix
seed music-source "$CONTENT"/music/*.txt
player_files
picture_variants

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$SOURCE_DIR/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export SDL_AUDIODRIVER=dummy
mkdir -p "$LOGS"
found=()
printf '%-18s %10s %12s %8s %s\n' target seconds executions exec/s result > "$LOGS/summary"
for target in "${targets[@]}"; do
    binary=$BUILD/fuzz/fuzz-$target
    [ -x "$binary" ] || {
        echo "no fuzz target $binary" >&2
        exit 2
    }
    mkdir -p "$CORPUS/$target" "$SEEDS/$target" "$REGRESSIONS/$target"
    # The target's own seeds (the sounds of other programs for wav).
    TUMBLO_FUZZ_SEEDS_TO="$SEEDS/$target" "$binary" > /dev/null 2>&1
    echo "== $target: $SECONDS_EACH s"
    log=$LOGS/$target.log
    # Quiet targets (close_fd_mask: their own stdout and stderr); libFuzzer and
    # the sanitizers still report. An input running 10 s counts as a hang.
    "$binary" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -close_fd_mask=3 -print_final_stats=1 \
        -artifact_prefix="$REGRESSIONS/$target/" "$CORPUS/$target" "$SEEDS/$target" > "$log" 2>&1
    status=$?
    runs=$(grep -oE '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1)
    executions=$(awk '{print $2}' <<< "$runs")
    seconds=$(awk '{print $5}' <<< "$runs")
    [ -n "$executions" ] || executions=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" |
        grep -oE '[0-9]+$')
    rate=$(grep -oE 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    result=ok
    if [ "$status" != 0 ]; then
        result="FOUND (status $status, see $log)"
        found+=("$target")
    fi
    printf '%-18s %10s %12s %8s %s\n' "$target" "${seconds:--}" "${executions:--}" "${rate:--}" \
        "$result" | tee -a "$LOGS/summary"
done
# Only the folders of targets that found something stay.
for target in "${targets[@]}"; do
    rmdir "$REGRESSIONS/$target" 2> /dev/null
done
echo
cat "$LOGS/summary"
if [ ${#found[@]} -gt 0 ]; then
    echo "findings in: ${found[*]}; the inputs are in $REGRESSIONS" >&2
    exit 1
fi
