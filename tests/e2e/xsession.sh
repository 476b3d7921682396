# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# shellcheck shell=bash
# Shared by tests/e2e/run_e2e.sh and tools/screenshot: a private X server with a window
# manager, the program started on it, and helpers to find and look at its window.
# Source this file from bash; it sets no shell options of its own.
#
#   xsession_start              Xvfb on a free display plus openbox; exports DISPLAY
#   xsession_launch PROGRAM...  starts the program; its pid is in XSESSION_PROGRAM_PID
#   xsession_stop               ends everything started here (safe to call more than once)
#
# Every wait is bounded in real time, by a ceiling far above what a loaded machine needs (waits
# end as soon as their condition holds); the start-up and window functions that give up say
# why on stderr and return 1.

# The most that starting the X server or the window manager may take, in seconds.
XSESSION_START_WAIT=${XSESSION_START_WAIT:-120}

XSESSION_DIR=""
XSESSION_XVFB_PID=""
XSESSION_WM_PID=""
XSESSION_PROGRAM_PID=""

xsession_log() { printf '%s\n' "$*" >&2; }

# Microseconds since the epoch; the decimal separator follows the locale.
xsession_now() { printf '%s\n' "${EPOCHREALTIME/[.,]/}"; }

# Polls COMMAND about every 0.1 s until it succeeds or SECONDS of real time have passed,
# however slow the machine. A COMMAND that returns 2 ends the wait at once.
xsession_wait_for() {
    local deadline=$(($(xsession_now) + $1 * 1000000)) result
    shift
    while true; do
        "$@"
        result=$?
        ((result == 0)) && return 0
        # 2 means it can never come true.
        ((result == 2)) && return 1
        (($(xsession_now) >= deadline)) && return 1
        sleep 0.1
    done
}

xsession_alive() { [[ -n $1 ]] && kill -0 "$1" 2>/dev/null; }
xsession_gone() { ! xsession_alive "$1"; }

# True once Xvfb has written its display number; gives up at once if Xvfb has died.
xsession_display_ready() {
    xsession_alive "$XSESSION_XVFB_PID" || return 2
    [[ -s $XSESSION_DIR/display ]] && grep -q '^[0-9][0-9]*$' "$XSESSION_DIR/display"
}

xsession_wm_ready() {
    xsession_alive "$XSESSION_WM_PID" || return 2
    # A running openbox announces itself on the root window.
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

xsession_start() {
    XSESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-x.XXXXXX") || return 1

    # -displayfd lets the server pick a display number nobody uses and tell us which one,
    # so parallel runs and a developer's own server never collide.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$XSESSION_DIR/display" >"$XSESSION_DIR/xvfb.log" 2>&1 &
    XSESSION_XVFB_PID=$!
    if ! xsession_wait_for "$XSESSION_START_WAIT" xsession_display_ready; then
        xsession_log "Xvfb ended or did not start within $XSESSION_START_WAIT s; its log:"
        cat "$XSESSION_DIR/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(cat "$XSESSION_DIR/display")"
    export DISPLAY

    # Without a window manager nothing activates windows, and focus and clicks do not
    # behave as on a desktop. Its packaged settings, not a developer's own, so that
    # Alt+F4 closes the window.
    local config=()
    [[ -r /etc/xdg/openbox/rc.xml ]] && config=(--config-file /etc/xdg/openbox/rc.xml)
    openbox --sm-disable "${config[@]}" >"$XSESSION_DIR/openbox.log" 2>&1 &
    XSESSION_WM_PID=$!
    if ! xsession_wait_for "$XSESSION_START_WAIT" xsession_wm_ready; then
        xsession_log "openbox ended or did not start within $XSESSION_START_WAIT s; its log:"
        cat "$XSESSION_DIR/openbox.log" >&2
        return 1
    fi
}

xsession_launch() {
    # Force the X11 back end: a developer's environment may ask Qt for another one.
    [[ -d $XSESSION_DIR/runtime ]] || mkdir -m 700 "$XSESSION_DIR/runtime"
    # Its own process group, so that whatever it starts is ended with it.
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$XSESSION_DIR/runtime" \
        setsid "$@" >"$XSESSION_DIR/program.log" 2>&1 &
    XSESSION_PROGRAM_PID=$!
}

# The program's output so far, for failure messages.
xsession_program_log() { cat "$XSESSION_DIR/program.log" 2>/dev/null; }

# Ends PID and, when it leads a process group, the rest of its group: politely, then
# firmly if it lingers.
xsession_end_process() {
    local pid=$1 target=$1
    [[ -n $pid ]] || return 0
    if kill -0 -- "-$pid" 2>/dev/null; then
        target=-$pid
    fi
    kill -- "$target" 2>/dev/null
    xsession_wait_for 30 xsession_gone "$pid" || kill -9 -- "$target" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

xsession_stop() {
    xsession_end_process "$XSESSION_PROGRAM_PID"
    xsession_end_process "$XSESSION_WM_PID"
    xsession_end_process "$XSESSION_XVFB_PID"
    XSESSION_PROGRAM_PID="" XSESSION_WM_PID="" XSESSION_XVFB_PID=""
    if [[ -n $XSESSION_DIR && -d $XSESSION_DIR ]]; then
        rm -rf "$XSESSION_DIR"
    fi
    XSESSION_DIR=""
}

# Sets XSESSION_WINDOW to the visible top-level window titled exactly TITLE, if there is one.
xsession_window_shown() {
    XSESSION_WINDOW=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $XSESSION_WINDOW ]] && return 0
    # The program's window will never come once the program has ended.
    [[ -n $XSESSION_PROGRAM_PID ]] && ! xsession_alive "$XSESSION_PROGRAM_PID" && return 2
    return 1
}

