#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# End-to-end check of the finished program on a real (virtual) X display: types points
# into the window with real mouse and key events, presses Draw by click and by keyboard,
# picks colours by typing into the colour list and from its open drop-down list, sets the
# pen thickness, looks at the screen, then closes the window as a user would.
#
#   tests/e2e/run_e2e.sh PATH/TO/drawdots
#
# On failure a screenshot taken then is kept as e2e_draw_failure.png in $E2E_ARTIFACT_DIR
# (default: the current directory) and its path is printed.
set -u

program=${1:?usage: run_e2e.sh PATH/TO/drawdots}
if [[ ! -x $program ]]; then
    echo "FAIL: $program is not an executable program" >&2
    exit 2
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/xsession.sh"

artifact_dir=${E2E_ARTIFACT_DIR:-$PWD}
rm -f "$artifact_dir/e2e_draw_failure.png" # left from an earlier run
started=$SECONDS

trap 'xsession_stop' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Points clicked, in client pixels: the centres of controls, a blank spot of the drawing
# surface and the colour list's drop-down arrow.
declare -rA CENTRE=(
    [txtx]="104 25"         # at (64,16) 81x19
    [txty]="104 65"         # at (64,56) 81x19
    [Text3]="260 65"        # at (224,56) 73x19
    [cmdDraw]="156 216"     # at (80,208) 153x17
    [Picture1]="280 190"    # at (8,88) 289x113, away from every dot drawn
    [Combo1.arrow]="287 26" # the arrow button at the right end of (160,16) 137x21
)
# The drawing area inside Picture1's 2-pixel border.
readonly AREA_LEFT=10 AREA_TOP=90 AREA_WIDTH=285 AREA_HEIGHT=109
# Where the colour list's edit field shows its text: inside its frame, left of the arrow.
readonly LIST_TEXT_LEFT=163 LIST_TEXT_TOP=19 LIST_TEXT_WIDTH=112 LIST_TEXT_HEIGHT=15
# The open drop-down list shows at most 10 of the 16 colours at once (Qt's default for a
# combo box) in rows of equal height, inside an equal frame above and below; the row height
# is its height divided by 10, the frame what is left over (132 = 1 + 10 * 13 + 1 here).
readonly LIST_VISIBLE_ROWS=10
# The height of a line of the controls' text.
readonly LINE=13
# The most each wait for the program allows, in seconds. Every wait ends as soon as what it
# waits for comes, so the ceiling is far above what a slow, loaded machine needs: it costs
# nothing when the machine is fast.
readonly WAIT=${E2E_WAIT_SECONDS:-120}
# The most the program may take to end once its window is closed.
readonly CLOSE_WAIT=${E2E_CLOSE_SECONDS:-120}

# What a pen 5 pixels wide leaves around its centre ('#': the pen's colour, '.': white).
readonly -a DISC5=(
    "......."
    "..###.."
    ".#####."
    ".#####."
    ".#####."
    "..###.."
    "......."
)
# What a pen 3 pixels wide leaves.
readonly -a SQUARE3=(
    "....."
    ".###."
    ".###."
    ".###."
    "....."
)

shot=""

fail() {
    echo "FAIL: $*" >&2
    # A fresh picture of the screen as it is now; the last one if the screen is gone.
    [[ -n $shot ]] && xsession_screenshot "$shot" 2>/dev/null
    if [[ -n $shot && -s $shot ]]; then
        local kept="$artifact_dir/e2e_draw_failure.png"
        cp "$shot" "$kept" && echo "Screenshot at the failure: $(cd "$(dirname "$kept")" && pwd)/$(basename "$kept")" >&2
    fi
    local output
    output=$(xsession_program_log)
    [[ -n $output ]] && printf 'The program printed:\n%s\n' "$output" >&2
    exit 1
}

pass() { echo "ok: $*"; }

# Moves the pointer to the middle of the named control and clicks the left button there.
click_on() {
    local x y
    read -r x y <<<"${CENTRE[$1]}"
    xdotool mousemove --sync $((client_x + x)) $((client_y + y)) click 1 ||
        fail "xdotool could not click on $1 at client ($x,$y)"
}

type_text() {
    xdotool type --delay 30 -- "$1" || fail "xdotool could not type \"$1\""
}

key() {
    xdotool key --delay 30 "$@" || fail "xdotool could not press $*"
}

take_shot() {
    xsession_screenshot "$shot" || fail "could not take a screenshot of display $DISPLAY"
}

# Colour of client pixel (X, Y) in the last screenshot.
client_pixel() { xsession_pixel "$shot" $((client_x + $1)) $((client_y + $2)); }

