#!/bin/bash
# A first start played through with real key presses, each pressed once the
# screen that takes it is up: the logo, the title, Play, New Game, the
# first-time help line by line, the first stage, ESC and "Yeah!", the title
# again and Exit. The whole log is checked line by line, and the files
# written: the settings with the first-time flag cleared, the statistics with
# one start and the seconds played.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

# The stage and its time limit, for the countdown the status bar shows.
stages=$(default_stages)
first=$(head -n 1 <<< "$stages")
[ -n "$first" ] || fail "no stage in DATA/DEFAULT.STG"
limit=$("$tool" info "DATA/$first" | sed -n 's/^time limit \([0-9]*\) s$/\1/p')
[ -n "$limit" ] || fail "no time limit in DATA/$first"
export FIRST_STAGE="Loading Map: $first" LIMIT=$limit

# A sound device that is always there, so that the log does not depend on the
# machine's.
export SDL_AUDIODRIVER=dummy
with_x 1280x1024 '
    start_new_game # the fade, then the help
    shows centre 20 "First time playing" || { echo "no help screen" > result; exit 1; }
    # One more line per press, unless the help'"'"'s own clock (a line a
    # second) was quicker; the line before a press is always there.
    lines=("Use \$H and \$I to move \$C" "Press ENTER/Joy1 to lock/unlock camera"
        "Hold ENTER/Joy1 and \$u \$d \$H \$I to scroll map" "Locate \$B to clear stage"
        "Get 25 \$D for extra \$C" "Get all \$A to unlock bonus stages" "\$E will bounce you"
        "\$F will hurt you" "\$G will push you"
        "When a level is cleared in GAME-mode the next one will"
        "Press F1 in game to view helpscreen")
    rows=(40 52 64 88 100 112 136 148 160 184 220)
    shows 40 40 "${lines[0]}" || { echo "the help has no first line" > result; exit 1; }
    for line in 1 2 3 4 5 6 7 8 9 10; do
        probe wait "$window" 0 text 40 "${rows[$line]}" "${lines[$line]}" && continue
        hold_until Return shows 40 "${rows[$line]}" "${lines[$line]}" ||
            { echo "help line $line did not come" > result; exit 1; }
    done
    probe save "$window" help.bmp
    # Every line is up; a press or two more end the help and start the stage.
    for _ in 1 2 3 4 5; do
        STATE_SECONDS=2 hold_until Return wait_for_log_line "$FIRST_STAGE" && break
    done
    wait_for_log_line "$FIRST_STAGE" || { echo "the help did not end" > result; exit 1; }
    # A second of the stage played: the countdown has moved.
    shows 200 6 "x $((LIMIT - 1))" || { echo "no countdown in the stage" > result; exit 1; }
    probe save "$window" stage.bmp
    # The whole window as the X server shows it, for the enlargement below.
    import -window "$window" stage.png
    leave_stage_and_exit
'
grep -qx "exit 0" result || fail "the game did not exit with status 0: $(cat result 2>/dev/null)"

