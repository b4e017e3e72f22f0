#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks the desktop entry with desktop-file-validate and the AppStream metainfo with
# appstreamcli (offline). Exits 77, which ctest reports as skipped, when neither tool exists.
desktop_file=$1
metainfo=$2
checked=0
status=0
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$desktop_file" || status=1
  checked=$((checked + 1))
else
  echo "desktop-file-validate is not installed: not checking $desktop_file"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$metainfo" || status=1
  checked=$((checked + 1))
else
  echo "appstreamcli is not installed: not checking $metainfo"
fi
if [ "$checked" -eq 0 ]; then
  echo "SKIP: no validator installed"
  exit 77
fi
exit $status
