# SPDX-License-Identifier: MIT
"""How a check can end other than by passing; the test maps each to its exit status."""


class Unavailable(Exception):
    """A piece of the private desktop could not be started: the test skips, never passes."""


class Failure(Exception):
    """The game does not tell a screen reader what it shows."""


class KeyboardPartPending(Exception):
    """The board cannot be reached with the keyboard yet."""
