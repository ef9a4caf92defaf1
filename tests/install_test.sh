#!/usr/bin/env bash
# Installs the built game into a temporary prefix, checks what a desktop
# needs of it (the menu entry and the AppStream metadata validate, the icon
# is there), then starts the installed game from another directory: it must
# find its assets where it was installed.
set -euo pipefail
build=$1
id=org.tidewrack.Tidewrack
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/tidewrack share/tidewrack/Assets/Sprites/Menu/Wallpaper.png share/tidewrack/Assets/Fonts/PixelFont.ttf \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/256x256/apps/$id.png share/doc/tidewrack/README.md \
            share/doc/tidewrack/licences/PixelFont.LICENSE.txt; do
    [[ -f "$prefix/$file" ]] || { echo "install: $file is missing" >&2; exit 1; }
done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Exec=tidewrack" "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
# The icon is a 256 x 256 PNG, as its hicolor folder says.
size=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/256x256/apps/$id.png" | tr -s ' ')
[[ "$size" == " 0 0 1 0 0 0 1 0" ]] || { echo "install: the icon is not 256 x 256 ($size)" >&2; exit 1; }

cd "$elsewhere"
TIDEWRACK_STRICT_MANIFEST=1 "$prefix/bin/tidewrack" --seed 1 --fixed-dt 0.0166667 --frames 5 \
    --report report.json --screenshot shot.png > stdout.txt
grep -q '"frames": 5' report.json || { echo "install: the installed game did not run 5 frames" >&2; exit 1; }
[[ -s shot.png ]] || { echo "install: the installed game drew nothing" >&2; exit 1; }
echo "installed into $prefix, started from $elsewhere: fine"