# Takes a screenshot; true if client pixel (X, Y) has COLOUR in it.
pixel_is() {
    take_shot
    [[ $(client_pixel "$1" "$2") == "$3" ]]
}

# Waits up to $WAIT s for client pixel (X, Y) to get COLOUR: the drawing may reach the screen
# a moment after the click.
await_pixel() { xsession_wait_for "$WAIT" pixel_is "$@"; }

# Prints every pixel of the client rectangle (LEFT, TOP, WIDTH, HEIGHT) in the last
# screenshot as "X Y #RRGGBB" in client coordinates, one a line.
client_region_pixels() {
    xsession_region_pixels "$shot" $((client_x + $1)) $((client_y + $2)) "$3" "$4" |
        awk -v dx="$client_x" -v dy="$client_y" '{ print $1 - dx, $2 - dy, $3 }'
}

# Prints every pixel of the drawing area that is not white, as "X,Y #RRGGBB" in client
# coordinates, one a line.
non_white_pixels() {
    client_region_pixels "$AREA_LEFT" "$AREA_TOP" "$AREA_WIDTH" "$AREA_HEIGHT" |
        awk '$3 != "#FFFFFF" { printf "%d,%d %s\n", $1, $2, $3 }'
}

# Prints the client x of the rightmost non-white pixel in the colour list's edit field in the
# last screenshot, or nothing when the field is blank: how far its text reaches.
list_text_right() {
    client_region_pixels "$LIST_TEXT_LEFT" "$LIST_TEXT_TOP" "$LIST_TEXT_WIDTH" "$LIST_TEXT_HEIGHT" |
        awk '$3 != "#FFFFFF" && $1 > right { right = $1 } END { if (right) print right }'
}

# Takes a screenshot; true if the colour list's text no longer reaches as far as RIGHT, what
# list_text_right printed before.
list_text_changed() {
    take_shot
    [[ $(list_text_right) != "$1" ]]
}

