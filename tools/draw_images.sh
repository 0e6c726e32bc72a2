#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's six pictures into images/ with ImageMagick's convert.
#
#   math1.png   start screen:     graph paper with a parabola and a sine curve
#   math2.png   About screen:     compass construction of a triangle's circumcircle, and pi
#   math3.png   Options screen:   a round protractor with an angle, and two meshing gears
#   math4.png   chapter 4 menu:   a coordinate plane with three straight lines and two vectors
#   select.png  menu marker:      a small arrow pointing at the text row to its right
#   select2.png exercise marker:  a hollow frame laid over a 100x20 input box or button
#
# The menu texts start at x = 62 and run far to the right, under the left
# edge of each picture, so every picture keeps a transparent left margin
# wherever text rows pass beneath it.  Backgrounds are transparent.
#
# Usage: tools/draw_images.sh [output folder]   (default: images/ beside tools/)
set -euo pipefail

OUT=${1:-"$(cd "$(dirname "$0")/.." && pwd)/images"}
mkdir -p "$OUT"

FONT_DIR=/usr/share/fonts/truetype/dejavu
SANS=$FONT_DIR/DejaVuSans.ttf
SANS_BOLD=$FONT_DIR/DejaVuSans-Bold.ttf
SERIF_ITALIC=$FONT_DIR/DejaVuSerif-Italic.ttf
for font in "$SANS" "$SANS_BOLD" "$SERIF_ITALIC"; do
    [[ -r $font ]] || { echo "missing font $font (Debian package fonts-dejavu-core)" >&2; exit 1; }
done

# Calm palette shared by the pictures.
INK='rgb(55,60,80)'
GRID_MINOR='rgba(120,160,210,0.22)'
GRID_MAJOR='rgba(90,130,190,0.45)'
PAPER='rgba(238,246,255,0.85)'
RED='rgb(220,80,60)'
ORANGE='rgb(235,140,40)'
BLUE='rgb(40,120,200)'
GREEN='rgb(60,160,90)'
PURPLE='rgb(130,80,180)'
MARK='rgb(230,60,0)'
MARK_DARK='rgb(140,30,0)'

# Writes a plain 8-bit RGBA PNG without time stamps, so reruns give the same bytes.
# Rounded graph paper with its grid and two axes ending in arrows, as
# convert arguments in GRAPH_PAPER: origin (ox, oy), `u` pixels per unit,
# inside the box (x0, y0)-(x1, y1).
graph_paper() {  # ox oy u x0 y0 x1 y1
    local ox=$1 oy=$2 u=$3 x0=$4 y0=$5 x1=$6 y1=$7
    GRAPH_PAPER=(
        -fill "$PAPER" -stroke 'rgba(90,130,190,0.6)' -strokewidth 2 -draw "roundrectangle $x0,$y0 $x1,$y1 14,14"
        -fill none -strokewidth 1
        -stroke "$GRID_MINOR" -draw "$(grid_lines $ox $oy $u $x0 $y0 $x1 $y1 minor)"
        -stroke "$GRID_MAJOR" -draw "$(grid_lines $ox $oy $u $x0 $y0 $x1 $y1 major)"
        -stroke "$INK" -fill "$INK" -strokewidth 2
        -draw "$(arrow $ox $((y1 - 6)) $ox $((y0 + 8)) 12 5) $(arrow $((x0 + 6)) $oy $((x1 - 8)) $oy 12 5)"
    )
}

png() { local file=$1; shift; convert "$@" -strip -define png:exclude-chunks=date,time "PNG32:$OUT/$file"; }

# Grid lines of a plane: origin (ox, oy) in pixels, `unit` pixels per unit,
# drawn inside the box (x0, y0)-(x1, y1); minor lines every half unit.
grid_lines() {  # ox oy unit x0 y0 x1 y1 minor|major
    awk -v ox="$1" -v oy="$2" -v u="$3" -v x0="$4" -v y0="$5" -v x1="$6" -v y1="$7" -v kind="$8" 'BEGIN {
        step = (kind == "minor") ? u / 2 : u
        for (k = -40; k <= 40; k++) {
            if (kind == "minor" && k % 2 == 0) continue
            x = ox + k * step; y = oy + k * step
            if (x > x0 && x < x1) printf "line %.1f,%d %.1f,%d ", x, y0, x, y1
            if (y > y0 && y < y1) printf "line %d,%.1f %d,%.1f ", x0, y, x1, y
        }
    }'
}

