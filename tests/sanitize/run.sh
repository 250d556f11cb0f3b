#!/bin/bash
# run.sh BUILD_DIR: the checks of `make sanitize` on a build made with
# TUMBLO_SANITIZE=ON. Runs the unit tests, `tumblo-tool info` over every file
# of the data tree and over damaged copies of a handful of them, and the
# end-to-end tests. Fails on any sanitizer report, in these programs or in any
# they start.
# The sanitizer options and suppressions come from the Makefile.
set -u
BUILD=$(realpath "$1")
SOURCE_DIR=$(realpath "$(dirname "$0")/../..")
source "$SOURCE_DIR/tests/e2e/common.bash"
source "$SOURCE_DIR/scripts/data-tree.bash"
: "${ASAN_OPTIONS:?run through make sanitize}" "${UBSAN_OPTIONS:?run through make sanitize}"

# A build that lost the sanitizer flags would pass every check below unseen.
for program in tests/unit_tests tools/tumblo-tool tools/tumblo-assets game/tumblo; do
    libraries=$(ldd "$BUILD/$program") || fail "no $BUILD/$program"
    if ! grep -q libasan <<< "$libraries" || ! grep -q libubsan <<< "$libraries"; then
        fail "$program is not built with the sanitizers (configure with -DTUMBLO_SANITIZE=ON)"
    fi
done

# Every ASan and LSan report goes into a file of its own, whatever the exit
# status of the program that made it; a report anywhere fails the run. UBSan in
# g++ ignores log_path (its runtime and ASan's share one report path) and writes
# to stderr, so its reports are caught by their status, 86.
reports=$BUILD/sanitize-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="$ASAN_OPTIONS:log_path=$reports/report"
failures=0
problem() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The unit tests start the tools through stand-ins that keep every report.
wrappers=$BUILD/sanitize-wrappers
rm -rf "$wrappers"
mkdir -p "$wrappers"
for program in "$BUILD"/tools/*; do
    [ -f "$program" ] && [ -x "$program" ] &&
        ln -s "$SOURCE_DIR/tests/sanitize/child.sh" "$wrappers/$(basename "$program")"
done

echo "== unit tests"
# The environment tests/CMakeLists.txt gives them, with the stand-ins as tools.
unit_log=$BUILD/sanitize-unit-tests.log
(cd "$BUILD/tests" && SANITIZE_TOOLS_DIR="$BUILD/tools" SANITIZE_REPORTS="$reports" \
    TUMBLO_GAME_DIR="$BUILD/game" TUMBLO_TOOLS_DIR="$wrappers" \
    TUMBLO_CONTENT_DIR="$SOURCE_DIR/content" ./unit_tests > "$unit_log" 2>&1)
status=$?
grep -E '^\[  (PASSED|SKIPPED|FAILED) +\] [0-9]' "$unit_log"
[ "$status" = 0 ] || problem "unit tests: status $status (their output: $unit_log)"

tool="$BUILD/tools/tumblo-tool"
game=$(make_game_copy "$BUILD/game")
cd "$game" || fail "no game copy"
write_player_files
# Status 86 is a sanitizer report (set in the Makefile); 124 is a hang.
info() { timeout 60 "$tool" info "$@" > /dev/null 2> info.err; }

echo "== tumblo-tool info over the data tree"
count=0
while IFS= read -r file; do
    info "$file" || problem "info $file: status $?: $(cat info.err)"
    count=$((count + 1))
done < <(list_data_files)
[ "$count" -gt 50 ] || problem "only $count files in the data tree"
echo "read $count files"

# Damages a file in place: XORs `flips` bytes, chosen by the seed, with nonzero
# values. Odd seeds hit the first 256 bytes, where the headers and counts are.
flip_bytes() {
    local file=$1 seed=$2 flips=$3 size span position old
    size=$(stat -c %s "$file")
    [ "$size" -gt 0 ] || return
    span=$size
    [ $((seed % 2)) = 1 ] && [ "$span" -gt 256 ] && span=256
    RANDOM=$seed
    for _ in $(seq "$flips"); do
        position=$(((RANDOM * 32768 + RANDOM) % span))
        old=$(od -An -tu1 -j "$position" -N 1 "$file")
        printf "\\$(printf %o $((old ^ (RANDOM % 255 + 1))))" |
            dd of="$file" bs=1 seek="$position" conv=notrunc status=none
    done
}

# A damaged copy may be refused (status 2) or even read (0), never more.
damaged_info() {
    local file=$1 what=$2 status
    info "$file"
    status=$?
    damaged=$((damaged + 1))
    [ "$status" = 0 ] && damaged_read=$((damaged_read + 1))
    if [ "$status" -gt 2 ]; then
        local keep
        keep="$reports/$(basename "$file").$(echo "$what" | tr ' ' '_')"
        cp "$file" "$keep"
        problem "info on $file $what: status $status (damaged copy kept as $keep): $(cat info.err)"
    fi
}

echo "== tumblo-tool info over damaged copies"
# Damaged in place, so each copy keeps its name and its neighbours (a map its
# tileset, an unlock file its set) and the tool recognises it as usual.
first() { list_data_files | grep -iE "$1" | head -n 1; }
damaged=0
damaged_read=0
for file in DATA/FONT.FNT DATA/TUMBLO.ANM DATA/DEFAULT.STG DATA/tumblodata.dat \
    DATA/UNLOCK/DEFAULT.STG SETTINGS.DAT stats.dat "$(first '\.MAP$')" "$(first '\.TLS$')" \
    "$(first '\.BMP$')" "$(first '\.WAV$')" "$(first '\.IT$')"; do
    [ -f "$file" ] || {
        problem "no file $file to damage"
        continue
    }
    cp "$file" pristine
    size=$(stat -c %s pristine)
    for cut in 0 1 3 7 $((size / 2)) $((size - 1)); do
        head -c "$cut" pristine > "$file"
        damaged_info "$file" "cut to $cut bytes"
    done
    for seed in 1 2 3 4 5 6 7 8; do
        cp pristine "$file"
        flip_bytes "$file" "$seed" $((seed * 2))
        damaged_info "$file" "seed $seed"
    done
    cp pristine "$file"
done
echo "read $damaged damaged copies ($damaged_read of them read, the others refused)"
cd "$BUILD" || fail "no $BUILD"
rm -rf "$(dirname "$game")"

echo "== end-to-end tests"
# The real game under Xvfb; a report from the game or the tool fails its test
# through the status, and ASan's reports land in the report folder as well.
ctest -R '^e2e_' --output-on-failure || problem "end-to-end tests"

if compgen -G "$reports/report.*" > /dev/null || compgen -G "$reports/child.*" > /dev/null; then
    for report in "$reports"/report.* "$reports"/child.*; do
        [ -f "$report" ] || continue
        echo "---- $report" >&2
        cat "$report" >&2
    done
    problem "sanitizer reports above"
fi
[ "$failures" = 0 ] || fail "$failures problems under the sanitizers"
echo "sanitize: ok"
