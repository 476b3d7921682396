# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
"""What a screen reader meets in the running program, read and driven over AT-SPI.

    read_window.py PID SECONDS

Finds the window of process PID and checks the roles, names and descriptions a person hears,
and that a thickness of 0 is reported as a notification that goes once a usable one is typed. Then plots one point as a screen reader user would: X 1200, Y 600 and thickness 3 typed
through the editable-text interface, and "Draw" pressed through its action. Checks that the
drawing area announces the point. Every wait gives up after SECONDS.
"""

import argparse
import sys
import time

import pyatspi
from gi.repository import GLib

arguments = argparse.ArgumentParser()
arguments.add_argument("pid", type=int)
arguments.add_argument("seconds", type=float)
options = arguments.parse_args()
PID = options.pid
WAIT = options.seconds
COLOURS = 16

announced = []  # (role, name) of every object heard to change its description


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def ok(message):
    print(f"ok: {message}")


def wait_for(what, condition):
    """Polls CONDITION, dispatching AT-SPI events meanwhile, until it is true or WAIT passes."""
    deadline = time.monotonic() + WAIT
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            fail(f"{what} within {WAIT:g} s")
        time.sleep(0.05)


def heard(event):
    announced.append((event.source.getRoleName(), event.source.name))


def program_window():
    """The program's top-level frame, once it is in the tree."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is None or app.get_process_id() != PID:
                continue
            for window in app:
                if window is not None and window.name == "Draw dots":
                    return window
        except GLib.Error:
            pass  # an application that went away while being read
    return None


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def find(window, role, name):
    """The one object of the window with that role and name."""
    found = [n for n in descendants(window) if n.getRoleName() == role and n.name == name]
    if len(found) != 1:
        namesakes = [n.getRoleName() for n in descendants(window) if n.name == name]
        fail(f'the window should hold one {role} named "{name}"; it holds {len(found)}, '
             f"and these roles by that name: {namesakes}")
    return found[0]


# Read afresh each time, not from what the client has kept of an earlier answer.
def description(node):
    node.clearCache()
    return node.description


def has_state(node, state):
    node.clearCache()
    return node.getState().contains(state)


def expect(what, seen, wanted):
    if seen != wanted:
        fail(f"{what} is {seen!r}, expected {wanted!r}")
    ok(f"{what} is {wanted!r}")


window = wait_for(f"no window \"Draw dots\" of process {PID} appeared in the AT-SPI tree", program_window)
# A program on the bus hears of each new listener and from then on announces what it listens
# for. One that is just starting may ask for the listeners before this one is registered and
# only then start hearing of new ones: so listen once the program is there.
pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-description")
expect("the window's role", window.getRoleName(), "frame")
canvas = find(window, "canvas", "Drawing area")
expect("the drawing area's description", description(canvas), "No points drawn")

boxes = {name: find(window, "text", name) for name in ("X coor", "Y coor", "Thickness")}
for name, box in boxes.items():
    labels = [r.getTarget(0) for r in box.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    expect(f'the label of the box "{name}"', [(label.getRoleName(), label.name) for label in labels],
           [("label", name)])

colour = find(window, "combo box", "Colour")
entries = [n.name for n in descendants(colour) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
expect("the number of entries in the colour list", len(entries), COLOURS)
expect("the colour list's entries, first and last", (entries[0], entries[-1]), ("0 Black", "15 Bright White"))
colour_field = [n for n in colour if n.getRole() == pyatspi.ROLE_TEXT]
if len(colour_field) != 1:
    fail(f"the colour list should hold one text field to type a colour into; it holds {len(colour_field)}")

draw = find(window, "push button", "Draw")
draw_actions = draw.queryAction()
actions = [draw_actions.getName(i) for i in range(draw_actions.nActions)]
if "Press" not in actions:
    fail(f'"Draw" should offer the action "Press"; it offers {actions}')
ok(f'"Draw" offers the actions {actions}')

def type_into(name, text):
    if not boxes[name].queryEditableText().setTextContents(text):
        fail(f'the box "{name}" refused the text {text!r}')
    wait_for(f'the box "{name}" did not show {text!r}',
             lambda box=boxes[name]: box.queryText().getText(0, -1) == text)


def shown_notes():
    window.clearCache()
    return [n.name for n in descendants(window)
            if n.getRole() == pyatspi.ROLE_NOTIFICATION and has_state(n, pyatspi.STATE_SHOWING)]


# A thickness that cannot be drawn with is reported as a notification, which goes once a usable one
# is typed.
type_into("Thickness", "0")
note = wait_for("no notification was shown for the thickness 0", shown_notes)
if len(note) != 1 or 'pen width "0" is too small' not in note[0]:
    fail(f"the notifications shown for the thickness 0 are {note}")
ok(f'the thickness 0 is reported as a notification: "{note[0]}"')
for name, text in (("X coor", "1200"), ("Y coor", "600"), ("Thickness", "3")):
    type_into(name, text)
ok("X, Y and thickness typed through the editable-text interface")
wait_for("the notification stayed after a usable thickness was typed", lambda: not shown_notes())
ok("the notification went once the thickness 3 was typed")

draw_actions.doAction(actions.index("Press"))
wait_for("the drawing area's description did not become \"1 point drawn\"",
         lambda: description(canvas) == "1 point drawn")
ok('after pressing "Draw" the drawing area\'s description is "1 point drawn"')
wait_for("no change of the drawing area's description was announced",
         lambda: ("canvas", "Drawing area") in announced)
ok("the change was announced")