# A function's graph as short segments, mapped to pixels and kept within y0..y1.
# (Separate segments: convert closes a wide-stroked polyline back to its start.)
graph_segments() {  # curve ox oy unit xfrom xto y0 y1
    awk -v curve="$1" -v ox="$2" -v oy="$3" -v u="$4" -v a="$5" -v b="$6" -v y0="$7" -v y1="$8" '
    function f(x) {
        if (curve == "parabola") return 0.5 * x * x - 2
        if (curve == "sine") return 2 * sin(x)
        return 0
    }
    BEGIN {
        printf "stroke-linecap round "
        for (x = a; x < b - 1e-9; x += 0.05) {
            pa = oy - u * f(x); pb = oy - u * f(x + 0.05)
            if (pa < y0 || pa > y1 || pb < y0 || pb > y1) continue
            printf "line %.2f,%.2f %.2f,%.2f ", ox + u * x, pa, ox + u * (x + 0.05), pb
        }
    }'
}

# An arrow from (x1, y1) to (x2, y2) with a filled head of the given length and half width.
arrow() {  # x1 y1 x2 y2 head halfwidth
    awk -v x1="$1" -v y1="$2" -v x2="$3" -v y2="$4" -v h="$5" -v w="$6" 'BEGIN {
        dx = x2 - x1; dy = y2 - y1; len = sqrt(dx * dx + dy * dy); ux = dx / len; uy = dy / len
        bx = x2 - h * ux; by = y2 - h * uy
        printf "line %.2f,%.2f %.2f,%.2f ", x1, y1, bx + 0.3 * h * ux, by + 0.3 * h * uy
        printf "polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f ", x2, y2, bx - w * uy, by + w * ux, bx + w * uy, by - w * ux
    }'
}

# The straight line y = a x + b clipped to |x|, |y| <= reach (plane units), in pixels.
clipped_line() {  # a b ox oy unit reach
    awk -v a="$1" -v b="$2" -v ox="$3" -v oy="$4" -v u="$5" -v r="$6" 'BEGIN {
        lo = -r; hi = r
        if (a != 0) {
            xa = (-r - b) / a; xb = (r - b) / a
            if (xa > xb) { t = xa; xa = xb; xb = t }
            if (xa > lo) lo = xa
            if (xb < hi) hi = xb
        }
        printf "line %.2f,%.2f %.2f,%.2f ", ox + u * lo, oy - u * (a * lo + b), ox + u * hi, oy - u * (a * hi + b)
    }'
}

# Tick marks round a circle: every `step` degrees from `from` to `to`, long ones
# every `long_every` degrees; angles counter-clockwise from the positive x axis.
circle_ticks() {  # cx cy r from to step short long long_every
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" -v s="$6" -v sh="$7" -v lg="$8" -v every="$9" 'BEGIN {
        pi = atan2(0, -1)
        for (d = a0; d <= a1; d += s) {
            t = d * pi / 180; len = (d % every == 0) ? lg : sh
            printf "line %.2f,%.2f %.2f,%.2f ", cx + r * cos(t), cy - r * sin(t), cx + (r - len) * cos(t), cy - (r - len) * sin(t)
        }
    }'
}

# Degree labels inside a circle, every `step` degrees; prints "x y text" lines.
circle_labels() {  # cx cy r step
    awk -v cx="$1" -v cy="$2" -v r="$3" -v s="$4" 'BEGIN {
        pi = atan2(0, -1)
        for (d = 0; d < 360; d += s) {
            t = d * pi / 180
            printf "%.1f %.1f %d\n", cx + r * cos(t), cy - r * sin(t), d
        }
    }'
}

