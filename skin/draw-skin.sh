#!/usr/bin/env bash
# Redraws every picture of Popbar's default skin into art/ and writes resource.rc from the id table at the end.
# The build does not run this: the pictures are committed. Needs ImageMagick 6 and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")"

FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
MONO=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf

PANEL='#141820'       # the menu's panel, and the colour behind a face's rounded corners so faces stay opaque
PANEL_FILL='#141820F0' # mostly opaque: the desktop shows through a little
PANEL_EDGE='#343C4C'
LABEL_INK='#C8CCD4'
RULE='#1F2531'        # hairlines between the rows

# Each look: fill, 1-px edge, ink for words and icons, how far a press moves the contents.
# A face's top-left inner corner (x and y 3..8) is always the plain fill, so the fill can be checked there.
declare -A LOOK=(
    [lit]='#2F7DE1 #4F93E8 #FFFFFF 0'
    [lit-pressed]='#1B4F91 #163F74 #FFFFFF 1'
    [lit-hover]='#5AA0F5 #82B8F8 #FFFFFF 0'
    [unlit]='#3A3F48 #4A505B #9AA0AA 0'
    [unlit-pressed]='#2A2E35 #22252B #9AA0AA 1'
    [unlit-hover]='#4B525D #5D6571 #C0C4CA 0'
    [disabled]='#26282C #2E3136 #55595F 0'
    [charge]='#2E7D32 #3F9443 #FFFFFF 0'
    [charge-pressed]='#1B5E20 #154A19 #FFFFFF 1'
    [charge-hover]='#43A047 #5DB761 #FFFFFF 0'
)
LIT_SET=(lit lit-pressed lit-hover)
UNLIT_SET=(unlit unlit-pressed unlit-hover)

# Writes the picture built by the given convert arguments as art/FILE: 8-bit RGBA and only the pixels
# (no dates or colour chunks), so redrawing gives the same files.
write() { # file convert-arguments...
    local file=$1
    shift
    convert "$@" -strip -define png:exclude-chunk=all "PNG32:art/$file"
}

# Starts a face in ARGS: a rounded plate in the look's colours, ready to draw on in its ink (INK, moved by D).
plate() { # width height look
    local w=$1 h=$2 fill edge
    read -r fill edge INK D <<<"${LOOK[$3]}"
    ARGS=(-size "${w}x${h}" "xc:$PANEL"
        -fill "$fill" -stroke "$edge" -strokewidth 1 -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) 4,4"
        -stroke none -fill "$INK" -font "$FONT")
}

# A point of an icon, moved with a pressed face's contents.
at() { echo "$(($1 + D)),$(($2 + D))"; }

# Words centred on the face, DX pixels right of its centre.
words() { # text pointsize [dx]
    ARGS+=(-pointsize "$2" -gravity center -annotate "+$((${3:-0} + D))+$D" "$1")
}

# Draws icon outlines: ink strokes 1.5 px wide, no fill.
outline() { # draw-primitives...
    local p
    ARGS+=(-stroke "$INK" -strokewidth 1.5 -fill none)
    for p in "$@"; do ARGS+=(-draw "$p"); done
    ARGS+=(-stroke none -fill "$INK")
}

# Rows 2 to 6: a button face carrying a word.
word_face() { # file look text
    plate 100 30 "$2"
    words "$3" 12
    write "$1" "${ARGS[@]}"
}

# Row 1: brightness down or up, a sun and the sign; the brighter button's sun is solid.
brightness_face() { # file look sign
    local cx=36 cy=15 rays=() a
    plate 100 30 "$2"
    for a in 0 45 90 135 180 225 270 315; do
        rays+=("$(awk -v x=$((cx + D)) -v y=$((cy + D)) -v a="$a" 'BEGIN { r = a * atan2(0, -1) / 180
            printf "line %.1f,%.1f %.1f,%.1f", x + 6 * cos(r), y + 6 * sin(r), x + 8.5 * cos(r), y + 8.5 * sin(r) }')")
    done
    outline "circle $(at $cx $cy) $(at $((cx + 3)) $cy)" "${rays[@]}"
    [ "$3" = + ] && ARGS+=(-draw "circle $(at $cx $cy) $(at $((cx + 3)) $cy)")
    words "$3" 20 12
    write "$1" "${ARGS[@]}"
}

