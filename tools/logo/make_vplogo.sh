#!/bin/sh
# Draws the player's idle picture, data/res/vplogo.gif: a play sign in a film frame over the
# program's name, on the black of the idle pane. Needs ImageMagick (convert) and the DejaVu
# fonts. Run once; the picture is committed.
set -e
out="${1:-$(dirname "$0")/../../data/res/vplogo.gif}"
holes=""
x=6
while [ "$x" -lt 150 ]; do
    holes="$holes rectangle $x,4 $((x + 5)),8 rectangle $x,72 $((x + 5)),76"
    x=$((x + 11))
done
convert -size 160x110 xc:black \
    -fill '#2a2f38' -draw "roundrectangle 0,0 159,80 6,6" \
    -fill '#8a93a3' -draw "$holes" \
    -fill '#f0c45a' -draw "polygon 66,22 66,58 98,40" \
    -font DejaVu-Sans-Bold -pointsize 18 -fill '#d8dde6' -gravity south \
    -annotate +0+4 'Reeldeck' \
    -colors 16 "$out"
