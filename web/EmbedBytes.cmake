# SPDX-License-Identifier: MIT
# Writes the bytes of INPUT to OUTPUT as a list of C numbers ("0x52,0x49,..."), to be included
# in an array's braces. Run with cmake -DINPUT=... -DOUTPUT=... -P EmbedBytes.cmake.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new" "${bytes}\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
# The build must see the output newer than its input, also when the bytes are the same.
file(TOUCH_NOCREATE "${OUTPUT}")
