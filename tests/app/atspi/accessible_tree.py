# SPDX-License-Identifier: MIT
"""Reading an application's accessible tree through AT-SPI, and sending it input the way an
assistive tool does. Import it only once the environment names the private buses: libatspi
looks for them when it is first used.
"""

import time

import pyatspi
from gi.repository import Atspi

from outcomes import Failure

KEY_TAB, KEY_RIGHT = 0xFF09, 0xFF53


def poll(what, probe, timeout, interval=0.1):
    """The first result of probe() that is not None, or a failure after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result is not None:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"{what} (waited {timeout} s)")
        time.sleep(interval)


def extents(accessible):
    """x, y, width, height on the screen."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def is_showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def focused_in(window):
    """The innermost object of the window that has the keyboard focus, or None."""
    focused = None
    for accessible in descendants(window):
        if accessible.getState().contains(pyatspi.STATE_FOCUSED):
            focused = accessible
    return focused


def describe(accessible):
    return f"{accessible.getRoleName()} '{accessible.name}'" if accessible else "nothing"


def find_window(process, caption, timeout=15):
    """The top-level window with this caption of the application run by process."""
    def probe():
        if process.poll() is not None:
            raise Failure(f"the game ended with status {process.returncode} "
                          "before its window showed")
        for application in pyatspi.Registry.getDesktop(0):
            if application is None or application.get_process_id() != process.pid:
                continue
            for window in application:
                if window is not None and window.name == caption:
                    return window
        return None
    return poll(f"no window '{caption}' of the game reached the accessibility bus", probe, timeout)


def press_key(keysym):
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)


def click(x, y):
    Atspi.generate_mouse_event(x, y, "b1c")
