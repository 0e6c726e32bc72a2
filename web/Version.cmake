# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives the page folder SITE one build version. The program's version, a
# hash of every file but the page and the service worker, is written into
# the page from PAGE (if given), which asks for each file with it
# ("calcora.js?v=..."), so that the browser's HTTP cache never hands one
# build's file to another's page. Then the service worker is written from
# TEMPLATE with every file's SHA-256 and a version over them all. Run after
# every build, and by the browser tests on a changed copy of a build:
# `cmake -DSITE=<folder> -DTEMPLATE=web/sw.js.in [-DPAGE=web/page/index.html] -P web/Version.cmake`.
get_filename_component(SITE ${SITE} ABSOLUTE)

# Sets `var` to a version over the files of SITE but those named after the
# two, and `entries` to their hashes as the entries of a JavaScript object.
function(hashes var entries)
  file(GLOB files RELATIVE ${SITE} ${SITE}/*)
  list(REMOVE_ITEM files ${ARGN})
  list(SORT files)
  set(all "")
  set(js "")
  foreach(f ${files})
    if(NOT IS_DIRECTORY ${SITE}/${f})
      file(SHA256 ${SITE}/${f} hash)
      string(APPEND all "${f} ${hash}\n")
      string(APPEND js "  \"${f}\": \"${hash}\",\n")
    endif()
  endforeach()
  string(SHA256 version "${all}")
  string(SUBSTRING ${version} 0 16 version)
  set(${var} ${version} PARENT_SCOPE)
  set(${entries} "${js}" PARENT_SCOPE)
endfunction()

# Writes `text` to `file` only when it changes, so that an unchanged build keeps its version.
function(write_if_changed file text)
  file(WRITE ${file}.new "${text}")
  file(COPY_FILE ${file}.new ${file} ONLY_IF_DIFFERENT)
  file(REMOVE ${file}.new)
endfunction()

if(PAGE)
  hashes(program unused index.html sw.js)
  file(READ ${PAGE} page)
  string(REPLACE "@CALCORA_VERSION@" "${program}" page "${page}")
  write_if_changed(${SITE}/index.html "${page}")
endif()

hashes(version entries sw.js)
file(READ ${TEMPLATE} worker)
string(REPLACE "@CALCORA_BUILD@" "const VERSION = \"${version}\";\nconst FILES = {\n${entries}};" worker "${worker}")
write_if_changed(${SITE}/sw.js "${worker}")