# A spur gear outline: `teeth` trapezoid teeth between the root and tip radii.
gear_polygon() {  # cx cy root tip teeth phase_radians
    awk -v cx="$1" -v cy="$2" -v r0="$3" -v r1="$4" -v n="$5" -v ph="$6" 'BEGIN {
        pi = atan2(0, -1); p = 2 * pi / n
        printf "polygon "
        for (i = 0; i < n; i++) {
            a = ph + i * p
            split("0 0.2 0.5 0.7", at, " "); split("0 1 1 0", tip, " ")
            for (k = 1; k <= 4; k++) {
                t = a + at[k] * p; rr = tip[k] ? r1 : r0
                printf "%.2f,%.2f ", cx + rr * cos(t), cy - rr * sin(t)
            }
        }
    }'
}

# Places centred labels given as "x y text" lines, in the current font settings.
centred_labels() {  # reads "x y text" lines; prints -draw arguments
    while read -r x y text; do
        printf 'text %s,%s "%s" ' "$(awk -v v="$x" -v n=${#text} 'BEGIN{printf "%.0f", v - 3.8 * n}')" \
            "$(awk -v v="$y" 'BEGIN{printf "%.0f", v + 4}')" "$text"
    done
}

draw_math1() {  # 560x500, start screen; left 60 px kept clear for the menu rows
    local ox=310 oy=250 u=40 x0=70 y0=10 x1=550 y1=490
    graph_paper $ox $oy $u $x0 $y0 $x1 $y1
    png math1.png -size 560x500 xc:none \
        "${GRAPH_PAPER[@]}" \
        -fill none -stroke "$BLUE" -strokewidth 3 \
        -draw "$(graph_segments sine $ox $oy $u -5.8 5.8 $((y0 + 4)) $((y1 - 4)))" \
        -stroke "$ORANGE" -draw "$(graph_segments parabola $ox $oy $u -5 5 $((y0 + 4)) $((y1 - 4)))" \
        -stroke "$RED" -fill "$RED" -strokewidth 1 \
        -draw "circle 230,250 230,255 circle 390,250 390,255 circle 310,330 310,335" \
        -stroke none -fill "$INK" -font "$SANS" -pointsize 13 \
        -draw "text 318,266 '0' text 344,266 '1' text 296,216 '1' text $((x1 - 20)),$((oy - 10)) 'x' text $((ox + 10)),$((y0 + 22)) 'y'" \
        -font "$SERIF_ITALIC" -pointsize 20 \
        -fill 'rgba(238,246,255,0.9)' -draw "roundrectangle 392,402 540,474 8,8" \
        -fill "$ORANGE" -draw "text 400,430 'y = ½x² − 2'" \
        -fill "$BLUE" -draw "text 400,462 'y = 2 sin x'"
}

# Centre and radius of the circle through three points: prints "x y r".
circumcircle() {  # ax ay bx by cx cy
    awk -v ax="$1" -v ay="$2" -v bx="$3" -v by="$4" -v cx="$5" -v cy="$6" 'BEGIN {
        d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by))
        ux = ((ax*ax + ay*ay) * (by - cy) + (bx*bx + by*by) * (cy - ay) + (cx*cx + cy*cy) * (ay - by)) / d
        uy = ((ax*ax + ay*ay) * (cx - bx) + (bx*bx + by*by) * (ax - cx) + (cx*cx + cy*cy) * (bx - ax)) / d
        printf "%.1f %.1f %.1f\n", ux, uy, sqrt((ax - ux)^2 + (ay - uy)^2)
    }'
}

