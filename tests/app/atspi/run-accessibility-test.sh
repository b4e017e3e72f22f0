#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the AT-SPI accessibility test with the system's Python, which is where Debian puts
# pyatspi. Exits 77 (skipped) when that Python or pyatspi is missing. The time limit stops
# the test with SIGTERM before ctest's own limit would, so it still stops what it started.
# Usage: run-accessibility-test.sh GAME_BINARY PICTURES_FOLDER
here=$(dirname "$0")
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3)
if [ -z "$python" ] || ! "$python" -c 'import pyatspi' >/dev/null 2>&1; then
  echo "SKIP: python3-pyatspi is not installed"
  exit 77
fi
PYTHONDONTWRITEBYTECODE=1 exec timeout --signal=TERM 60 "$python" "$here/accessibility_test.py" "$@"
