#!/bin/sh
# SPDX-License-Identifier: MIT
# The game's executable loads no sound library when it starts: none of the libraries it names
# for the dynamic linker (DT_NEEDED) is libpulse, or one of the codec libraries libpulse brings.
# Given the sound module too, the module is where libpulse is named.
#   check-startup-libraries.sh READELF EXECUTABLE [SOUND_MODULE]
# Exits 77, which ctest reports as skipped, without readelf.
readelf=$1 executable=$2 module=${3:-}
command -v "$readelf" >/dev/null 2>&1 || { echo "no readelf: not checking"; exit 77; }
needed() {
  "$readelf" -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
}
sound='^lib(pulse|sndfile|FLAC|vorbis|vorbisenc|opus|ogg|mpg123|mp3lame|asyncns)[.-]'
status=0
libraries=$(needed "$executable")
[ -n "$libraries" ] || { echo "readelf found no library named in $executable"; exit 1; }
if echo "$libraries" | grep -E "$sound"; then
  echo "the executable names the sound libraries above, which load before its first frame"
  status=1
fi
if [ -n "$module" ] && ! needed "$module" | grep -q '^libpulse\.'; then
  echo "the sound module does not name libpulse"
  status=1
fi
exit $status
