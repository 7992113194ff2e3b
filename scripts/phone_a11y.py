#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Works Tallyfox's windows through the accessibility bus, as a screen reader
would, where no keys can be sent (a Wayland compositor without a seat).
scripts/check_phone.sh uses it; each command waits for what it needs, up to
PHONE_WAIT seconds (30), and fails with what it found instead.

  phone_a11y.py press WINDOW BUTTON    presses the button (or page tab) in the window
  phone_a11y.py fill WINDOW N TEXT     puts TEXT in the window's Nth text box
                                       (0 first, in the order a tree walk meets them)
  phone_a11y.py select WINDOW N        chooses row N of the window's first list
  phone_a11y.py count WINDOW N         waits until N windows have that title
  phone_a11y.py windows                names the program's windows
  phone_a11y.py tree WINDOW            shows the window's accessible tree

A window is named by the start of its title ("Add List" for "Add List —
Tallyfox"); the main window and message boxes are all "Tallyfox", of which
the newest is taken.
"""
import os
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Debian 12's bindings mark reading an action's name deprecated, with nothing
# in its place yet.
warnings.simplefilter("ignore", DeprecationWarning)

APP_ID = "io.github.tallyfox.Tallyfox"
WAIT = float(os.environ.get("PHONE_WAIT", "30"))


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.GError:
        return []


def role(node):
    try:
        return node.get_role_name()
    except GLib.GError:
        return ""


def name(node):
    try:
        return node.get_name() or ""
    except GLib.GError:
        return ""


def walk(node, depth=0):
    yield node, depth
    if depth < 30:
        for child in children(node):
            yield from walk(child, depth + 1)


def program():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if name(app) == APP_ID:
            return app
    return None


def windows():
    app = program()
    return children(app) if app is not None else []


def titled(title):
    return [w for w in windows() if name(w) == title or name(w).startswith(title + " ")]


def window(title):
    found = titled(title)
    return found[-1] if found else None


def showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except GLib.GError:
        return False


def find_in(title, wanted):
    top = window(title)
    if top is None:
        return None
    for node, _ in walk(top):
        if wanted(node) and showing(node):
            return node
    return None


def waiting_for(what, look):
    end = time.monotonic() + WAIT
    while True:
        found = look()
        if found is not None:
            return found
        if time.monotonic() > end:
            sys.exit(f"phone_a11y.py: no {what}; the program's windows: "
                     f"{[name(w) for w in windows()]}")
        time.sleep(0.2)


# A page's controls show only while its tab is chosen: a page tab is pressed
# as a button is.
def press(title, button):
    def enabled_button(node):
        return (role(node) in ("push button", "page tab") and name(node) == button
                and node.get_state_set().contains(Atspi.StateType.ENABLED))
    node = waiting_for(f'enabled button "{button}" in "{title}"',
                       lambda: find_in(title, enabled_button))
    names = [Atspi.Action.get_action_name(node, i)
             for i in range(Atspi.Action.get_n_actions(node))]
    Atspi.Action.do_action(node, names.index("Press"))


def fill(title, index, text):
    def nth_box():
        top = window(title)
        if top is None:
            return None
        boxes = [node for node, _ in walk(top)
                 if role(node) == "text" and showing(node)
                 and node.get_state_set().contains(Atspi.StateType.EDITABLE)]
        return boxes[index] if len(boxes) > index else None
    node = waiting_for(f'text box {index} in "{title}"', nth_box)
    Atspi.EditableText.set_text_contents(node, text)


# Lists and tables both take a row through the table interface.
def select(title, index):
    def first_list():
        top = window(title)
        if top is None:
            return None
        for node, _ in walk(top):
            if role(node) in ("list", "list box", "table", "tree", "tree table") and showing(node):
                try:
                    if Atspi.Table.get_n_rows(node) > index:
                        return node
                except GLib.GError:
                    pass
        return None
    node = waiting_for(f'list in "{title}" with a row {index}', first_list)
    if not Atspi.Table.add_row_selection(node, index):
        sys.exit(f'phone_a11y.py: row {index} of the list in "{title}" could not be chosen')


def count(title, wanted):
    waiting_for(f'{wanted} windows "{title}"',
                lambda: True if program() is not None and len(titled(title)) == wanted else None)


def tree(title):
    top = waiting_for(f'window "{title}"', lambda: window(title))
    for node, depth in walk(top):
        print("  " * depth + f"{role(node)} {name(node)!r}")


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "press" and len(argv) == 4:
        press(argv[2], argv[3])
    elif command == "fill" and len(argv) == 5:
        fill(argv[2], int(argv[3]), argv[4])
    elif command == "select" and len(argv) == 4:
        select(argv[2], int(argv[3]))
    elif command == "count" and len(argv) == 4:
        count(argv[2], int(argv[3]))
    elif command == "windows" and len(argv) == 2:
        waiting_for("program on the accessibility bus", program)
        for w in windows():
            print(name(w))
    elif command == "tree" and len(argv) == 3:
        tree(argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