# Ruler-and-compass perpendicular bisectors of a triangle's sides: for each side
# PQ two arcs of radius 0.6|PQ| about P and about Q, which cross on the bisector
# on the far side of PQ from the circumcentre O (kind "arcs"), and the bisector
# itself from that crossing to a little past O (kind "lines").
bisector_construction() {  # kind ax ay bx by cx cy ox oy
    awk -v kind="$1" -v ax="$2" -v ay="$3" -v bx="$4" -v by="$5" -v cx="$6" -v cy="$7" -v ox="$8" -v oy="$9" '
    function arc_through(px, py, x, y, rad,   a) {
        a = atan2(y - py, x - px) * 180 / pi
        printf "ellipse %.1f,%.1f %.1f,%.1f %.1f,%.1f ", px, py, rad, rad, a - 9, a + 9
    }
    function side(px, py, qx, qy,   l, rad, d, mx, my, nx, ny, s, far, reach) {
        l = sqrt((qx - px)^2 + (qy - py)^2); rad = 0.6 * l; d = sqrt(rad * rad - l * l / 4)
        mx = (px + qx) / 2; my = (py + qy) / 2; nx = -(qy - py) / l; ny = (qx - px) / l
        s = ((ox - mx) * nx + (oy - my) * ny >= 0) ? 1 : -1    # n points towards O when s = 1
        if (kind == "arcs") {
            arc_through(px, py, mx - s * d * nx, my - s * d * ny, rad)
            arc_through(qx, qy, mx - s * d * nx, my - s * d * ny, rad)
        } else {
            far = sqrt((ox - mx)^2 + (oy - my)^2) + 18; reach = (far > d) ? far : d
            printf "line %.1f,%.1f %.1f,%.1f ", mx - s * d * nx, my - s * d * ny, mx + s * reach * nx, my + s * reach * ny
        }
    }
    BEGIN { pi = atan2(0, -1); side(ax, ay, bx, by); side(bx, by, cx, cy); side(cx, cy, ax, ay) }'
}

draw_math2() {  # 540x520, About screen: a circumcircle constructed with compass and ruler, and pi
    local ax=110 ay=370 bx=390 by=390 cx=220 cy=170 ox oy r
    read -r ox oy r < <(circumcircle $ax $ay $bx $by $cx $cy)
    local points=("$ax" "$ay" "$bx" "$by" "$cx" "$cy" "$ox" "$oy")
    # The compass stands on O with its pencil leg on the circle to the upper right.
    local hx hy px py
    read -r hx hy px py < <(awk -v ox="$ox" -v oy="$oy" -v r="$r" 'BEGIN {
        t = 0.55; printf "%.1f %.1f %.1f %.1f\n", ox + 0.55 * r, oy - 1.65 * r, ox + r * cos(t), oy - r * sin(t) }')
    png math2.png -size 540x520 xc:none \
        -fill 'rgba(130,80,180,0.07)' -stroke "$PURPLE" -strokewidth 3 -draw "circle $ox,$oy $ax,$ay" \
        -fill 'rgba(60,160,90,0.18)' -stroke "$GREEN" -draw "polygon $ax,$ay $bx,$by $cx,$cy" \
        -fill none -stroke 'rgba(55,60,80,0.45)' -strokewidth 1.5 -draw "$(bisector_construction arcs "${points[@]}")" \
        -stroke 'rgba(55,60,80,0.6)' -draw "stroke-dasharray 6 4 $(bisector_construction lines "${points[@]}")" \
        -stroke "$INK" -fill "$INK" -strokewidth 1 \
        -draw "circle $ax,$ay $((ax + 5)),$ay circle $bx,$by $((bx + 5)),$by circle $cx,$cy $((cx + 5)),$cy" \
        -fill "$RED" -stroke "$RED" -draw "translate $ox,$oy circle 0,0 5,0" \
        -fill none -stroke 'rgb(110,110,125)' -strokewidth 7 -draw "line $hx,$hy $ox,$oy line $hx,$hy $px,$py" \
        -stroke 'rgb(175,175,190)' -strokewidth 3 -draw "line $hx,$hy $ox,$oy line $hx,$hy $px,$py" \
        -fill "$ORANGE" -stroke "$INK" -strokewidth 2 -draw "translate $hx,$hy circle 0,0 9,0 rectangle -4,-30 4,-10" \
        -stroke none -fill "$INK" -font "$SANS" -pointsize 18 \
        -draw "text $((ax - 24)),$((ay + 22)) 'A' text $((bx + 8)),$((by + 22)) 'B' text $((cx - 22)),$((cy - 8)) 'C'" \
        -fill "$RED" -draw "translate $ox,$oy text 8,22 'O'" \
        -fill "$BLUE" -font "$SERIF_ITALIC" -pointsize 110 -draw "text 40,100 'π'" \
        -fill "$INK" -font "$SANS" -pointsize 16 -draw "text 24,130 '3.14159 26535…'"
}

