#!/bin/sh
# Draws the standard page logo, data/res/hllogo.gif: a 120x40 film strip with the program's name.
# Needs ImageMagick (convert) and the DejaVu fonts. Run once; the picture is committed.
set -e
out="${1:-$(dirname "$0")/../../data/res/hllogo.gif}"
holes=""
x=4
while [ "$x" -lt 120 ]; do
    holes="$holes rectangle $x,2 $((x + 4)),5 rectangle $x,34 $((x + 4)),37"
    x=$((x + 9))
done
convert -size 120x40 xc:'#1f3a60' \
    -fill '#f4f6fa' -draw "$holes" \
    -fill '#f0c45a' -draw "rectangle 0,8 120,9 rectangle 0,30 120,31" \
    -font DejaVu-Sans-Bold -pointsize 15 -fill '#ffffff' -gravity center \
    -annotate +0+0 'Reeldeck' \
    -colors 16 "$out"
