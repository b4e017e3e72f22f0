# SPDX-License-Identifier: MIT
# Copies the page, with its controls' stylesheet written into it, so the page waits for no
# stylesheet before it shows, and pointing it at the fonts in the format the build could make:
# the page names WOFF2 files, which a build without Brotli for Python makes as WOFF instead.
#   cmake -DINPUT=<index.html> -DSTYLESHEET=<page-controls.css> -DOUTPUT=<site/index.html>
#     -DFONT_FORMAT=woff2|woff -P CopyPage.cmake
file(READ ${INPUT} page)
file(READ ${STYLESHEET} stylesheet)
string(REPLACE "<link rel=\"stylesheet\" href=\"page-controls.css\">" "<style>\n${stylesheet}</style>" page "${page}")
if(NOT FONT_FORMAT STREQUAL "woff2")
  string(REPLACE ".woff2\"" ".${FONT_FORMAT}\"" page "${page}")
endif()
file(WRITE ${OUTPUT} "${page}")