# The pixel "x,y" at `deg` degrees (counter-clockwise) and distance r from (cx, cy).
polar() {  # cx cy r deg
    awk -v cx="$1" -v cy="$2" -v r="$3" -v d="$4" 'BEGIN {
        t = d * atan2(0, -1) / 180; printf "%.1f,%.1f", cx + r * cos(t), cy - r * sin(t) }'
}

# Two meshing gears of equal tooth pitch: the big one at (cx, cy), the small one
# beside it in direction `deg`; a tooth of the big gear sits in a gap of the small.
gear_pair() {  # big|small cx cy deg
    awk -v which="$1" -v cx="$2" -v cy="$3" -v deg="$4" 'BEGIN {
        pi = atan2(0, -1); phi = deg * pi / 180
        n1 = 16; n2 = 10; depth = 7; pitch1 = 69; pitch2 = pitch1 * n2 / n1
        if (which == "big") printf "%s %s %.2f %.2f %d %.4f\n", cx, cy, pitch1 - depth, pitch1 + depth, n1, phi - 0.35 * 2 * pi / n1
        else printf "%.2f %.2f %.2f %.2f %d %.4f\n", cx + (pitch1 + pitch2) * cos(phi), cy - (pitch1 + pitch2) * sin(phi),
            pitch2 - depth, pitch2 + depth, n2, phi + pi - 0.85 * 2 * pi / n2
    }'
}

draw_math3() {  # 560x580, Options screen: a round protractor and two gears; left 130 px clear
    local cx=330 cy=205 r=190 inner=144 big small
    big=$(gear_pair big 440 490 192)
    small=$(gear_pair small 440 490 192)
    local bx=${big%% *} by sx=${small%% *} sy
    by=$(cut -d' ' -f2 <<<"$big"); sy=$(cut -d' ' -f2 <<<"$small")
    # shellcheck disable=SC2086  # the gear parameters are meant to split
    png math3.png -size 560x580 xc:none \
        -fill 'rgba(255,244,220,0.85)' -stroke "$ORANGE" -strokewidth 3 -draw "circle $cx,$cy $((cx + r)),$cy" \
        -fill none -stroke 'rgba(235,140,40,0.6)' -strokewidth 1.5 -draw "circle $cx,$cy $((cx + inner)),$cy" \
        -stroke "$INK" -strokewidth 1 -draw "$(circle_ticks $cx $cy $r 0 355 5 8 16 30)" \
        -strokewidth 0.6 -draw "$(circle_ticks $cx $cy $r 0 359 1 4 4 5)" \
        -stroke none -fill "$INK" -font "$SANS" -pointsize 13 \
        -draw "$(circle_labels $cx $cy $((r - 29)) 30 | centred_labels)" \
        -fill 'rgba(40,120,200,0.25)' -stroke "$BLUE" -strokewidth 2 \
        -draw "path 'M $cx,$cy L $((cx + 100)),$cy A 100,100 0 0,0 $(polar $cx $cy 100 60) Z'" \
        -fill none -stroke "$RED" -strokewidth 3 -draw "stroke-linecap round line $cx,$cy $((cx + inner)),$cy line $cx,$cy $(polar $cx $cy $inner 60)" \
        -fill "$RED" -stroke none -draw "translate $cx,$cy circle 0,0 5,0" \
        -fill "$BLUE" -font "$SANS_BOLD" -pointsize 20 -draw "text $((cx + 46)),$((cy - 14)) '60°'" \
        -fill 'rgb(150,200,170)' -stroke "$GREEN" -strokewidth 2 -draw "$(gear_polygon $big)" \
        -fill 'rgb(170,190,230)' -stroke "$BLUE" -draw "$(gear_polygon $small)" \
        -fill white -stroke "$INK" -draw "translate $bx,$by circle 0,0 17,0" -draw "translate $sx,$sy circle 0,0 11,0" \
        -fill "$INK" -stroke none -draw "translate $bx,$by circle 0,0 4,0" -draw "translate $sx,$sy circle 0,0 3,0"
}

