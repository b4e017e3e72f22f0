# SPDX-License-Identifier: MIT
# Copies the page, with its controls' stylesheet written into it, so the page waits for no
# stylesheet before it shows.
#   cmake -DINPUT=<index.html> -DSTYLESHEET=<page-controls.css> -DOUTPUT=<site/index.html> -P CopyPage.cmake
file(READ ${INPUT} page)
file(READ ${STYLESHEET} stylesheet)
string(REPLACE "<link rel=\"stylesheet\" href=\"page-controls.css\">" "<style>\n${stylesheet}</style>" page "${page}")
file(WRITE ${OUTPUT} "${page}")
