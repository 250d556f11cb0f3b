#!/bin/bash
# Every include of a project header in src/ stays within its own folder or the
# folders below it. The build already refuses an upward include from a source
# file; this also catches one in a header that its own layer never includes.
#
# And the media library (Allegro) and SDL stay inside src/platform: nothing else
# in src/, tools/ or tests/ (but the platform's own tests) includes them, names
# one of their types or constants, or calls one of their functions.
set -u
src=${1:?usage: layer_order.sh SRC_DIR}
root=$(cd "$src/.." && pwd)
layers=(platform text ui level progress game screens main)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
bad=0
for layer in "${layers[@]}"; do
    own=$(rank "$layer")
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$hit")
        case $target in
        ../* | */../*)
            echo "$file: includes \"$target\" by a relative path" >&2
            bad=1
            continue
            ;;
        esac
        folder=${target%%/*}
        [ "$folder" = "$target" ] && continue # a file beside it
        their=$(rank "$folder")
        if [ "$their" -lt 0 ] || [ "$their" -gt "$own" ]; then
            echo "$file: $layer includes \"$target\" from a layer above it" >&2
            bad=1
        fi
    done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' "$src/$layer")
done

# The media library's vocabulary: its headers, types and constants, its arrays,
# and the functions the game once called.
functions='blit|masked_blit|stretch_blit|masked_stretch_blit|draw_sprite|draw_trans_sprite'
functions+='|set_trans_blender|create_bitmap|create_bitmap_ex|destroy_bitmap|clear_to_color'
functions+='|clear_bitmap|makecol|makecol8|makecol15|makecol16|makecol24|makecol32'
functions+='|makecol_depth|getpixel|putpixel|getr|getg|getb|textout_ex|textout_centre_ex'
functions+='|textprintf_ex|rectfill|hline|vline|poll_joystick|install_keyboard|install_timer'
functions+='|install_joystick|install_int_ex|remove_int|set_gfx_mode|set_color_depth'
functions+='|get_color_depth|bitmap_color_depth|bitmap_mask_color|allegro_init|allegro_exit'
functions+='|allegro_message|install_allegro|set_window_title|set_close_button_callback'
functions+='|set_display_switch_mode|load_bitmap|load_bmp|save_bitmap|save_bmp|readkey'
functions+='|keypressed|clear_keybuf'
pattern="#[[:space:]]*include[[:space:]]*<(allegro|SDL)|\\bSDL_[A-Za-z]|\\b(BITMAP|PACKFILE|KEY_[A-Z0-9_]+|MASK_COLOR_[0-9]+"
pattern+="|GFX_[A-Z0-9_]+|JOY_TYPE_[A-Z0-9_]+|SWITCH_[A-Z]+|END_OF_MAIN|num_joysticks)\\b"
pattern+="|::key\\[|\\bjoy\\[|\\b($functions)[[:space:]]*\\("
# Texts and comments may name the game's own "BITMAP\" folder: they are left out.
while IFS= read -r hit; do
    echo "${hit#"$root"/}: the media library outside src/platform" >&2
    bad=1
done < <(find "$root/src" "$root/tools" "$root/tests" \( -name '*.cpp' -o -name '*.h' \) |
    grep -vE "^$root/(src|tests)/platform/" | sort |
    xargs perl -ne 's{//.*$}{}; s/"(?:[^"\\]|\\.)*"/""/g;
        print "$ARGV:$.: $_" if m{'"$pattern"'}; close ARGV if eof')

[ $bad = 0 ] && echo "layer order: ok"
exit $bad
