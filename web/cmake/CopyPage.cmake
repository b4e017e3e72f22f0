# SPDX-License-Identifier: MIT
# Copies the page, pointing it at the fonts in the format the build could make: the page names
# WOFF2 files, which a build without Brotli for Python makes as WOFF instead.
#   cmake -DINPUT=<index.html> -DOUTPUT=<site/index.html> -DFONT_FORMAT=woff2|woff -P CopyPage.cmake
file(READ ${INPUT} page)
if(NOT FONT_FORMAT STREQUAL "woff2")
  string(REPLACE ".woff2\"" ".${FONT_FORMAT}\"" page "${page}")
  string(REPLACE "format(\"woff2\")" "format(\"${FONT_FORMAT}\")" page "${page}")
  string(REPLACE "font/woff2" "font/${FONT_FORMAT}" page "${page}")
endif()
file(WRITE ${OUTPUT} "${page}")