# Two small screens on stands, for the modes that use both.
two_screens() {
    outline "rectangle $(at 11 8) $(at 25 19)" "rectangle $(at 29 8) $(at 43 19)" \
        "line $(at 18 19) $(at 18 23)" "line $(at 36 19) $(at 36 23)"
}

# Row 0: a display mode, a small picture of the screens at the left and the mode's words.
mode_face() { # file look icon words
    plate 202 30 "$2"
    case $3 in
        laptop)
            outline "rectangle $(at 18 7) $(at 36 19)" "polygon $(at 14 21) $(at 40 21) $(at 42 23) $(at 12 23)" ;;
        monitor)
            outline "rectangle $(at 13 6) $(at 41 20)" "line $(at 27 20) $(at 27 23)" "line $(at 21 24) $(at 33 24)" ;;
        duplicate)
            # the same picture on both screens
            two_screens
            ARGS+=(-draw "rectangle $(at 15 12) $(at 21 15)" -draw "rectangle $(at 33 12) $(at 39 15)") ;;
        extend)
            # one picture spread over both screens
            two_screens
            ARGS+=(-draw "rectangle $(at 15 12) $(at 39 15)") ;;
    esac
    words "$4" 12 12
    write "$1" "${ARGS[@]}"
}

# Row 7: the battery button. The program draws the level's digits centred on it, so the battery icon keeps to
# the left end (x 9..26) and the middle stays clear; MARK, when given, fills the middle instead.
battery_face() { # file look [mark]
    plate 100 30 "$2"
    outline "rectangle $(at 10 10) $(at 23 20)"
    ARGS+=(-draw "rectangle $(at 24 13) $(at 25 17)" -draw "rectangle $(at 12 12) $(at 18 18)")
    [ -n "${3:-}" ] && words "$3" 16
    write "$1" "${ARGS[@]}"
}

# The level's digits and percent sign: 10 x 16, white, every pixel either fully opaque or clear.
glyph() { # file character
    local shape
    case $2 in
        # the monospaced zero carries a dot; its capital O is the plain oval of the same size
        0) shape=(-font "$MONO" -pointsize 16 +antialias label:O) ;;
        # the monospaced percent sign is too thin at this size; the proportional one, narrowed, reads better
        %) shape=(-font "$FONT" -pointsize 48 label:% -trim +repage -resize '10x12!' -channel A -threshold 40% +channel) ;;
        *) shape=(-font "$MONO" -pointsize 16 +antialias "label:$2") ;;
    esac
    write "$1" -background none -fill white "${shape[@]}" -trim +repage -fill white -colorize 100 \
        -gravity center -background none -extent 10x16
}

# The menu's panel: the row labels in the left column, hairlines between rows, 9-10 px margins around the buttons.
background() { # file
    local rows=(DISPLAY BRIGHTNESS SCREEN RESOLUTION BLUETOOTH WIRELESS 'WIRED LAN' BATTERY) k
    ARGS=(-size 340x335 xc:none
        -fill "$PANEL_FILL" -stroke "$PANEL_EDGE" -strokewidth 1 -draw 'roundrectangle 0,0 339,334 8,8'
        -stroke none -fill "$RULE")
    for k in 1 2 3 4 5 6 7; do ARGS+=(-draw "rectangle 10,$((4 + 41 * k)) 329,$((4 + 41 * k))"); done
    ARGS+=(-fill "$LABEL_INK" -font "$FONT" -pointsize 11 -gravity northwest)
    for k in "${!rows[@]}"; do
        # each row is 30 px high from y = 9 + 41k; the label sits on its middle
        ARGS+=(-annotate "+12+$((9 + 41 * k + 8))" "${rows[$k]}")
    done
    write "$1" "${ARGS[@]}"
}

mkdir -p art
background background.png

