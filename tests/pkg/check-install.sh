#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs a build into a temporary prefix and checks what a player gets: the game, its desktop
# entry, icons, metainfo and manual page, and no simulator.
#   check-install.sh CMAKE BUILD_DIR GAMEDIR DATADIR MANDIR
set -eu
cmake=$1 build=$2 gamedir=$3 datadir=$4 mandir=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
status=0
for file in "$gamedir/quadrelle" \
            "$datadir/applications/io.github.quadrelle.Quadrelle.desktop" \
            "$datadir/metainfo/io.github.quadrelle.Quadrelle.metainfo.xml" \
            "$datadir/icons/hicolor/32x32/apps/quadrelle.png" \
            "$datadir/icons/hicolor/256x256/apps/quadrelle.png" \
            "$mandir/man6/quadrelle.6"; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; status=1; }
done
if find "$prefix" -name 'quadrelle-sim*' | grep -q .; then
  echo "the simulator was installed without being asked for"
  status=1
fi
exit $status
