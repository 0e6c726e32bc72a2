# Writes sw-files.js into the page folder SITE: every file the service worker
# caches, and a version that changes with their contents (a new build
# replaces the old cache).
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw-files.js sw.js)
list(SORT files)
set(hashes "")
set(names "\"./\"")
foreach(f ${files})
  file(MD5 ${SITE}/${f} hash)
  string(APPEND hashes ${hash})
  string(APPEND names ",\n  \"${f}\"")
endforeach()
string(MD5 version "${hashes}")
file(WRITE ${SITE}/sw-files.js.new "const CACHE_NAME = \"calcora-${version}\";\nconst FILES = [\n  ${names}\n];\n")
file(COPY_FILE ${SITE}/sw-files.js.new ${SITE}/sw-files.js ONLY_IF_DIFFERENT)
file(REMOVE ${SITE}/sw-files.js.new)
