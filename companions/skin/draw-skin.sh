#!/usr/bin/env bash
# Redraws every picture of Popbar's default skin into art/ and writes resource.rc from the id table at the end.
# The build does not run this: the pictures are committed. Needs ImageMagick 6 and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")"

FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
MONO=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf

PANEL='#141820'      # the menu's panel; also the colour behind a face's rounded corners, so faces stay opaque
PANEL_ALPHA='F0'     # mostly opaque: the desktop shows through a little
PANEL_EDGE='#343C4C'
LABEL_INK='#C8CCD4'
RULE='#1F2531'       # hairlines between the rows

# Face looks: fill, 1-px edge, ink (text and icons). The fill at a face's top-left inner corner is exactly the first colour.
LIT='#2F7DE1 #4F93E8 #FFFFFF'
LIT_PRESSED='#1B4F91 #163F74 #FFFFFF'
LIT_HOVER='#5AA0F5 #82B8F8 #FFFFFF'
UNLIT='#3A3F48 #4A505B #9AA0AA'
UNLIT_PRESSED='#2A2E35 #22252B #9AA0AA'
UNLIT_HOVER='#4B525D #5D6571 #C0C4CA'
DISABLED='#26282C #2E3136 #55595F'
BATTERY='#2E7D32 #3F9443 #FFFFFF'
BATTERY_PRESSED='#1B5E20 #154A19 #FFFFFF'
BATTERY_HOVER='#43A047 #5DB761 #FFFFFF'

# Only the pixels go into the PNG (no dates or colour chunks), so redrawing gives the same files.
write() { convert "$@" -strip -define png:exclude-chunk=all "PNG32:art/$OUT"; }

# A face: a rounded plate in the look's colours; the remaining arguments draw on it in the look's ink.
# A pressed face moves its contents one pixel down and right.
face() { # file width height look [pressed] -- convert drawing arguments
    local w=$2 h=$3 fill edge ink
    read -r fill edge ink <<<"$4"
    OUT=$1 SHIFT=0 INK=$ink
    [ "$5" = pressed ] && SHIFT=1
    shift 6
    write -size "${w}x${h}" "xc:$PANEL" \
        -fill "$fill" -stroke "$edge" -strokewidth 1 \
        -draw "roundrectangle 0.5,0.5 $((w - 2)).5,$((h - 2)).5 4,4" \
        -stroke none -fill "$ink" -font "$FONT" "$@"
}

# Words centred on the face, DX pixels right of the centre.
words() { # text pointsize [dx]
    echo -pointsize "$2" -gravity center -annotate "+$((${3:-0} + SHIFT))+$SHIFT" "$1"
}

# Row 1: the brightness buttons, a sun and a sign; the brighter button's sun is filled.
brightness_face() { # file look [pressed] sign
    local x=$((36 + ${3:+1})) y=$((15 + ${3:+1})) sun=none rays=""
    [ "$4" = + ] && sun=$(read -r _ _ ink <<<"$2"; echo "$ink")
    for a in 0 45 90 135 180 225 270 315; do
        rays+=$(awk -v x="$x" -v y="$y" -v a="$a" 'BEGIN { r = a * 3.14159265 / 180
            printf "line %.1f,%.1f %.1f,%.1f ", x + 6 * cos(r), y + 6 * sin(r), x + 8.5 * cos(r), y + 8.5 * sin(r) }')
    done
    face "$1" 100 30 "$2" "$3" -- \
        -stroke "$INK_OF" -strokewidth 1.5 -fill "$sun" -draw "circle $x,$y $((x + 4)),$y" \
        -draw "$rays" -stroke none -fill "$INK_OF" $(words "$4" 18 12)
}

# Rows 2 to 6: a face carrying one or two words.
word_face() { # file look [pressed] text
    read -r _ _ INK_OF <<<"$2"
    face "$1" 100 30 "$2" "$3" -- $(words "$4" 12) 2>/dev/null
}
