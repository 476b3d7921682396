#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# The program as a screen reader meets it: on a private session bus, accessibility is switched
# on the way a screen reader switches it on, and the program is started afterwards on a private
# display. Then the dot it drew is looked for on the screen.
#
#   tests/screenreader/run_screenreader.sh x11|wayland PATH/TO/drawdots
#
# x11 runs it on Xvfb with openbox, where Debian's Orca reads it while xdotool types real keys
# (the table below); wayland natively under weston's headless compositor, where read_window.py
# reads and drives it over AT-SPI, the screenshot is taken through the compositor and the window
# must carry the application id named by APP_ID. On failure the screenshot taken then is kept as
# screenreader_MODE_failure.png in $E2E_ARTIFACT_DIR (default: the current directory).
set -u

mode=${1:-}
program=${2:-}
if [[ $mode != x11 && $mode != wayland ]] || [[ ! -x $program ]]; then
    echo "usage: run_screenreader.sh x11|wayland PATH/TO/drawdots" >&2
    exit 2
fi

# Everything below runs on a session bus of its own, so that switching accessibility on reaches
# no other program, and every helper the bus starts ends with it. The accessibility bus puts its
# socket in the runtime folder: a private one, so that runs side by side never share it. No
# display is named: the helpers would announce their bus on it. Orca's settings stay there too.
if [[ -z ${SCREENREADER_RUNTIME:-} ]]; then
    runtime=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-a11y.XXXXXX") || exit 1
    env -u DISPLAY -u WAYLAND_DISPLAY -u AT_SPI_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" HOME="$runtime" \
        XDG_CONFIG_HOME="$runtime/config" XDG_DATA_HOME="$runtime/data" XDG_CACHE_HOME="$runtime/cache" \
        LC_ALL=C.UTF-8 SCREENREADER_RUNTIME="$runtime" dbus-run-session -- "$0" "$@"
    status=$?
    rm -rf "$runtime"
    exit $status
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR
source "$here/../e2e/xsession.sh"

# The most each wait allows, in seconds: every wait ends as soon as what it waits for comes, so
# the ceiling is far above what Orca needs on a slow, loaded machine.
readonly WAIT=${E2E_WAIT_SECONDS:-300}
# The drawing area, in pixels, and the dot expected in it: X 1200 and Y 600 twips are pixel
# (80, 40); a pen 3 wide covers the 3 by 3 pixels around it.
readonly AREA_SIZE=285x109
readonly DOT_LEFT=79 DOT_TOP=39 DOT_SIZE=3
artifact_dir=${E2E_ARTIFACT_DIR:-$PWD}
failure_shot="$artifact_dir/screenreader_${mode}_failure.png"
rm -f "$failure_shot"
started=$SECONDS

WESTON_DIR="" WESTON_PID="" PROGRAM_PID="" ORCA_PID=""
shot=""

# Step; the keys pressed, as xdotool names them (hold:KEY holds one down); words Orca says after them; "once" where they
# must be said once in the whole run ("again" where a later step says them once more). A thickness note shows once typing pauses, others at once.
steps=(
    "start||Draw dots frame. Drawing area canvas. No points drawn."
    "Tab to the empty colour list|Tab|Colour editable combo box."
    "Tab to the empty X box, type 1200|Tab 1 2 0 0|X coor text."
    "Tab to the empty Y box, type 600|Tab 6 0 0|Y coor text."
    "back to the X box, the number whole|shift+Tab|X coor text. 1200 selected."
    "Tab to the Y box and on to the empty thickness box|Tab Tab|Thickness text."
    "thickness 0|0|notification The pen width \"0\" is too small: pen widths from 1 to 32767 are allowed.|once"
    "thickness 3 over it, back to the list|ctrl+a 3 shift+Tab shift+Tab shift+Tab|Colour editable combo box."
    "open the list, down to 4 Red|alt+Down Down Down Down Down|4 Red."
    "choose it|Return|Colour editable combo box. 4 Red."
    "Tab to Draw|Tab Tab Tab Tab|Draw push button."
    "press Draw|space|notification 1 point drawn.|once"
    "press Draw again|space|notification 2 points drawn.|once"
    "hold Space on Draw, the keyboard repeating it|hold:space|notification 3 points drawn.|once"
    "hold Return on Draw, the keyboard repeating it|hold:Return|notification 4 points drawn.|once"
    "back to X, type 6000 and press Draw|shift+Tab shift+Tab shift+Tab ctrl+a 6 0 0 0 Tab Tab Tab space|notification The point at 6000, 600 lies outside the drawing area.|once"
    "Tab past the drawing area to the list holding 4 Red|Tab Tab|Colour editable combo box. 4 Red."
    "colour 99, Draw pressed|9 9 shift+Tab shift+Tab space|notification The colour \"99\" is not one of the colour numbers 0 to 15.|once"
    "Escape, the note goes; Tab to the drawing area|Escape Tab|Drawing area canvas. 4 points drawn."
    "open the drawing area's menu on its first step|shift+F10|Undo dot Ctrl+Z."
    "down to Clear and choose it|Down Down Down Down Down Down Return|notification No points drawn.|once"
    "take it back|ctrl+z|notification 4 points drawn.|again"
    "undo the last dot|ctrl+z|notification 3 points drawn.|again"
    "redo it|ctrl+shift+z|notification 4 points drawn.|again"
    "close with the dots unsaved: the question|alt+F4|The drawing has changes that are not saved. Save them before closing?"
    "Escape keeps the window|Escape|Drawing area canvas. 4 points drawn."
)

