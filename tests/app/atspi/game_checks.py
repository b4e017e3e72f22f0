# SPDX-License-Identifier: MIT
"""The checks of what the game's window tells a screen reader: the 36 squares in their
places with names that say what each shows, the counters beside their captions, and the
board's name following the keyboard cursor.
"""

import re
import time

import pyatspi

from accessible_tree import (KEY_RIGHT, KEY_TAB, click, describe, descendants, extents,
                             focused_in, is_showing, poll, press_key)
from outcomes import Failure, KeyboardPartPending

SIDE, SQUARE, PITCH, MARGIN = 6, 60, 64, 16
PLACE = re.compile(r"^row ([1-6]), column ([1-6])$")
# A refill chain never pauses longer than the 1 s wait before the first scan of a new board.
SETTLED_AFTER = 1.5


def _square_index(accessible, window_box):
    """The board index of a square, checked against where it is drawn; None for others."""
    place = PLACE.match(accessible.description or "")
    x, y, width, height = extents(accessible)
    if not place or (width, height) != (SQUARE, SQUARE):
        return None
    row, column = int(place[1]) - 1, int(place[2]) - 1
    expected = (MARGIN + PITCH * column, MARGIN + PITCH * row)
    if (x - window_box[0], y - window_box[1]) != expected:
        raise Failure(f"'{accessible.description}' is drawn at {x - window_box[0]}, "
                      f"{y - window_box[1]} in the window, not at {expected[0]}, {expected[1]}")
    return SIDE * row + column


def squares_of(window):
    """The 36 squares in board order, found by the place each one describes."""
    window_box = extents(window)
    found = {}
    for accessible in descendants(window):
        index = _square_index(accessible, window_box)
        if index is not None and found.setdefault(index, accessible) is not accessible:
            raise Failure(f"two squares describe themselves as '{accessible.description}'")
    if len(found) != SIDE * SIDE:
        raise Failure(f"{len(found)} squares found in the window instead of 36")
    return [found[index] for index in range(SIDE * SIDE)]


def settled_squares(window, timeout=20):
    """The squares once the fresh board has stopped reacting: no square marked or empty, and
    no name changed for a while."""
    squares = squares_of(window)
    state = {"names": None, "since": 0.0}

    def probe():
        names = [square.name for square in squares]
        now = time.monotonic()
        if names != state["names"]:
            state.update(names=names, since=now)
        busy = any(name == "empty" or name.endswith(", marked") for name in names)
        return squares if not busy and now - state["since"] >= SETTLED_AFTER else None
    poll("the board never settled", probe, timeout, interval=0.25)
    return squares


def names_against_pictures(squares, screen, templates, spoken_name_of):
    """Faults where a square's name does not say which picture it shows on the screen."""
    faults = []
    for index, square in enumerate(squares):
        shown = screen.grab(*extents(square))
        distance, template = min((shown.difference(picture), name)
                                 for name, picture in templates.items())
        if distance > 1.0:
            faults.append(f"square {index} shows no square picture (closest {template}, "
                          f"mean difference {distance:.1f})")
        elif square.name != spoken_name_of(template):
            faults.append(f"square {index} shows {template} but is called '{square.name}', "
                          f"not '{spoken_name_of(template)}'")
    return faults


def _value_beside(caption, labels):
    """The label a counter's value is shown in: below its caption, or for the start level
    to the right of it."""
    cx, cy, cw, ch = extents(caption)
    if caption.name == "Start level":
        beside = [(x, label) for label in labels for x, y, w, h in [extents(label)]
                  if x >= cx + cw and y < cy + ch and cy < y + h]
    else:
        beside = [(y, label) for label in labels for x, y, w, h in [extents(label)]
                  if y >= cy + ch and x < cx + cw and cx < x + w]
    return min(beside, key=lambda pair: pair[0])[1] if beside else None


def counter_faults(window, expected):
    """Faults in the counters' texts, read from the labels beside their captions, and in the
    combo banner, which a settling board never shows."""
    labels = [child for child in window
              if child is not None and child.getRole() == pyatspi.ROLE_LABEL and is_showing(child)]
    faults = []
    for caption_text, allowed in expected.items():
        caption = next((label for label in labels if label.name == caption_text), None)
        shown = _value_beside(caption, labels) if caption else None
        if shown is None:
            faults.append(f"no counter captioned '{caption_text}' is showing")
        elif shown.name not in allowed:
            faults.append(f"the counter captioned '{caption_text}' says '{shown.name}', "
                          f"not {' or '.join(allowed)}")
    if any(label.name.strip() == "Combo x" for label in labels):
        faults.append("the combo banner is announced although the board only settled")
    return faults


def _focus_after(keysym, window, previous):
    press_key(keysym)
    return poll(f"the focus stayed on {describe(previous)}",
                lambda: _changed_focus(window, previous), timeout=3)


def _changed_focus(window, previous):
    focused = focused_in(window)
    if focused is None or (previous is not None and focused == previous):
        return None
    return focused


def _reach_board(window):
    """Gives the window the focus and tabs past the designed controls to the board."""
    x, y, _, _ = extents(window)
    click(x + 5, y + 5)  # the black margin above the board: no control, no square
    focused = poll("the window took no keyboard focus from a click on it",
                   lambda: focused_in(window), timeout=5)
    designed = [(pyatspi.ROLE_PUSH_BUTTON, "New Game"), (pyatspi.ROLE_SCROLL_BAR, "Start level")]
    for role, name in designed:
        if (focused.getRole(), focused.name) != (role, name):
            raise Failure(f"the designed focus order reached {describe(focused)} instead of "
                          f"'{name}'")
        focused = _focus_after(KEY_TAB, window, focused)
    if (focused.getRole(), focused.name) == designed[0]:
        raise KeyboardPartPending("board not focusable (Tab goes from the start level back "
                                  "to \"New Game\")")
    return focused


def _focus_named(window, name, timeout=3):
    """The focused object once it has this name, or whatever has the focus at the timeout."""
    deadline = time.monotonic() + timeout
    while True:
        focused = focused_in(window)
        if (focused is not None and focused.name == name) or time.monotonic() > deadline:
            return focused
        time.sleep(0.1)


def follow_keyboard_move(window, squares):
    """The focused board names the square under the cursor, which starts on square 0 and
    moves right with the arrow key. Right is pressed until the name must change, so a
    cursor that did not move cannot pass unnoticed."""
    focused = _reach_board(window)
    if focused.name != squares[0].name:
        raise Failure(f"the board took the focus as {describe(focused)}, not with the name "
                      f"'{squares[0].name}' of square 0 under the cursor")
    for column in range(1, SIDE):
        press_key(KEY_RIGHT)
        expected = squares[column].name
        focused = _focus_named(window, expected)
        if focused is None or focused.name != expected:
            raise Failure(f"after {column} Right arrow(s) the focus is on {describe(focused)}, "
                          f"not named '{expected}' as square {column}")
        if expected != squares[column - 1].name:
            return
    raise Failure("row 0 has no two neighbours with different names to follow the cursor by")
