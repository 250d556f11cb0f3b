#!/bin/bash
# The Debian package holds the programs, the data tree, the desktop entry (which
# validates), the icons in every size and the manual pages, and declares the
# libraries it needs.
set -u
source "$(dirname "$0")/common.bash"
make_scratch deb
(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || fail "cpack failed: $(tail -n 3 "$work/cpack.log")"
deb=$(ls "$work"/tumblo_*.deb 2> /dev/null | head -n 1)
[ -n "$deb" ] || fail "no package was made"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for file in /usr/games/tumblo /usr/games/tumblo-tool /usr/share/games/tumblo/DATA/DEFAULT.STG \
    /usr/share/games/tumblo/DATA/FONT.FNT /usr/share/games/tumblo/MUSIC/WANDER.IT \
    /usr/share/applications/io.github.tumblo.Tumblo.desktop \
    /usr/share/metainfo/io.github.tumblo.Tumblo.metainfo.xml \
    /usr/share/man/man6/tumblo.6.gz /usr/share/man/man6/tumblo-tool.6.gz \
    /usr/share/doc/tumblo/copyright /usr/share/doc/tumblo/changelog.gz \
    /usr/share/doc/tumblo/MODDING.md; do
    grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
for size in 16 22 24 32 48 64 128 256; do
    grep -qxF "/usr/share/icons/hicolor/${size}x$size/apps/tumblo.png" "$work/files" ||
        fail "the package lacks the ${size}px icon"
done
# Nothing a played build tree writes may be packed.
grep -E 'tumblo\.log|SETTINGS\.DAT|stats\.dat|/UNLOCK/' "$work/files" && fail "the package holds a player's files"
dpkg-deb -f "$deb" Depends | grep -q liballegro4 || fail "the package does not depend on Allegro"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/io.github.tumblo.Tumblo.desktop" ||
    fail "the desktop entry does not validate"
echo "deb_package: ok ($(stat -c %s "$deb") bytes)"
