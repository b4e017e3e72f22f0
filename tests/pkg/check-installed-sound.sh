#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs a build into a temporary prefix and checks that the installed game finds its sound
# module where it was installed: the game runs offscreen with no sound server to reach, and the
# one line it writes on stderr after its first frame must be the sound server's refusal, which
# only the loaded module can give, not a module that is missing or would not load.
#   check-installed-sound.sh CMAKE BUILD_DIR GAMEDIR SOUNDDIR MODULE_FILE_NAME
set -u
cmake=$1 build=$2 gamedir=$3 sounddir=$4 module=$5
scratch=$(mktemp -d)
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix=$scratch/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
[ -f "$prefix/$sounddir/$module" ] || { echo "not installed: $sounddir/$module"; exit 1; }

mkdir -p "$scratch/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime \
  PULSE_SERVER=unix:$scratch/no-server \
  "$prefix/$gamedir/quadrelle" 2>"$scratch/stderr" &
game=$!
# The line comes once the first frame is drawn; the wait is only a bound.
tries=0
while ! grep -q 'no sound' "$scratch/stderr" && [ $tries -lt 300 ] && kill -0 "$game" 2>/dev/null; do
  sleep 0.1
  tries=$((tries + 1))
done
kill "$game" 2>/dev/null
wait "$game" 2>/dev/null
game=
cat "$scratch/stderr"
if ! grep -q '^quadrelle: no sound: ' "$scratch/stderr"; then
  echo "the installed game said nothing about its sound"
  exit 1
fi
if grep -q -E 'sound module|load library' "$scratch/stderr"; then
  echo "the installed game did not load its sound module"
  exit 1
fi
echo "the installed game loads its sound module"