# Prints "X,Y COLOUR" in client coordinates for every '#' of the picture ROW..., centred on
# client (CX, CY). The picture has an odd number of rows of the same odd length.
pattern_pixels() {
    local cx=$1 cy=$2 colour=$3 row column
    shift 3
    local rows=("$@")
    local left=$((cx - ${#1} / 2)) top=$((cy - $# / 2))
    for ((row = 0; row < $#; row++)); do
        for ((column = 0; column < ${#rows[row]}; column++)); do
            if [[ ${rows[row]:column:1} == "#" ]]; then
                echo "$((left + column)),$((top + row)) $colour"
            fi
        done
    done
}

# In the last screenshot, the picture ROW... centred on client (CX, CY) is there: COLOUR
# where it has '#', white where it has '.'.
expect_pattern() {
    local what=$1 cx=$2 cy=$3 colour=$4 x y seen mark expected wrong="" count=0
    shift 4
    local rows=("$@") width=${#1} height=$#
    local left=$((cx - width / 2)) top=$((cy - height / 2))
    while read -r x y seen; do
        count=$((count + 1))
        mark=${rows[y - top]:x - left:1}
        expected="#FFFFFF"
        [[ $mark == "#" ]] && expected=$colour
        [[ $seen == "$expected" ]] || wrong+=$'\n'"  client ($x,$y) is $seen, expected $expected"
    done < <(client_region_pixels "$left" "$top" "$width" "$height")
    ((count == width * height)) || fail "could not read the ${width}x${height} pixels around client ($cx,$cy)"
    [[ -z $wrong ]] || fail "$what at client ($cx,$cy) is not as expected:$wrong"
    pass "$what at client ($cx,$cy): $colour where expected, white around it"
}

expect_pixel() {
    local x=$1 y=$2 colour=$3 what=$4 seen
    seen=$(client_pixel "$x" "$y")
    [[ $seen == "$colour" ]] || fail "$what: client pixel ($x,$y) is $seen, expected $colour"
    pass "$what: client pixel ($x,$y) is $colour"
}

# The text of the focused text box, read back through the clipboard as another program would.
focused_text() {
    key ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null
}

# Takes a screenshot; true if the drawing area shows far more than the COUNT pixels drawn
# there: an error report lies over it.
report_shown() {
    take_shot
    (($(non_white_pixels | wc -l) > $1 + 100))
}
report_gone() { ! report_shown "$1"; }

# Selects all of the focused box and types TEXT into it; then its text must be exactly TEXT,
# and an error report must show or not, as REPORT (yes or no) says. DRAWN counts the pixels
# drawn so far, to tell a report from them.
type_thickness() {
    local text=$1 report=$2 drawn=$3 seen
    key ctrl+a
    type_text "$text"
    if [[ $report == yes ]]; then
        xsession_wait_for "$WAIT" report_shown "$drawn" || fail "no error report appeared after typing \"$text\""
    else
        # A report due after an earlier keystroke goes once the text is valid.
        xsession_wait_for "$WAIT" report_gone "$drawn" || fail "an error report still shows after typing \"$text\""
    fi
    seen=$(focused_text)
    [[ $seen == "$text" ]] || fail "after typing \"$text\" the thickness box holds \"$seen\": keystrokes went astray"
    pass "typed \"$text\": the box holds exactly that, and a report shows: $report"
}

# COUNT notes on screen (their background is the tooltip colour), clear of one another, each at
# most two lines of the controls' text high and hiding at most one such line of the drawing
# area; WHAT says which.
expect_notes_fit() {
    local what=$1 count=$2 boxes box width height left top hidden
    take_shot
    mapfile -t boxes < <(note_backgrounds)
    ((${#boxes[@]} == count)) || fail "${#boxes[@]} notes show apart for $what, expected $count: ${boxes[*]}"
    for box in "${boxes[@]}"; do
        IFS='x+' read -r width height left top <<<"$box"
        # The frame lies around the background: one row above and below.
        hidden=$(((top + height + 1 < AREA_TOP + AREA_HEIGHT ? top + height + 1 : AREA_TOP + AREA_HEIGHT) -
            (top - 1 > AREA_TOP ? top - 1 : AREA_TOP)))
        ((height + 2 <= 2 * LINE)) || fail "a note for $what is $((height + 2)) pixels high, over two lines"
        ((hidden <= LINE)) || fail "a note for $what hides $hidden rows of the drawing area, over one line"
        pass "a note for $what is $((height + 2)) pixels high and hides $((hidden > 0 ? hidden : 0)) rows of the drawing area"
    done
}
expect_note_fits() { expect_notes_fit "$1" 1; }
# The background of each note in the last screenshot, as "WxH+X+Y" in client coordinates: one
# connected region of the tooltip colour each, its letters holes in it.
note_backgrounds() {
    convert "$shot" -crop "${client_width}x$client_height+$client_x+$client_y" +repage \
        -fill black +opaque "#FFFFDC" -fill white -opaque "#FFFFDC" \
        -define connected-components:verbose=true -connected-components 8 null: |
        awk '$NF == "srgb(255,255,255)" && $4 > 50 { print $2 }'
}
# Takes a screenshot; true if it shows COUNT notes apart.
notes_apart() {
    take_shot
    (($(note_backgrounds | wc -l) == $1))
}

# The program ends by itself within CLOSE_WAIT seconds, with status 0; WHEN says after what.
ended_cleanly() {
    local status
    xsession_wait_for "$CLOSE_WAIT" xsession_gone "$XSESSION_PROGRAM_PID" ||
        fail "the program was still running $CLOSE_WAIT s $1"
    wait "$XSESSION_PROGRAM_PID"
    status=$?
    XSESSION_PROGRAM_PID=""
    ((status == 0)) || fail "the program ended with exit status $status $1, expected 0"
    pass "the program ended by itself within $CLOSE_WAIT s $1, with exit status 0"
}

# A single black pixel at client (X, Y) with white on its four sides.
expect_dot() {
    local x=$1 y=$2
    expect_pixel "$x" "$y" "#000000" "dot"
    expect_pixel $((x - 1)) "$y" "#FFFFFF" "left of the dot"
    expect_pixel $((x + 1)) "$y" "#FFFFFF" "right of the dot"
    expect_pixel "$x" $((y - 1)) "#FFFFFF" "above the dot"
    expect_pixel "$x" $((y + 1)) "#FFFFFF" "below the dot"
}

# The drawing area holds exactly the listed pixels ("X,Y #RRGGBB" in client coordinates) and
# is white everywhere else.
expect_only_pixels() {
    local expected="" pixel seen
    for pixel in "$@"; do
        expected+="$pixel"$'\n'
    done
    seen=$(non_white_pixels)$'\n'
    [[ $(sort <<<"$seen") == $(sort <<<"$expected") ]] ||
        fail "the drawing area should hold only the pixels"$'\n'"${expected}its non-white pixels are:"$'\n'"$seen"
    pass "the rest of the drawing area is white"
}

# The drawing area holds exactly the listed black pixels ("X,Y" in client coordinates) and
# is white everywhere else.
expect_only_dots() {
    local point pixels=()
    for point in "$@"; do
        pixels+=("$point #000000")
    done
    expect_only_pixels "${pixels[@]}"
}

echo "== Starting X, the window manager and $program"
xsession_start || fail "no X session"
shot="$XSESSION_DIR/screen.png"
echo "X display $DISPLAY"
mkdir -p "$XSESSION_DIR/home/Pictures"
HOME=$XSESSION_DIR/home xsession_launch "$program"

window=$(xsession_find_window "Draw dots" $((WAIT * 4))) || fail "the program's window did not appear"
xsession_wait_active "$window" "$WAIT" || fail "the window manager did not activate the program's window"
read -r client_x client_y client_width client_height < <(xsession_client_geometry "$window") ||
    fail "could not read the window's geometry"
echo "Window $window: client area ${client_width}x${client_height} at ($client_x,$client_y)"
[[ "${client_width}x${client_height}" == 312x228 ]] ||
    fail "the client area is ${client_width}x${client_height}, expected 312x228"
pass "client area is 312x228"

# The icon the window gives the window manager (_NET_WM_ICON: width, height and that many ARGB
# pixels, for each size) is the program's own: in the largest size, the middles of some of its
# dots and of its frame have their colours, and a corner is transparent. Prints what is there.
readonly -a ICON_POINTS=( # x y colour, on the icon's 128 x 128 grid
    "38 50 0xFFFF0000" "70 40 0xFF0000FF" "90 72 0xFFFF00FF" "52 82 0xFF00B000" "10 64 0xFF4B5563" "2 2 0x0"
)
icon_colours() {
    xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON 2>/dev/null | sed 's/^[^=]*=//' | tr -d ' ' |
        tr ',' '\n' | awk -v points="${ICON_POINTS[*]}" '
            { value[NR] = $1 }
            END {
                for (i = 1; i + 1 <= NR; i += 2 + value[i] * value[i + 1])
                    if (value[i] > width) { width = value[i]; height = value[i + 1]; first = i + 2 }
                if (!width) exit 1
                count = split(points, p, " ")
                for (j = 1; j <= count; j += 3)
                    printf "%d %d %.0f\n", p[j], p[j + 1], value[first + int(p[j + 1] * height / 128) * width + int(p[j] * width / 128)]
            }'
}
icon_is_ours() {
    local expected="" point
    for point in "${ICON_POINTS[@]}"; do
        read -r x y colour <<<"$point"
        expected+="$x $y $((colour))"$'\n'
    done
    [[ $(icon_colours)$'\n' == "$expected" ]]
}
xsession_wait_for "$WAIT" icon_is_ours ||
    fail "the window's icon is not the program's own; at (x y ARGB) it has"$'\n'"$(icon_colours)"
pass "the window's icon is the program's own"

# Docks and task switchers match the window to its desktop entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$here/../../packaging/drawdots.desktop.in")
[[ -n $wm_class && $wm_class == "$entry_class" ]] ||
    fail "the window's class \"$wm_class\" is not the desktop entry's StartupWMClass \"$entry_class\""
pass "the window's class \"$wm_class\" is the one its desktop entry names"

# The window may be mapped a moment before its first paint.
area_is_white() {
    take_shot
    [[ -z $(non_white_pixels) ]]
}
xsession_wait_for "$WAIT" area_is_white || true
expect_only_dots

echo "== First point by mouse: X 1200, Y 600, click Draw"
click_on txtx
type_text 1200
click_on txty
type_text 600
click_on cmdDraw
await_pixel 90 130 "#000000" || fail "no black dot appeared at client (90,130) within $WAIT s of clicking Draw"
expect_dot 90 130
expect_only_dots 90,130

echo "== Second point by keyboard: X 3000, Y 300, Tab Tab Space"
click_on txtx
key ctrl+a
type_text 3000
click_on txty
key ctrl+a
type_text 300
# From the Y box, Tab goes to the thickness box and then to Draw; Space presses it.
key Tab Tab space
await_pixel 210 110 "#000000" || fail "no black dot appeared at client (210,110) within $WAIT s of pressing Space on Draw"
expect_dot 210 110
expect_dot 90 130
expect_only_dots 90,130 210,110

black_dots=("90,130 #000000" "210,110 #000000")

echo "== Third point by keyboard from the drawing surface: colour 12, X 1200, Y 1200, thickness 5"
# X 1200, Y 600 holds the first black dot already, so this one goes below it: X 1200, Y 1200
# is drawing-area (80,80), client (90,170).
# Draw has the focus now; a click on the drawing surface gives it back the focus it had at
# the start.
click_on Picture1
take_shot
text_right_before=$(list_text_right)
key Tab
type_text 12
xsession_wait_for "$WAIT" list_text_changed "$text_right_before" ||
    fail "the colour list's field did not change after Tab from the drawing surface and typing 12"
pass "Tab from the drawing surface reached the colour list"
key Tab ctrl+a
type_text 1200
key Tab ctrl+a
type_text 1200
key Tab
type_text 5
key Tab space
await_pixel 90 170 "#FF0000" ||
    fail "no light red appeared at client (90,170) within $WAIT s of pressing Space on Draw; it is $(client_pixel 90 170)"
expect_pattern "light red disc 5 pixels across" 90 170 "#FF0000" "${DISC5[@]}"
mapfile -t red_disc < <(pattern_pixels 90 170 "#FF0000" "${DISC5[@]}")
expect_only_pixels "${black_dots[@]}" "${red_disc[@]}"
# The list shows "12 Light Red" now, completed from the 12 typed: how far that text reaches
# tells a shorter one from it later.
long_text_right=$(list_text_right)
[[ -n $long_text_right ]] || fail "the colour list's field is blank after choosing colour 12"
pass "the colour list's text reaches client x $long_text_right"

echo "== Fourth point with the mouse: thickness 3, X 2250, Y 1349, \"4 Red\" picked from the open list"
# Drawing-area (150,89), client (160,179): 1349 / 15 = 89.9 shows that the pixel is found by
# rounding down.
click_on Text3
key ctrl+a
type_text 3
click_on txtx
key ctrl+a
type_text 2250
click_on txty
key ctrl+a
type_text 1349
click_on Combo1.arrow
popup=$(xsession_find_other_window "$window" "$WAIT") ||
    fail "no drop-down list appeared within $WAIT s of clicking the colour list's arrow"
read -r popup_x popup_y popup_width popup_height < <(xsession_client_geometry "$popup") ||
    fail "could not read the drop-down list's geometry"
row_height=$((popup_height / LIST_VISIBLE_ROWS))
popup_frame=$(((popup_height - LIST_VISIBLE_ROWS * row_height) / 2))
echo "Drop-down list ${popup_width}x${popup_height} at screen ($popup_x,$popup_y): rows of $row_height pixels"

# Screen y of the first and the last pixel line of visible row ROW (0 at the top).
row_top() { echo $((popup_y + popup_frame + $1 * row_height)); }
row_bottom() { echo $((popup_y + popup_frame + ($1 + 1) * row_height - 1)); }
# Right of the entries' text and left of the scroll bar: only a row's background shows there.
readonly ROW_SAMPLE_X=$((popup_x + popup_width * 3 / 4))

# Takes a screenshot; true if visible row ROW, and only it, is highlighted: the background
# of its top, middle and bottom lines is coloured (a shaded bar), and the rows on either side
# are white at their edges next to it.
row_highlighted() {
    local top bottom
    top=$(row_top "$1") bottom=$(row_bottom "$1")
    take_shot
    [[ $(xsession_pixel "$shot" "$ROW_SAMPLE_X" "$top") != "#FFFFFF" &&
        $(xsession_pixel "$shot" "$ROW_SAMPLE_X" $(((top + bottom) / 2))) != "#FFFFFF" &&
        $(xsession_pixel "$shot" "$ROW_SAMPLE_X" "$bottom") != "#FFFFFF" &&
        $(xsession_pixel "$shot" "$ROW_SAMPLE_X" $((top - 1))) == "#FFFFFF" &&
        $(xsession_pixel "$shot" "$ROW_SAMPLE_X" $((bottom + 1))) == "#FFFFFF" ]]
}
popup_closed() { ! xsession_other_window_shown "$window"; }

# The list opens scrolled so that the current entry, 12, shows; a turn of the wheel up over
# it scrolls it to the top, where "4 Red" is row 4. The wheel moves it at least a row a notch
# and the top is at most 6 rows away.
entry_y=$(($(row_top 4) + row_height / 2))
xdotool mousemove --sync $((popup_x + popup_width / 4)) "$entry_y" click --repeat 6 --delay 20 4 ||
    fail "xdotool could not turn the wheel over the drop-down list"
# The list highlights the entry under the pointer when the pointer moves.
xdotool mousemove_relative --sync 1 0 || fail "xdotool could not move the pointer"
xsession_wait_for "$WAIT" row_highlighted 4 ||
    fail "row 4 of the drop-down list (screen y $(row_top 4) to $(row_bottom 4)) was not highlighted under the pointer within $WAIT s"
pass "the drop-down list highlights row 4, screen y $(row_top 4) to $(row_bottom 4), under the pointer"
xdotool click 1 || fail "xdotool could not click on \"4 Red\" in the drop-down list"
xsession_wait_for "$WAIT" popup_closed || fail "the drop-down list was still open $WAIT s after clicking an entry"
pass "the drop-down list closed"
take_shot
short_text_right=$(list_text_right)
if [[ -z $short_text_right ]] || ((short_text_right >= long_text_right)); then
    fail "the colour list should show \"4 Red\", shorter than \"12 Light Red\", which reached client x $long_text_right; its text reaches x ${short_text_right:-nowhere}"
fi
pass "the colour list shows a text shorter than \"12 Light Red\", reaching client x $short_text_right"
click_on cmdDraw
await_pixel 160 179 "#800000" ||
    fail "no red (#800000) appeared at client (160,179) within $WAIT s of clicking Draw; it is $(client_pixel 160 179)"
expect_pattern "red square 3 pixels across" 160 179 "#800000" "${SQUARE3[@]}"
mapfile -t red_square < <(pattern_pixels 160 179 "#800000" "${SQUARE3[@]}")
expect_only_pixels "${black_dots[@]}" "${red_disc[@]}" "${red_square[@]}"

set_coordinates() {
    click_on txtx
    key ctrl+a
    type_text "$1"
    click_on txty
    key ctrl+a
    type_text "$2"
}

red_pixels=("${black_dots[@]}" "${red_disc[@]}" "${red_square[@]}")
echo "== Coordinates refused at a press: each note fits, and Escape dismisses it"
for coordinates in "1e400 1200" "3750 -1e400"; do
    set_coordinates $coordinates
    click_on cmdDraw
    xsession_wait_for "$WAIT" report_shown ${#red_pixels[@]} || fail "no note showed for the coordinates $coordinates"
    expect_note_fits "the coordinates $coordinates"
    key Escape
    xsession_wait_for "$WAIT" report_gone ${#red_pixels[@]} || fail "Escape left the note for $coordinates"
done

echo "== Thickness typed key by key, with error reports on the way: -1, \" 5\", 0.5, then a point"
# Each report appears beside the box and takes no keystroke from it. A refused text keeps the
# width the last valid one set: 5, from " 5", through "0.5" (which rounds to 0).
click_on Text3
type_thickness "-1" yes ${#red_pixels[@]}
type_thickness " 5" no ${#red_pixels[@]}
type_thickness "0.5" yes ${#red_pixels[@]}
expect_note_fits 'the thickness "0.5"'
# A second note while it stands: both in sight, neither hiding more than a line.
set_coordinates 1e400 1200
click_on cmdDraw
xsession_wait_for "$WAIT" notes_apart 2 || fail "no second note showed for X \"1e400\" beside the thickness note"
expect_notes_fit 'the thickness "0.5" and X "1e400"' 2
# X 3750, Y 1200 is drawing-area (250,80), client (260,170). Draw runs to its end with the width
# last accepted, which leaves the refused thickness told.
set_coordinates 3750 1200
click_on cmdDraw
xsession_wait_for "$WAIT" report_shown $((${#red_pixels[@]} + 21)) ||
    fail "the thickness refused no longer showed after Draw ran to its end"
await_pixel 260 170 "#800000" ||
    fail "no red (#800000) appeared at client (260,170) within $WAIT s of clicking Draw; it is $(client_pixel 260 170)"
expect_pattern "red disc 5 pixels across, the width \" 5\" set" 260 170 "#800000" "${DISC5[@]}"
mapfile -t second_disc < <(pattern_pixels 260 170 "#800000" "${DISC5[@]}")
red_pixels+=("${second_disc[@]}")
key Escape
xsession_wait_for "$WAIT" report_gone ${#red_pixels[@]} || fail "Escape left the thickness note"
expect_only_pixels "${red_pixels[@]}"

echo "== Pointing on the drawing area: a click beside a dot, keys and Return, a double click; thickness 1, \"4 Red\""
# Clicks at client (X, Y), TIMES times (2: a double click).
click_at() {
    xdotool mousemove --sync $((client_x + $1)) $((client_y + $2)) click --repeat "${3:-1}" --delay 80 1 ||
        fail "xdotool could not click at client ($1,$2)"
}
click_on Text3
type_thickness 1 no ${#red_pixels[@]}
# Three pixels right of the first dot, drawing-area (80,40): X 1245 and Y 600, where Draw plots.
click_at 93 130
boxes=$(click_on txtx && focused_text && click_on txty && focused_text)
[[ $boxes == 1245600 ]] || fail "a click at drawing-area (83,40) left X and Y \"$boxes\", expected 1245 and 600"
click_on cmdDraw
await_pixel 93 130 "#800000" || fail "no red dot appeared at client (93,130) after the click and Draw"
# A click, Right Right Shift+Down: client (102,160), where a cross shows (an arm five pixels right)
# while it blinks on, and Return draws.
click_at 100 150
key Right Right shift+Down
await_pixel 107 160 "#000000" || fail "no cross showed around client (102,160) after Right Right Shift+Down"
key Return
await_pixel 102 160 "#800000" || fail "no red dot appeared at client (102,160) after Return on the drawing area"
click_at 120 140 2
await_pixel 120 140 "#800000" || fail "no red dot appeared at client (120,140) after a double click there"
red_pixels+=("93,130 #800000" "102,160 #800000" "120,140 #800000")
# With the focus elsewhere the cross goes, leaving the dots alone; on the area it comes back, but
# never into the picture saved.
click_on Text3
await_pixel 125 140 "#FFFFFF" || fail "the cross stayed at client (120,140) after the focus left the drawing area"
expect_only_pixels "${red_pixels[@]}"
click_at 250 120

echo "== Ctrl+S and Ctrl+P, each with Return in its dialog: \"Draw dots.png\" and \"Draw dots.pdf\" in Pictures"
pictures=$XSESSION_DIR/home/Pictures
for keys_suffix in "ctrl+s png" "ctrl+p pdf"; do
    read -r keys suffix <<<"$keys_suffix"
    key "$keys"
    xsession_find_other_window "$window" "$WAIT" >/dev/null || fail "no dialog appeared after $keys"
    key Return
    xsession_wait_for "$WAIT" test -s "$pictures/Draw dots.$suffix" || fail "$keys wrote no .$suffix file"
done
[[ $(xsession_pixel "$pictures/Draw dots.png" 80 40) == "#000000" ]] || fail "the saved PNG lacks the first dot at (80,40)"
[[ $(xsession_pixel "$pictures/Draw dots.png" 245 30) == "#FFFFFF" ]] || fail "the saved PNG holds the cross at (245,30)"
[[ $(head -c 5 "$pictures/Draw dots.pdf") == "%PDF-" ]] || fail "Ctrl+P printed no PDF"
pass "Ctrl+S saved the picture, and Ctrl+P printed it to a PDF"

# Takes a screenshot; true if the drawing area holds exactly the pixels given ("X,Y #RRGGBB").
pixels_are() {
    take_shot
    [[ $(non_white_pixels | sort) == $(printf '%s\n' "$@" | sort) ]]
}
title_is() { [[ $(xdotool getwindowname "$window" 2>/dev/null) == "$1" ]]; }
expect_title() { xsession_wait_for "$WAIT" title_is "$1" || fail "the title is \"$(xdotool getwindowname "$window")\", expected \"$1\""; }
circles_are() { [[ $(grep -c '<circle' "$2") == "$1" ]]; }
# Starts the program with the arguments given, waits for its window titled TITLE and reads its place.
# The window system's older name for it, which xdotool searches, holds the part before the dash.
start_program() {
    local title=$1
    shift
    HOME=$XSESSION_DIR/home xsession_launch "$program" "$@"
    window=$(xsession_find_window "${title%% — *}" $((WAIT * 4))) || fail "the window \"$title\" did not appear"
    expect_title "$title"
    xsession_wait_active "$window" "$WAIT" || fail "the window manager did not activate the program's window"
    read -r client_x client_y client_width client_height < <(xsession_client_geometry "$window") ||
        fail "could not read the window's geometry"
}
# Closes the window with Alt+F4 and answers the question it asks with KEY.
answer_closing() {
    key alt+F4
    xsession_find_other_window "$window" "$WAIT" >/dev/null || fail "no question appeared at Alt+F4 with a dot unsaved"
    key "$1"
}

echo "== Ctrl+Z takes the last dot back, Ctrl+Y brings it again; the title marks the change"
expect_title "Draw dots.png — Draw dots"
# From Draw, reached without a click that would draw: no cross on the area, no box's own Ctrl+Z.
click_on Text3
key Tab
before_last_dot=("${red_pixels[@]:0:${#red_pixels[@]}-1}") # the last, the double click's dot
key ctrl+z
xsession_wait_for "$WAIT" pixels_are "${before_last_dot[@]}" || fail "Ctrl+Z did not give back the pixels before the last dot"
expect_title "Draw dots.png* — Draw dots"
key ctrl+y
xsession_wait_for "$WAIT" pixels_are "${red_pixels[@]}" || fail "Ctrl+Y did not draw the last dot again"
expect_title "Draw dots.png — Draw dots"
pass "Ctrl+Z and Ctrl+Y took the last dot back and brought it again, and the title followed"

echo "== Ctrl+Shift+S as a .jpg with a long name: a note of two lines says why, and Escape lets it go"
key ctrl+shift+s
xsession_find_other_window "$window" "$WAIT" >/dev/null || fail "no dialog appeared after Ctrl+Shift+S"
type_text "a picture with a rather long name.jpg"
key Return
xsession_wait_for "$WAIT" notes_apart 1 || fail "no note told why a .jpg was not saved"
expect_note_fits "a picture not saved as .jpg"
key Escape
xsession_wait_for "$WAIT" notes_apart 0 || fail "the note about the .jpg stayed after Escape"
[[ -z $(find "$pictures" -name '*.jpg') ]] || fail "a .jpg was written"
expect_title "Draw dots.png — Draw dots"

echo "== Ctrl+Shift+S saves as \"dots.svg\""
svg=$pictures/dots.svg
key ctrl+shift+s
xsession_find_other_window "$window" "$WAIT" >/dev/null || fail "no dialog appeared after Ctrl+Shift+S"
type_text dots.svg
key Return
xsession_wait_for "$WAIT" circles_are 8 "$svg" || fail "Ctrl+Shift+S did not save the 8 dots in $svg"
expect_title "dots.svg — Draw dots"
pass "saved as dots.svg, which the title names"

echo "== Closing the window with Alt+F4 while an error report shows"
click_on Text3
type_thickness "40000" yes ${#red_pixels[@]}
xsession_wait_active "$window" "$WAIT" || fail "the program's window lost the focus"
key alt+F4
ended_cleanly "after Alt+F4 with an error report on screen"

echo "== Started again with the file: the same picture; Ctrl+S saves a dot more without asking"
start_program "dots.svg — Draw dots" "$svg"
xsession_wait_for "$WAIT" pixels_are "${red_pixels[@]}" || fail "dots.svg did not open with the pixels saved"
set_coordinates 4200 600 # a black pixel at client (290,130)
click_on cmdDraw
await_pixel 290 130 "#000000" || fail "no dot appeared at client (290,130)"
expect_title "dots.svg* — Draw dots"
key ctrl+s
xsession_wait_for "$WAIT" circles_are 9 "$svg" || fail "Ctrl+S did not save the ninth dot in $svg"
xsession_other_window_shown "$window" && fail "Ctrl+S asked where to save a drawing that has its file"
expect_title "dots.svg — Draw dots"
pass "Ctrl+S saved to dots.svg without a dialog"

echo "== Closing with a dot unsaved asks: Escape keeps the window, Return saves and closes"
set_coordinates 4200 900
click_on cmdDraw
await_pixel 290 150 "#000000" || fail "no dot appeared at client (290,150)"
answer_closing Escape
xsession_wait_for "$WAIT" popup_closed || fail "Escape left the question"
xsession_alive "$XSESSION_PROGRAM_PID" || fail "Escape at the question ended the program"
answer_closing Return
ended_cleanly "after Return at the question"
circles_are 10 "$svg" || fail "Return at the question did not save the tenth dot"
pass "the question kept the window at Escape, and saved the drawing at Return"

echo "== Ended by SIGTERM with a dot unsaved, the drawing is offered back at the next start"
state=$XSESSION_DIR/home/.local/state/drawdots
start_program "dots.svg — Draw dots" "$svg"
set_coordinates 4200 1200
click_on cmdDraw
await_pixel 290 170 "#000000" || fail "no dot appeared at client (290,170)"
take_shot
kept_pixels=$(non_white_pixels)
kill -TERM "$XSESSION_PROGRAM_PID"
ended_cleanly "after SIGTERM"
kept=("$state"/*.svg)
[[ ${#kept[@]} == 1 && -s ${kept[0]} ]] || fail "SIGTERM kept no drawing in $state"
start_program "Draw dots"
xsession_wait_for "$WAIT" report_shown "$(wc -l <<<"$kept_pixels")" || fail "no note offered the drawing kept"
key shift+F10 Return # its first item opens the drawing kept
expect_title "dots.svg* — Draw dots"
mapfile -t kept_lines <<<"$kept_pixels"
xsession_wait_for "$WAIT" pixels_are "${kept_lines[@]}" || fail "the drawing kept did not come back as it was"
[[ ! -e ${kept[0]} ]] || fail "the file kept stayed after the drawing was opened"
answer_closing w
ended_cleanly "after \"Close without saving\""
[[ -z $(ls -A "$state") ]] || fail "a drawing was kept though it was let go at closing: $(ls "$state")"
pass "the drawing kept at SIGTERM came back at the next start, and Close without saving kept nothing"

echo "== Another program destroying the window, with nothing unsaved and with a dot unsaved"
start_program "Draw dots"
xdotool windowclose "$window"
ended_cleanly "after another program destroyed its window"
[[ -z $(ls -A "$state") ]] || fail "a drawing was kept though nothing was unsaved"
start_program "Draw dots"
click_on cmdDraw
xdotool windowclose "$window"
ended_cleanly "after another program destroyed its window with a dot unsaved"
[[ -n $(ls -A "$state") ]] || fail "the dot unsaved was not kept when another program destroyed the window"
pass "a drawing is kept where the window is destroyed with a dot unsaved, and only then"

echo "PASS: e2e_draw in $((SECONDS - started)) s"