# What Orca said so far, one utterance a line; and whether WORDS came after the first SKIP of it.
heard() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\? *[[{].*/\1/p" "$SCREENREADER_RUNTIME/orca.log" 2>/dev/null; }
said_after() { heard | tail -n +$(($1 + 1)) | tr '\n' ' ' | grep -qF -- "$2"; }

cleanup() {
    xsession_stop
    xsession_end_process "$ORCA_PID"
    xsession_end_process "$PROGRAM_PID"
    xsession_end_process "$WESTON_PID"
    [[ -n $WESTON_DIR ]] && rm -rf "$WESTON_DIR"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

program_log() {
    if [[ $mode == x11 ]]; then
        xsession_program_log
    else
        grep -v '^\[[0-9. ]*\] ' "$WESTON_DIR/program.log" 2>/dev/null # without the protocol log
    fi
}

fail() {
    echo "FAIL: $*" >&2
    if [[ -n $shot ]] && screenshot "$shot" 2>/dev/null && [[ -s $shot ]]; then
        cp "$shot" "$failure_shot" && echo "Screenshot at the failure: $failure_shot" >&2
    fi
    local output
    output=$(program_log)
    [[ -n $output ]] && printf 'The program printed:\n%s\n' "$output" >&2
    output=$(heard)
    [[ -n $output ]] && printf 'Orca said:\n%s\n' "$output" >&2
    exit 1
}

pass() { echo "ok: $*"; }

# A screen reader asks the accessibility bus's launcher to switch accessibility on; programs
# started from then on offer their AT-SPI tree.
switch_accessibility_on() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
        >/dev/null || return 1
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled | grep -q 'boolean true'
}

weston_ready() {
    xsession_alive "$WESTON_PID" || return 2
    [[ -S $WESTON_DIR/runtime/$WAYLAND_DISPLAY ]]
}

# weston's headless compositor, drawing in memory, with its debug protocol on so that its
# screenshooter may read the screen. Without animations, so a screenshot shows what is drawn.
weston_start() {
    WESTON_DIR=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-wayland.XXXXXX") || return 1
    mkdir -m 700 "$WESTON_DIR/runtime" "$WESTON_DIR/shots"
    cat >"$WESTON_DIR/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
panel-position=none
background-color=0xff204060
startup-animation=none
animation=none
close-animation=none

[input-method]
path=
EOF
    export XDG_RUNTIME_DIR=$WESTON_DIR/runtime WAYLAND_DISPLAY=drawdots-wayland
    setsid weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --debug \
        --socket="$WAYLAND_DISPLAY" --config="$WESTON_DIR/weston.ini" >"$WESTON_DIR/weston.log" 2>&1 &
    WESTON_PID=$!
    if ! xsession_wait_for "$WAIT" weston_ready; then
        echo "weston ended or did not start within $WAIT s; its log:" >&2
        cat "$WESTON_DIR/weston.log" >&2
        return 1
    fi
}

screenshot() {
    if [[ $mode == x11 ]]; then
        xsession_screenshot "$1"
    else
        # The screenshooter names its picture by the time; it is the only one in its folder.
        rm -f "$WESTON_DIR"/shots/*.png
        (cd "$WESTON_DIR/shots" && weston-screenshooter >/dev/null 2>&1) || return 1
        mv "$WESTON_DIR"/shots/*.png "$1"
    fi
}

# Prints "WxH+X+Y": where the largest white area of the last screenshot lies. That is the
# drawing area wherever the window is placed: the compositor picks the place.
white_area() {
    convert "$shot" -alpha off -fill black +opaque white \
        -define connected-components:verbose=true -connected-components 4 null: |
        awk '$NF == "srgb(255,255,255)" && $4 > most { most = $4; box = $2 } END { if (box) print box }'
}

# Prints every pixel of the drawing area (at AREA, as "WxH+X+Y") in the last screenshot that is
# not white, as "X,Y #RRGGBB" from its top-left corner.
ink_in() {
    convert "$shot" -crop "$1" +repage -depth 8 txt:- |
        awk 'NR > 1 && $3 != "#FFFFFF" { split($1, p, "[,:]"); print p[1] "," p[2], $3 }'
}

# Takes a screenshot; true once the drawing area shows some ink.
area_inked() {
    screenshot "$shot" || return 1
    area=$(white_area)
    [[ -n $area && -n $(ink_in "$area") ]]
}

echo "== Switching accessibility on, as a screen reader does"
switch_accessibility_on || fail "could not switch accessibility on through the accessibility bus"
pass "the accessibility bus reports IsEnabled true"

if [[ $mode == x11 ]]; then
    echo "== Starting X, the window manager, Orca and $program"
    xsession_start || fail "no X session"
    shot="$XSESSION_DIR/screen.png"
    # Orca as packaged, its debug output written line by line to a terminal of its own. The
    # speech server it would start refuses to, so it speaks into that output only.
    SPEECHD_CMD=/bin/false setsid script -qfec "orca --debug-file /dev/tty" "$SCREENREADER_RUNTIME/orca.log" </dev/null >/dev/null 2>&1 &
    ORCA_PID=$!
    xsession_wait_for "$WAIT" said_after 0 "Screen reader on." || fail "Orca did not start within $WAIT s"
    mark=$(heard | wc -l)
    xsession_launch "$program"
    pid=$XSESSION_PROGRAM_PID
    window=$(xsession_find_window "Draw dots" "$WAIT") || fail "the program's window did not appear"
    # The window a person has just started is the active one. Ask the window manager for that
    # rather than leave it to its rules for new windows, which are not what is tested here.
    xdotool windowactivate "$window" 2>/dev/null
    xsession_wait_active "$window" "$WAIT" || fail "the window manager did not activate the program's window"
    colour="#800000" # "4 Red", set by leaving the colour list
else
    echo "== Starting weston's headless compositor and $program on it"
    weston_start || fail "no Wayland compositor"
    shot="$WESTON_DIR/screen.png"
    # The client's side of the Wayland protocol is logged with what the program prints.
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 setsid "$program" >"$WESTON_DIR/program.log" 2>&1 &
    PROGRAM_PID=$!
    pid=$PROGRAM_PID
    # The headless compositor has no seat: no keyboard gives any window the focus, so no
    # window is active and the focus cannot move between controls. The colour stays black.
    colour="#000000"
fi

if [[ $mode == x11 ]]; then
    echo "== Hearing Orca through the typical use"
    declare -A times=()
    for step in "${steps[@]}"; do
        IFS='|' read -r name keys words count <<<"$step"
        [[ -z $keys ]] || mark=$(heard | wc -l)
        if [[ $keys == hold:* ]]; then # held down long enough for the server to repeat it
            xdotool keydown "${keys#hold:}" sleep 1.5 keyup "${keys#hold:}"
        elif [[ -n $keys ]]; then
            # shellcheck disable=SC2086 # one key a word
            xdotool key $keys
        fi
        xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "$name: \"$words\" was not heard within $WAIT s"
        pass "$name: \"$words\""
        [[ $count == once || $count == again ]] && times[$words]=$((${times[$words]:-0} + 1))
    done
    for words in "${!times[@]}"; do
        [[ $(heard | grep -cF -- "$words") -eq ${times[$words]} ]] || fail "\"$words\" was not heard ${times[$words]} times"
    done
else
    echo "== Reading and driving the window over AT-SPI"
    /usr/bin/python3 "$here/read_window.py" "$pid" "$WAIT" || fail "the window is not as a screen reader should meet it"
fi
xsession_alive "$pid" || fail "the program ended"
if [[ $mode == wayland ]]; then
    # The compositor matches the window with its desktop entry, and so its icon, by the app id.
    grep -qF "set_app_id(\"${APP_ID:?APP_ID names the application id}\")" "$WESTON_DIR/program.log" ||
        fail "the window's app id is not $APP_ID: $(grep -o 'set_app_id(.*)' "$WESTON_DIR/program.log")"
    pass "the window's app id is $APP_ID"
fi

echo "== Looking at the screen"
xsession_wait_for "$WAIT" area_inked || fail "no ink appeared in the drawing area within $WAIT s"
[[ ${area%%+*} == "$AREA_SIZE" ]] || fail "the drawing area is ${area%%+*} pixels, expected $AREA_SIZE"
expected=""
for ((y = DOT_TOP; y < DOT_TOP + DOT_SIZE; y++)); do
    for ((x = DOT_LEFT; x < DOT_LEFT + DOT_SIZE; x++)); do
        expected+="$x,$y $colour"$'\n'
    done
done
seen=$(ink_in "$area")$'\n'
[[ $(sort <<<"$seen") == $(sort <<<"$expected") ]] ||
    fail "the drawing area at $area should hold only a ${DOT_SIZE}x$DOT_SIZE dot of $colour at ($DOT_LEFT,$DOT_TOP); its ink is:"$'\n'"$seen"
pass "the drawing area ($area on the screen) holds one ${DOT_SIZE}x$DOT_SIZE dot of $colour at ($DOT_LEFT,$DOT_TOP)"

# Exploring the picture by the arrow keys on the drawing area, in a new window, then in German:
# each point moved to is told once, with what is drawn there.
exploring=(
    "Return on the drawing area, the boxes empty: a black dot at 0, 0|Return|notification 1 point drawn."
    "colour 4, back to the drawing area|Tab 4 shift+Tab|Drawing area canvas. 1 point drawn."
    "Right, to a pixel with nothing drawn|Right|notification 15, 0: nothing drawn."
    "Return there: a red dot|Return|notification 2 points drawn."
    "Left, to the black dot|Left|notification 0, 0: 0 Black dot."
    "Right, to the red dot|Right|notification 15, 0: 4 Red dot."
)
exploring_de=(
    "Tab on from the thickness to the drawing area|Tab Tab|1 Punkt gezeichnet."
    "Right, to a pixel with nothing drawn|Right|notification 15, 0: nichts gezeichnet."
    "Left, to the black dot|Left|notification 0, 0: Punkt 0 Schwarz."
)
# Presses each step's keys and waits to hear its words, which must be heard once.
hear_exploring() {
    local step name keys words
    for step in "$@"; do
        IFS='|' read -r name keys words <<<"$step"
        mark=$(heard | wc -l)
        # shellcheck disable=SC2086 # one key a word
        xdotool key $keys
        xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "$name: \"$words\" was not heard within $WAIT s"
        [[ $(heard | tail -n +$((mark + 1)) | tr '\n' ' ' | grep -oF -- "$words" | wc -l) -eq 1 ]] ||
            fail "$name: \"$words\" was heard more than once"
        pass "$name: \"$words\""
    done
}
# Closes the window, its dots unsaved, as Orca reads the question: Close without saving.
close_without_saving() {
    mark=$(heard | wc -l)
    xdotool key alt+F4
    xsession_wait_for "$WAIT" said_after "$mark" "Save them before closing?" || fail "Orca did not read the question"
    xdotool key w
    xsession_wait_for "$WAIT" xsession_gone "$pid" || fail "\"Close without saving\" did not end the program"
}
if [[ $mode == x11 ]]; then
    close_without_saving
    mark=$(heard | wc -l)
    xsession_launch "$program"
    pid=$XSESSION_PROGRAM_PID
    xdotool windowactivate --sync "$(xsession_find_window "Draw dots" "$WAIT")"
    xsession_wait_for "$WAIT" said_after "$mark" "Drawing area canvas." || fail "the new window's drawing area was not heard"
    hear_exploring "${exploring[@]}"
fi

if [[ $mode == x11 ]]; then # the program once more, in German: the menu's keys, Tab to Draw and press it, then a thickness refused
    close_without_saving
    mark=$(heard | wc -l) words="Zeichenfläche"
    xsession_launch env LANGUAGE=de "$program"
    window=$(xsession_find_window "Punkte zeichnen" "$WAIT") || fail "the German window did not appear"
    xdotool windowactivate --sync "$window"
    xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "in German, \"$words\" was not heard within $WAIT s"
    mark=$(heard | wc -l) words="Bild kopieren Strg+C."
    xdotool key shift+F10
    xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "in German, \"$words\" was not heard within $WAIT s"
    xdotool key Escape
    menu_closed() { ! xsession_other_window_shown "$window"; }
    xsession_wait_for "$WAIT" menu_closed || fail "in German, Escape left the drawing area's menu open"
    mark=$(heard | wc -l) words="Zeichnen push button. notification 1 Punkt gezeichnet."
    xdotool key Tab Tab Tab Tab Tab space
    xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "in German, \"$words\" was not heard within $WAIT s"
    mark=$(heard | wc -l) words='notification Die Stiftbreite „0,5“ ist zu klein: erlaubt sind Stiftbreiten von 1 bis 32767. Schreiben Sie „0.5“ mit Punkt.'
    xdotool key shift+Tab 0 comma 5
    xsession_wait_for "$WAIT" said_after "$mark" "$words" || fail "in German, \"$words\" was not heard within $WAIT s"
fi
[[ $mode == x11 ]] && hear_exploring "${exploring_de[@]}"

echo "PASS: screenreader_$mode in $((SECONDS - started)) s"