draw_math4() {  # 560x540, chapter 4 menu: lines and vectors; left 100 px clear
    local ox=330 oy=270 u=40 x0=110 y0=10 x1=550 y1=530
    graph_paper $ox $oy $u $x0 $y0 $x1 $y1
    png math4.png -size 560x540 xc:none \
        "${GRAPH_PAPER[@]}" \
        -fill none -strokewidth 3 \
        -stroke "$RED" -draw "$(clipped_line 1 1 $ox $oy $u 5.2)" \
        -stroke "$GREEN" -draw "$(clipped_line -0.5 2 $ox $oy $u 5.2)" \
        -stroke "$BLUE" -draw "$(clipped_line 2 -3 $ox $oy $u 5.2)" \
        -stroke "$PURPLE" -fill "$PURPLE" -strokewidth 4 -draw "$(arrow $ox $oy $((ox + 3 * u)) $((oy - 4 * u)) 18 8)" \
        -stroke "$ORANGE" -fill "$ORANGE" -draw "$(arrow $ox $oy $((ox - 4 * u)) $((oy - 1 * u)) 18 8)" \
        -stroke none -fill "$INK" -font "$SANS" -pointsize 13 \
        -draw "text $((ox + 6)),$((oy + 16)) '0' text $((ox + u - 4)),$((oy + 16)) '1' text $((ox - 14)),$((oy - u + 5)) '1' text $((x1 - 20)),$((oy - 10)) 'x' text $((ox + 10)),$((y0 + 22)) 'y'" \
        -font "$SERIF_ITALIC" -pointsize 22 \
        -fill "$PURPLE" -draw "text $((ox + 3 * u - 34)),$((oy - 4 * u + 2)) 'u'" \
        -fill "$ORANGE" -draw "text $((ox - 4 * u - 4)),$((oy - u - 12)) 'v'" \
        -font "$SERIF_ITALIC" -pointsize 17 -fill 'rgba(238,246,255,0.9)' -draw "roundrectangle 396,392 542,522 8,8" \
        -fill "$RED" -draw "text 406,414 'y = x + 1'" \
        -fill "$GREEN" -draw "text 406,438 'y = −½x + 2'" \
        -fill "$BLUE" -draw "text 406,462 'y = 2x − 3'" \
        -fill "$PURPLE" -draw "text 406,486 'u = [3, 4]'" \
        -fill "$ORANGE" -draw "text 406,510 'v = [−4, 1]'"
}

draw_select() {  # 30x22 arrow pointing right at a text row that starts 5 px past its edge
    png select.png -size 30x22 xc:none \
        -fill "$MARK" -stroke "$MARK_DARK" -strokewidth 1.5 \
        -draw "polygon 2,7 14,7 14,2 28,11 14,20 14,15 2,15"
}

# The input box is 101x21 pixels on screen (its corners are inclusive) and its
# typed text starts in the box's very first pixel column, rows 3 to 17.  The
# frame is crisp: 2 px at top, bottom and right, but 1 px on the left so the
# first digit keeps its shape.
draw_select2() {
    png select2.png -size 101x21 xc:none +antialias -stroke none -fill "$MARK" \
        -draw "rectangle 0,0 100,1 rectangle 0,19 100,20 rectangle 99,0 100,20 rectangle 0,0 0,20"
}

draw_math1
draw_math2
draw_math3
draw_math4
draw_select
draw_select2
# Recompressed losslessly (every pixel as drawn): zopfli's deflate is some 6%
# smaller than convert's, which keeps the web page within its budget.
if command -v zopflipng >/dev/null; then
    for f in math1 math2 math3 math4; do zopflipng -y -m "$OUT/$f.png" "$OUT/$f.png" >/dev/null; done
else
    echo "zopflipng (Debian's zopfli) not found: the pictures are left as convert wrote them" >&2
fi
for f in math1 math2 math3 math4 select select2; do identify -format "%f %wx%h\n" "$OUT/$f.png"; done
