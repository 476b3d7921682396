#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Starts the program where no display can be opened: with no display named at all, and with
# one named that is not there. Each time it must say so in one line on standard error and end
# with exit status 1, without aborting and without leaving a core file (core files are allowed).
#
#   tests/e2e/run_nodisplay.sh PATH/TO/drawdots
set -u

program=${1:?usage: run_nodisplay.sh PATH/TO/drawdots}
if [[ ! -x $program ]]; then
    echo "FAIL: $program is not an executable program" >&2
    exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

work=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-nodisplay.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display number with no server behind it.
missing=99
while [[ -e /tmp/.X11-unix/X$missing ]]; do
    missing=$((missing + 1))
done

for display in "" ":$missing"; do
    what=${display:-no display named}
    rm -rf "$work/run" && mkdir "$work/run"
    (
        cd "$work/run" || exit 2
        ulimit -c unlimited
        if [[ -n $display ]]; then
            export DISPLAY=$display
        else
            unset DISPLAY
        fi
        unset WAYLAND_DISPLAY QT_QPA_PLATFORM
        XDG_RUNTIME_DIR="$work/runtime" exec "$program" >"$work/stdout" 2>"$work/stderr"
    )
    status=$?
    message=$(cat "$work/stderr")
    ((status == 1)) || fail "$what: the program ended with exit status $status, expected 1; it printed: $message"
    [[ $(wc -l <"$work/stderr") -eq 1 ]] || fail "$what: expected one line on standard error, got:"$'\n'"$message"
    [[ $message == "drawdots: "* ]] || fail "$what: the line does not begin with the program's name: $message"
    [[ $message == *"no display could be opened"* && $message == *DISPLAY* && $message == *WAYLAND_DISPLAY* &&
        $message == *-platform* ]] ||
        fail "$what: the message does not say that no display could be opened and how to name one: $message"
    [[ ! -s $work/stdout ]] || fail "$what: the program printed on standard output: $(cat "$work/stdout")"
    cores=$(find "$work/run" -name 'core*')
    [[ -z $cores ]] || fail "$what: the program left a core file: $cores"
    echo "ok: $what: exit status 1 and one line: $message"
done
echo "PASS: e2e_no_display"
