# SPDX-License-Identifier: MIT
"""What a screen reader gets from the game: the game runs on a private X display with the
desktop accessibility bus, and this test reads its accessible tree through AT-SPI. It finds
the window, a frame, hears every square's name and compares it with the picture the square
really shows, reads the counters beside their captions and labelled by them, steps the
start-level spin button, and follows a keyboard move on the board.

Usage: accessibility_test.py GAME_BINARY PICTURES_FOLDER
Exits 0 on success, 1 on a failure, 77 (skipped) when the display or a bus cannot be
started, and also while the board cannot be reached by keyboard (see the switch below).
"""

import os
import signal
import sys
import time

from gi.repository import GLib

from outcomes import Failure, KeyboardPartPending, Unavailable
from private_desktop import PrivateDesktop
from screen_pixels import Screen, read_png

# Until the board takes part in keyboard play, its part of the test skips. Once it does, set
# this to False: a board that Tab cannot reach then fails the test.
KEYBOARD_PART_MAY_BE_PENDING = False

SKIPPED = 77
WINDOW_CAPTION = "Quadrelle!"
SAVED_HISCORE, SAVED_START_LEVEL = "1234", "4"

# The texts each counter may show once a new game has settled, with the saved settings
# above: nothing scores or counts toward the level before the first move, but a full line
# on the settling board does earn an eraser (at most 3 are held).
EXPECTED_COUNTERS = {"Score": ("0",), "Hiscore": (SAVED_HISCORE,), "Level": (SAVED_START_LEVEL,),
                     "Left": ("20",), "Erasers": ("0", "1", "2", "3"),
                     "Start level": (SAVED_START_LEVEL,)}

COLOURS = ("pink", "green", "yellow", "red", "blue")


def spoken_name_of(template):
    """What a square showing a template picture must be called, from the game's rules:
    the digit is the colour, the suffix the arrows."""
    if template == "sqEmpty":
        return "empty"
    if template == "sq1234":
        return "wildcard"
    colour, arrows = COLOURS[int(template[2])], template[3:]
    suffix = {"": "", "up": ", arrow up", "down": ", arrow down",
              "updown": ", arrows up and down"}[arrows]
    return colour + suffix


def square_templates(pictures_folder):
    """The plain 1x square pictures by name: "sq2up", "sq1234", "sqEmpty"..."""
    names = [name[:-4] for name in os.listdir(pictures_folder)
             if name.startswith("sq") and name.endswith(".png") and "@" not in name]
    return {name: read_png(os.path.join(pictures_folder, name + ".png")) for name in names}


def write_saved_settings(desktop):
    folder = desktop.path("config", "Chromafall")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Chromafall.ini"), "w") as file:
        file.write(f"[General]\nHiScore={SAVED_HISCORE}\nStartLevel={SAVED_START_LEVEL}\n")


def start_game(desktop, binary):
    write_saved_settings(desktop)
    desktop.env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       # The designed English texts, whatever the machine's language.
                       LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="",
                       # Silence: no sound server is reachable.
                       PULSE_SERVER="unix:/nonexistent/quadrelle-test/native")
    return desktop.launch([binary])


def run_checks(desktop, game, pictures_folder):
    # libatspi finds the buses through the environment when it is first used.
    os.environ.clear()
    os.environ.update(desktop.env)
    import game_checks
    from accessible_tree import find_window

    started = time.monotonic()
    window = find_window(game, WINDOW_CAPTION)
    squares = game_checks.settled_squares(window)
    print(f"board settled {time.monotonic() - started:.1f} s after the start")
    screen = Screen(desktop.env["DISPLAY"])
    try:
        faults = game_checks.names_against_pictures(squares, screen,
                                                     square_templates(pictures_folder),
                                                     spoken_name_of)
    finally:
        screen.close()
    faults += game_checks.window_faults(window)
    faults += game_checks.counter_faults(window, EXPECTED_COUNTERS)
    faults += game_checks.spinner_faults(window, int(SAVED_START_LEVEL))
    if faults:
        raise Failure("\n".join(faults))
    print("window, 36 square names, the counters and the start-level spinner read correctly")
    game_checks.follow_keyboard_move(window, squares)
    print("keyboard move followed: the focused board describes the square under the cursor")


def check(desktop, binary, pictures_folder):
    """Runs every check and turns its outcome into the exit status."""
    try:
        desktop.start()
        run_checks(desktop, start_game(desktop, binary), pictures_folder)
        return 0
    except Unavailable as reason:
        print(f"SKIP: {reason}")
        desktop.show_logs()
        return SKIPPED
    except KeyboardPartPending as reason:
        print(f"keyboard part pending: {reason}")
        return SKIPPED if KEYBOARD_PART_MAY_BE_PENDING else 1
    except (Failure, GLib.Error) as fault:
        print(f"FAIL: {fault}")
        desktop.show_logs()
        return 1


def _stop_on_signal(number, _frame):
    raise Failure(f"stopped by signal {number}, the time limit perhaps")


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 1
    signal.signal(signal.SIGTERM, _stop_on_signal)
    desktop = PrivateDesktop()
    try:
        return check(desktop, argv[1], argv[2])
    finally:
        desktop.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