for look in "${LIT_SET[@]}"; do
    mode_face "mode-laptop-$look.png" "$look" laptop 'LAPTOP ONLY'
    mode_face "mode-monitor-$look.png" "$look" monitor 'MONITOR ONLY'
    mode_face "mode-duplicate-$look.png" "$look" duplicate DUPLICATE
    mode_face "mode-extend-$look.png" "$look" extend EXTEND
done

for look in "${LIT_SET[@]}" "${UNLIT_SET[@]}"; do
    brightness_face "darker-$look.png" "$look" −
    brightness_face "brighter-$look.png" "$look" +
    word_face "on-$look.png" "$look" ON
    word_face "off-$look.png" "$look" OFF
done

for look in "${LIT_SET[@]}" disabled; do
    word_face "res-normal-$look.png" "$look" NORMAL
    word_face "res-high-$look.png" "$look" HIGH
done

battery_face battery.png charge
battery_face battery-pressed.png charge-pressed
battery_face battery-hover.png charge-hover
battery_face battery-unknown.png unlit '- -'
battery_face battery-idle.png unlit

for n in 0 1 2 3 4 5 6 7 8 9; do glyph "digit-$n.png" "$n"; done
glyph percent.png %

# Resource id -> picture. Popbar loads each id as resource type "PNG".
IDS='
2168 background.png
2159 mode-laptop-lit.png
2158 mode-laptop-lit-pressed.png
2160 mode-laptop-lit-hover.png
2170 mode-monitor-lit.png
2171 mode-monitor-lit-pressed.png
2169 mode-monitor-lit-hover.png
2083 mode-duplicate-lit.png
2085 mode-duplicate-lit-pressed.png
2084 mode-duplicate-lit-hover.png
2094 mode-extend-lit.png
2099 mode-extend-lit-pressed.png
2096 mode-extend-lit-hover.png
2134 darker-lit.png
2145 darker-lit-pressed.png
2140 darker-lit-hover.png
2127 darker-unlit.png
2141 darker-unlit-pressed.png
2136 darker-unlit-hover.png
2135 brighter-lit.png
2148 brighter-lit-pressed.png
2142 brighter-lit-hover.png
2129 brighter-unlit.png
2139 brighter-unlit-pressed.png
2133 brighter-unlit-hover.png
2111 on-lit.png
2119 on-lit-pressed.png
2112 on-lit-hover.png
2123 on-unlit.png
2126 on-unlit-pressed.png
2132 on-unlit-hover.png
2107 off-lit.png
2113 off-lit-pressed.png
2108 off-lit-hover.png
2120 off-unlit.png
2157 off-unlit-pressed.png
2130 off-unlit-hover.png
2114 res-normal-lit.png
2121 res-normal-lit-pressed.png
2117 res-normal-lit-hover.png
2125 res-normal-disabled.png
2115 res-high-lit.png
2122 res-high-lit-pressed.png
2118 res-high-lit-hover.png
2128 res-high-disabled.png
2162 battery.png
2161 battery-pressed.png
2163 battery-hover.png
2086 battery-unknown.png
2088 battery-idle.png
2093 battery-idle.png
2200 digit-0.png
2201 digit-1.png
2202 digit-2.png
2203 digit-3.png
2204 digit-4.png
2205 digit-5.png
2206 digit-6.png
2207 digit-7.png
2208 digit-8.png
2209 digit-9.png
2210 percent.png
'

{
    echo '// Popbar'"'"'s default skin: every picture it loads, as resource type "PNG". Written by draw-skin.sh.'
    while read -r id file; do
        [ -n "$id" ] || continue
        [ -f "art/$file" ] || { echo "draw-skin: no art/$file for id $id" >&2; exit 1; }
        echo "$id PNG \"art/$file\""
    done <<<"$IDS"
} >resource.rc

count=$(grep -c '^[0-9]' resource.rc)
distinct=$(grep -o '^[0-9]*' resource.rc | sort -u | wc -l)
[ "$count" -eq 62 ] && [ "$distinct" -eq 62 ] || { echo "draw-skin: $count ids, $distinct distinct; 62 wanted" >&2; exit 1; }
echo "draw-skin: $(ls art | wc -l) pictures, 62 ids"
