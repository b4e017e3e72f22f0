#!/bin/sh
# SPDX-License-Identifier: MIT
# The game configured with QUADRELLE_SOUND=none needs no libpulse. Where pkg-config finds no
# library at all, the default sound cannot be configured (which shows libpulse is out of reach),
# and the silent game is configured without looking for libpulse and without it on its link line.
#   check-silent-configure.sh CMAKE SOURCE_DIR SCRATCH_DIR
set -u
cmake=$1 source=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/no-libraries"
export PKG_CONFIG_LIBDIR="$scratch/no-libraries" PKG_CONFIG_PATH=

configure() {
  "$cmake" -S "$source" -B "$scratch/$1" -G "Unix Makefiles" -DQUADRELLE_SOUND="$1" \
    -DQUADRELLE_BUILD_TESTS=OFF -DQUADRELLE_BUILD_BENCH=OFF -DQUADRELLE_BUILD_SIM=OFF \
    >"$scratch/$1.log" 2>&1
}

if configure pulse || ! grep -q libpulse "$scratch/pulse.log"; then
  echo "libpulse was not missing from the configuration with sound:"; cat "$scratch/pulse.log"; exit 1
fi
if ! configure none; then
  echo "the silent game needs more than was there:"; cat "$scratch/none.log"; exit 1
fi
if grep -q PULSE "$scratch/none/CMakeCache.txt"; then
  echo "the silent game's configuration looked for libpulse"; exit 1
fi
link="$scratch/none/app/CMakeFiles/quadrelle.dir/link.txt"
if [ ! -f "$link" ] || grep -q pulse "$link"; then
  echo "the silent game's link line names libpulse, or is missing:"; cat "$link"; exit 1
fi
echo "the silent game is configured without libpulse"
