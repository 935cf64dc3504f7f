#!/bin/sh
# Regenerates the program's pictures from parsella.svg and a few drawing commands; the results
# are committed, so a build needs no ImageMagick. Run from anywhere: sh resources/make-artwork.sh
#   icons/<size>/parsella.png   the program icon at the usual hicolor sizes
#   about/banner.jpg            the About box banner: colour JPEG, 302 x 62
#   about/picture.bmp           the About box picture: 256-colour Windows bitmap, 111 x 143
#   windows/parsella.ico        the program's icon for parsella.exe, the Start menu and Apps
#   windows/parsella-worksheet.ico  a worksheet file's icon in Explorer
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
# The real ImageMagick 6 binary; a wrapper earlier in PATH could alter transparency.
CONVERT=${CONVERT:-$(command -v convert-im6.q16 || command -v convert)}
fonts=${FONTS:-/usr/share/fonts/truetype/liberation}

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    # Render large and shrink, so the small sizes are anti-aliased from the full drawing.
    "$CONVERT" -background none -density 288 parsella.svg -resize "${size}x${size}" \
        -strip -define png:exclude-chunks=date,time "PNG32:icons/${size}x${size}/parsella.png"
done

mkdir -p about
# Banner: the program's name on a light-yellow band that fades to white, with a red rule.
"$CONVERT" -size 302x62 gradient:'#FFFFC0-#FFFFFF' \
    -fill '#C00000' -draw 'rectangle 0,56 302,58' \
    -font "$fonts/LiberationSerif-Bold.ttf" -pointsize 34 -fill '#202020' \
    -annotate +12+40 'Parsella' \
    -font "$fonts/LiberationSans-Italic.ttf" -pointsize 12 -fill '#1A3FC0' \
    -annotate +160+26 'sentences' -annotate +160+42 'word by word' \
    -strip -quality 92 -sampling-factor 1x1 JPEG:about/banner.jpg

# Picture: a sentence drawn as a tree, the way the worksheet builds it.
"$CONVERT" -size 111x143 xc:'#FFFFC0' \
    -stroke '#303030' -strokewidth 2 \
    -draw 'line 55,22 26,60' -draw 'line 55,22 84,60' \
    -draw 'line 84,60 61,98' -draw 'line 84,60 95,98' -draw 'line 26,60 26,98' \
    -stroke none \
    -fill '#D01010' -draw 'circle 55,22 55,12' \
    -fill '#1A3FC0' -draw 'circle 26,60 26,52' -draw 'circle 84,60 84,52' \
    -fill '#202020' -draw 'circle 61,98 61,91' -draw 'circle 95,98 95,92' -draw 'circle 26,98 26,91' \
    -font "$fonts/LiberationSerif-Italic.ttf" -pointsize 12 -fill '#202020' \
    -annotate +16+122 'she' -annotate +46+122 'walks' -annotate +82+122 'here.' \
    -fill '#C00000' -draw 'rectangle 8,132 103,133' \
    -colors 256 -type Palette -compress none BMP3:about/picture.bmp

# Windows: the program's icon and the worksheet's, each an .ico of the sizes Explorer uses.
# The worksheet is a white page with a folded corner that carries the program's icon.
mkdir -p windows
"$CONVERT" icons/16x16/parsella.png icons/24x24/parsella.png icons/32x32/parsella.png \
    icons/48x48/parsella.png icons/64x64/parsella.png icons/256x256/parsella.png windows/parsella.ico
pages=""
for size in 16 24 32 48 64 256; do
    w=$((size * 13 / 16)); fold=$((size / 4)); left=$(((size - w) / 2)); right=$((left + w - 1))
    last=$((size - 1)); inner=$((size * 9 / 16))
    "$CONVERT" -size "${size}x${size}" xc:none -fill white -stroke '#606060' -strokewidth 1 \
        -draw "polygon $left,0 $((right - fold)),0 $right,$fold $right,$last $left,$last" \
        -fill '#D8D8D8' -draw "polygon $((right - fold)),0 $((right - fold)),$fold $right,$fold" \
        \( "icons/256x256/parsella.png" -resize "${inner}x${inner}" \) \
        -gravity center -geometry +0+$((size / 16)) -composite \
        -strip "PNG32:windows/page-$size.png"
    pages="$pages windows/page-$size.png"
done
# shellcheck disable=SC2086
"$CONVERT" $pages windows/parsella-worksheet.ico
rm -f $pages
