# SPDX-License-Identifier: MIT
"""The checks of what the game's window tells a screen reader: a frame, the 36 squares in
their places with names that say what each shows, the counters beside their captions and
labelled by them, the start-level spin button, and the board's description following the
keyboard cursor.
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


def window_faults(window):
    """A top-level window is a frame to a screen reader, which then speaks its caption."""
    if window.getRole() != pyatspi.ROLE_FRAME:
        return [f"the window is a {window.getRoleName()}, not a frame"]
    return []


def _related(accessible, relation_type):
    return [relation.getTarget(i) for relation in accessible.getRelationSet()
            if relation.getRelationType() == relation_type
            for i in range(relation.getNTargets())]


def counter_faults(window, expected):
    """Faults in the counters' texts, read from the labels beside their captions, in their
    relations to those captions, and in the combo banner, which a settling board never shows."""
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
        elif caption not in _related(shown, pyatspi.RELATION_LABELLED_BY) or \
                shown not in _related(caption, pyatspi.RELATION_LABEL_FOR):
            faults.append(f"the counter captioned '{caption_text}' is not labelled by its caption")
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
    designed = [(pyatspi.ROLE_PUSH_BUTTON, "New Game"), (pyatspi.ROLE_SPIN_BUTTON, "Start level")]
    for role, name in designed:
        if (focused.getRole(), focused.name) != (role, name):
            raise Failure(f"the designed focus order reached {describe(focused)} instead of "
                          f"'{name}'")
        focused = _focus_after(KEY_TAB, window, focused)
    if (focused.getRole(), focused.name) == designed[0]:
        raise KeyboardPartPending("board not focusable (Tab goes from the start level back "
                                  "to \"New Game\")")
    return focused


def follow_keyboard_move(window, squares):
    """The focused board is named "Board" and describes the square under the cursor, which
    starts on square 0 and moves right with the arrow key."""
    board = _reach_board(window)
    if board.name != "Board":
        raise Failure(f"the board took the focus as {describe(board)}, not named 'Board'")
    for column in (0, 1):
        if column:
            press_key(KEY_RIGHT)
        expected = f"{squares[column].name}, row 1, column {column + 1}"
        poll(f"the focused board never described '{expected}'",
             lambda: True if board.description == expected else None, timeout=3)


def spinner_faults(window, start_level):
    """The spin button's value is the start level, from 1 to 9; its increase action raises
    it and its decrease action lowers it again."""
    spinner = next((child for child in window if child is not None
                    and child.getRole() == pyatspi.ROLE_SPIN_BUTTON), None)
    if spinner is None or spinner.name != "Start level":
        return [f"the start level is no spin button but {describe(spinner)}"]
    value, action = spinner.queryValue(), spinner.queryAction()
    found = (value.currentValue, value.minimumValue, value.maximumValue)
    if found != (start_level, 1, 9):
        return [f"the start level spinner reads {found}, not ({start_level}, 1, 9)"]
    names = [action.getName(i) for i in range(action.nActions)]
    for name, expected in (("Increase", start_level + 1), ("Decrease", start_level)):
        if name not in names:
            return [f"the start level spinner has no action '{name}', only {names}"]
        action.doAction(names.index(name))
        poll(f"the spinner's {name} action did not bring the start level to {expected}",
             lambda: True if value.currentValue == expected else None, timeout=3)
    return []