# Prints the id of the visible top-level window titled exactly TITLE, waiting up to SECONDS.
xsession_find_window() {
    if xsession_wait_for "$2" xsession_window_shown "$1"; then
        printf '%s\n' "$XSESSION_WINDOW"
        return 0
    fi
    if [[ -n $XSESSION_PROGRAM_PID ]] && ! xsession_alive "$XSESSION_PROGRAM_PID"; then
        xsession_log "The program ended before showing its window; its output:"
        xsession_program_log >&2
    else
        xsession_log "No visible window titled \"$1\" appeared within $2 s"
    fi
    return 1
}

# Sets XSESSION_WINDOW to a visible window of the same program as WINDOW other than WINDOW
# itself, such as an open drop-down list, if there is one.
xsession_other_window_shown() {
    local pid
    pid=$(xdotool getwindowpid "$1" 2>/dev/null) || return 2
    XSESSION_WINDOW=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$1" | head -n 1)
    [[ -n $XSESSION_WINDOW ]]
}

# Prints the id of a visible window of the same program as WINDOW other than WINDOW, waiting
# up to SECONDS for one.
xsession_find_other_window() {
    if xsession_wait_for "$2" xsession_other_window_shown "$1"; then
        printf '%s\n' "$XSESSION_WINDOW"
        return 0
    fi
    xsession_log "No other window of the program of window $1 appeared within $2 s"
    return 1
}

xsession_is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# Waits until the window manager has given WINDOW the focus, so typed keys reach it.
xsession_wait_active() {
    xsession_wait_for "${2:-120}" xsession_is_active "$1" && return 0
    xsession_log "Window $1 was not activated within ${2:-120} s"
    return 1
}

# Prints "X Y W H": the client area of WINDOW in screen pixels.
xsession_client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (x == "" || w == "") exit 1; print x, y, w, h }'
}

# Prints "LEFT RIGHT TOP BOTTOM": how far the window manager's frame reaches past the client area.
xsession_frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p'
}

# Saves the whole screen as FILE.
xsession_screenshot() { import -window root "$1"; }

# Prints the colour of pixel (X, Y) of image FILE as #RRGGBB.
xsession_pixel() {
    convert "$1" -format "#%[hex:p{$2,$3}]" info: | cut -c1-7
}

# Prints every pixel of the WIDTH x HEIGHT rectangle at (LEFT, TOP) of image FILE as
# "X Y #RRGGBB", one a line, in the image's coordinates.
xsession_region_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 txt:- |
        awk -v dx="$2" -v dy="$3" 'NR > 1 { split($1, p, "[,:]"); print p[1] + dx, p[2] + dy, $3 }'
}
