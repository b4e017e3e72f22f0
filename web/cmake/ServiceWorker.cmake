# SPDX-License-Identifier: MIT
# Writes the site's service worker from its template: the list of every file of the site, and as
# the cache's version a hash of their names and contents, so any change to any file makes a new
# cache.
#   cmake -DSITE=<site folder> -DFILES=<file listing the site's files> -DTEMPLATE=<in> -DOUTPUT=<out>
#         -P ServiceWorker.cmake
file(STRINGS ${FILES} files)
list(SORT files)
# The page is also asked for as the folder itself.
set(entries "\n  './',")
set(fingerprints "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND fingerprints "${file} ${hash}\n")
  string(APPEND entries "\n  '${file}',")
endforeach()
string(SHA256 QUADRELLE_SITE_HASH "${fingerprints}")
string(SUBSTRING ${QUADRELLE_SITE_HASH} 0 16 QUADRELLE_SITE_HASH)
set(QUADRELLE_SITE_FILES "${entries}\n")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
# configure_file leaves an unchanged file as it was; the build must see it newer than its inputs.
file(TOUCH_NOCREATE ${OUTPUT})