# The log as this run must have written it. What depends on the content (the
# stages of the default set, the first stage's tileset, background and tiles)
# is read from the data files with the companion tool.
map_info=$("$tool" info "DATA/$first")
tileset=$(sed -n 's/^tileset \([^ ]*\) .*/\1/p' <<< "$map_info")
tiles=$(sed -n 's/^tileset .* (\([0-9]*\) tiles)$/\1/p' <<< "$map_info")
enemies=$(sed -n 's/^enemies //p' <<< "$map_info")
# The map header's fourth text, after the magic: the background.
map_text() {
    local file=$1 wanted=$2 at=4 i len
    for i in 1 2 3 4; do
        len=$(od -An -t u4 -j "$at" -N 4 "$file" | tr -d ' ')
        [ "$i" = "$wanted" ] && { dd if="$file" bs=1 skip=$((at + 4)) count="$len" status=none; return; }
        at=$((at + 4 + len))
    done
}
background=$(map_text "DATA/$first" 4)
{
    printf '%s\n' "*********************" "TUMBLO is starting up" "Version is 1.1" \
        "*********************" "--- Starting up ---" " Writing files to: $(pwd -P)" \
        " Using 320x240 PAGEFLIP rendering" \
        " Using 16 bit colormode" " Started Allegro" " Setting switchMode" " Detecting joystick" \
        " No joystick detected" " Starting fMod" " Starting gameTimer" " Loading Font" \
        " Loading SoundEffects" " Loading StageSet: DEFAULT.STG"
    while read -r stage; do echo "  Loading Mapheader: $stage"; done <<< "$stages"
    printf '%s\n' "  Loading unlockFile for DEFAULT.STG" " Loading SETTINGS.DAT" \
        " Can't find SETTINGS.DAT. Using default!" " Loading controls.cfg" \
        " No controls.cfg: using the default controls" " Loading options.cfg" \
        " Loading par times" " Loading Graphics"
    for anim in CUP GOLD ENEMY01 ENEMY02 DEFANM TUMBLO; do
        echo " Loading Animation: DATA\\$anim.ANM"
    done
    echo "--- Done Loading ---"
    echo "Loading Map: $first"
    echo "  Loading tileset: $tileset"
    "$tool" info "DATA/$tileset" | sed -n 's/.* animation \(DATA[^ ]*\) (loaded)$/  Loading Animation: \1/p'
    printf '%s\n' " Loading background: $background" " Map Loaded Successfully!" \
        "Saving SETTINGS.DAT" "Stopping gameTimer" "--- Cleaning up ---"
    for ((i = 0; i < tiles; i++)); do echo " Deleting TILEOBJECT $i"; done
    echo " Deleting BLOCKDATA"
    echo " Deleting BONUS"
    [ "$enemies" != 0 ] && echo " Deleting ENEMY"
    printf '%s\n' " Deleting BITMAP" " Deleting Map" " Destroying Font" " Stopping fMod" \
        " Stopping Allegro" "  Destroying Pages" "  Removing keyboard" "  Removing timer" \
        "  Removing joystick" "  Return to GFX_TEXT mode" "  allegro_exit();" \
        "--- Done cleaing up ---"
} > expected.log
diff expected.log tumblo.log || fail "the log differs from the run's (expected.log, then tumblo.log)"

# Sound, music, window, no frame counter, the help seen, the ball animated.
[ "$(ints SETTINGS.DAT)" = "1 1 0 0 0 1" ] || fail "SETTINGS.DAT holds $(ints SETTINGS.DAT)"
# One start, nothing cleared or lost, a few seconds of play.
read -r -a stats <<< "$(ints stats.dat)"
[ "${#stats[@]}" = 10 ] || fail "stats.dat holds ${#stats[@]} numbers"
[ "${stats[*]:0:4}" = "1 0 0 0" ] && [ "${stats[*]:5:5}" = "0 0 0 0 0" ] ||
    fail "stats.dat holds ${stats[*]}"
[ "${stats[4]}" -ge 1 ] && [ "${stats[4]}" -le 6 ] ||
    fail "stats.dat counts ${stats[4]} seconds of play"
# The pictures on the way: the help had all its lines, and the stage was in play.
for picture in help stage; do
    [ "$(convert "$picture.bmp" -format '%k' info:)" -gt 8 ] || fail "$picture.bmp is blank"
done
# The window (960x720) shows the frame enlarged three times, nearest
# neighbour, whether the X server or the game enlarges it: each 3 by 3 block of
# the stage's picture is one colour.
convert stage.png -crop 960x720+0+0 +repage window.png
convert window.png -sample 320x240 -sample 960x720 blocks.png
differing=$(compare -metric AE window.png blocks.png null: 2>&1) || true
[ "$differing" = 0 ] || fail "the window is not the frame enlarged three times ($differing pixels differ)"
echo "first_game: ok"
