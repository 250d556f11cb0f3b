#!/bin/bash
# The contact sheet labels its cards with a font that scripts/install-deps
# installs, named by file: it must not rely on whatever fonts the machine knows.
set -u
source "$(dirname "$0")/common.bash"
make_scratch sheet
mkdir -p "$work/game/BITMAP/GENERAL" "$work/fontcache"
# Pictures without any white, so that white pixels on the sheet are label text.
convert -size 16x8 xc:'#ff00ff' "BMP3:$work/game/BITMAP/GENERAL/MASK.BMP"
convert -size 8x8 xc:'#204080' "BMP3:$work/game/BITMAP/GENERAL/tile.bmp"
# A font configuration that knows no fonts at all.
cat > "$work/fonts.conf" << CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><cachedir>$work/fontcache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/fonts.conf" "$SOURCE_DIR/scripts/contact-sheet" "$work/game" \
    "$work/sheet.png" > "$work/out" 2>&1 || fail "contact-sheet failed: $(cat "$work/out")"
[ -s "$work/sheet.png" ] || fail "no sheet written"
white=$(convert "$work/sheet.png" -fill black +opaque white -fill white -opaque white \
    -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$white" -gt 50 ] || fail "the cards carry no labels ($white white pixels)"
echo "contact_sheet: ok ($white label pixels)"
