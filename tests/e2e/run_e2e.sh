#!/bin/bash
# End-to-end check of the finished program on a real (virtual) X display: types points
# into the window with real mouse and key events, presses Draw by click and by keyboard,
# looks at the screen, then closes the window as a user would.
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

# Centres of the controls clicked, in client pixels.
declare -rA CENTRE=(
    [txtx]="104 25"     # at (64,16) 81x19
    [txty]="104 65"     # at (64,56) 81x19
    [cmdDraw]="156 216" # at (80,208) 153x17
)
# The drawing area inside Picture1's 2-pixel border.
readonly AREA_LEFT=10 AREA_TOP=90 AREA_WIDTH=285 AREA_HEIGHT=109

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
    xdotool type --delay 30 "$1" || fail "xdotool could not type \"$1\""
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

# Waits up to 5 s for client pixel (X, Y) to get COLOUR: the drawing may reach the screen
# a moment after the click.
await_pixel() { xsession_wait_for 5 pixel_is "$@"; }

# Prints every pixel of the drawing area that is not white, as "X,Y #RRGGBB" in client
# coordinates, one a line.
non_white_pixels() {
    convert "$shot" -crop "${AREA_WIDTH}x${AREA_HEIGHT}+$((client_x + AREA_LEFT))+$((client_y + AREA_TOP))" \
        +repage -depth 8 txt:- |
        awk -v dx="$AREA_LEFT" -v dy="$AREA_TOP" '
            NR > 1 && $3 != "#FFFFFF" {
                split($1, p, "[,:]")
                printf "%d,%d %s\n", p[1] + dx, p[2] + dy, $3
            }'
}

expect_pixel() {
    local x=$1 y=$2 colour=$3 what=$4 seen
    seen=$(client_pixel "$x" "$y")
    [[ $seen == "$colour" ]] || fail "$what: client pixel ($x,$y) is $seen, expected $colour"
    pass "$what: client pixel ($x,$y) is $colour"
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

# The drawing area holds exactly the listed black pixels ("X,Y" in client coordinates) and
# is white everywhere else.
expect_only_dots() {
    local expected="" point seen
    for point in "$@"; do
        expected+="$point #000000"$'\n'
    done
    seen=$(non_white_pixels)$'\n'
    [[ $(sort <<<"$seen") == $(sort <<<"$expected") ]] ||
        fail "the drawing area should hold only the black pixels $*; its non-white pixels are:"$'\n'"$seen"
    pass "the rest of the drawing area is white"
}

echo "== Starting X, the window manager and $program"
xsession_start || fail "no X session"
shot="$XSESSION_DIR/screen.png"
echo "X display $DISPLAY"
xsession_launch "$program"

window=$(xsession_find_window "Draw dots" 20) || fail "the program's window did not appear"
xsession_wait_active "$window" 5 || fail "the window manager did not activate the program's window"
read -r client_x client_y client_width client_height < <(xsession_client_geometry "$window") ||
    fail "could not read the window's geometry"
echo "Window $window: client area ${client_width}x${client_height} at ($client_x,$client_y)"
[[ "${client_width}x${client_height}" == 312x228 ]] ||
    fail "the client area is ${client_width}x${client_height}, expected 312x228"
pass "client area is 312x228"

take_shot
expect_only_dots

echo "== First point by mouse: X 1200, Y 600, click Draw"
click_on txtx
type_text 1200
click_on txty
type_text 600
click_on cmdDraw
await_pixel 90 130 "#000000" || fail "no black dot appeared at client (90,130) within 5 s of clicking Draw"
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
await_pixel 210 110 "#000000" || fail "no black dot appeared at client (210,110) within 5 s of pressing Space on Draw"
expect_dot 210 110
expect_dot 90 130
expect_only_dots 90,130 210,110

echo "== Closing the window with Alt+F4"
xsession_wait_active "$window" 5 || fail "the program's window lost the focus"
key alt+F4
xsession_wait_for 5 xsession_gone "$XSESSION_PROGRAM_PID" ||
    fail "the program was still running 5 s after Alt+F4"
wait "$XSESSION_PROGRAM_PID"
status=$?
XSESSION_PROGRAM_PID=""
((status == 0)) || fail "the program ended with exit status $status, expected 0"
pass "the program ended by itself with exit status 0"

echo "PASS: e2e_draw in $((SECONDS - started)) s"
