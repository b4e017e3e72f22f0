# SPDX-License-Identifier: MIT
# Turns the translation files into the play layer's text catalogue: one C++ initialiser line
# per finished translation, {language, context, source, comment, text}, so every front end reads
# the same texts without Qt. Runs as a script at build time, on the build machine:
#   cmake -DOUTPUT=<file> -DSOURCES="German=<de.ts>;French=<fr.ts>" -P TextCatalogue.cmake
# Unfinished entries are left out, so the English stands in for them.

string(ASCII 1 kSemicolon)

function(unescape_xml text out)
  string(REPLACE "${kSemicolon}" ";" text "${text}")
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&#xa0;" " " text "${text}") # a no-break space
  string(REPLACE "&amp;" "&" text "${text}")
  if(text MATCHES "&[#a-zA-Z0-9]+;")
    message(FATAL_ERROR "an XML entity the catalogue does not know: ${CMAKE_MATCH_0}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A raw string literal, which keeps quotes, backslashes and line breaks as they are.
function(literal text out)
  unescape_xml("${text}" text)
  set(${out} "R\"~~(${text})~~\"" PARENT_SCOPE)
endfunction()

set(lines "")
foreach(source IN LISTS SOURCES)
  string(REGEX MATCH "^([A-Za-z]+)=(.*)$" pair "${source}")
  set(language "${CMAKE_MATCH_1}")
  file(READ "${CMAKE_MATCH_2}" ts)
  string(REPLACE ";" "${kSemicolon}" ts "${ts}")
  string(REPLACE "</message>" ";" messages "${ts}")
  set(context "")
  foreach(message IN LISTS messages)
    if(message MATCHES "<name>([^<]*)</name>")
      literal("${CMAKE_MATCH_1}" context)
    endif()
    if(NOT message MATCHES "<translation>([^<]*)</translation>")
      continue()
    endif()
    literal("${CMAKE_MATCH_1}" text)
    string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
    literal("${CMAKE_MATCH_1}" original)
    set(comment "\"\"")
    if(message MATCHES "<comment>([^<]*)</comment>")
      literal("${CMAKE_MATCH_1}" comment)
    endif()
    string(APPEND lines "{Language::${language}, ${context}, ${original}, ${comment}, ${text}},\n")
  endforeach()
endforeach()

set(content "// Made from the translation files at build time.\n${lines}")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT content STREQUAL old)
  file(WRITE "${OUTPUT}" "${content}")
endif()
