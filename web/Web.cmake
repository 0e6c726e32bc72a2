# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page: the same sources compiled by emscripten (emcmake) into a
# folder of static files, with the browser's frame loop and drawing shims of
# web/ in place of the desktop's main. Included from the top-level file.
set(CALCORA_WEB_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Folder the page's static files are written to")

# emscripten does not search the system's include folder; Boost is reached
# through a folder holding only a link to it.
set(CALCORA_BOOST_INCLUDE /usr/include/boost CACHE PATH "Boost's header folder")
set(boost_link_dir ${CMAKE_BINARY_DIR}/boost-link)
file(MAKE_DIRECTORY ${boost_link_dir})
file(CREATE_LINK ${CALCORA_BOOST_INCLUDE} ${boost_link_dir}/boost SYMBOLIC)
target_include_directories(calcora_platform SYSTEM PUBLIC ${boost_link_dir})
# Built without exception handling (the program catches none; a throw ends it
# either way) and for size (scripts/web builds MinSizeRel): the page's files
# stay within their budget.

calcora_core_library(calcora_core ON)
# Optimised for size as one whole program (link-time optimisation), with
# emscripten's small allocator: with the practice problems' generators and
# checkers, this keeps the page's files within their budget.
target_compile_options(calcora_platform PUBLIC -flto -Oz)

# The pictures and the page's icons recompressed losslessly (every pixel
# stays as it was); the pictures are packed into calcora.data.
find_program(OPTIPNG optipng REQUIRED)
find_program(PYFTSUBSET pyftsubset REQUIRED)
function(calcora_small_pngs folder out)
  set(small "")
  foreach(png ${ARGN})
    get_filename_component(name ${png} NAME)
    add_custom_command(OUTPUT ${folder}/${name}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      # optipng keeps an existing output as name.bak, which would be packed too.
      COMMAND ${CMAKE_COMMAND} -E rm -f ${folder}/${name}
      COMMAND ${OPTIPNG} -quiet -o2 -clobber -out ${folder}/${name} ${png}
      DEPENDS ${png} VERBATIM)
    list(APPEND small ${folder}/${name})
  endforeach()
  set(${out} ${small} PARENT_SCOPE)
endfunction()
file(GLOB CALCORA_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/images/*.png)
set(web_images ${CMAKE_BINARY_DIR}/web-images)
calcora_small_pngs(${web_images} small_images ${CALCORA_IMAGES})
add_custom_target(calcora_web_images DEPENDS ${small_images})

add_executable(calcora web/WebMain.cpp web/WebShims.cpp)
target_link_libraries(calcora PRIVATE calcora_core)
# Linked with -Os, not -Oz: at -Oz emscripten brings a C library whose block
# copy moves one byte at a time, and a prime listing copies 600 kB a few times.
target_link_options(calcora PRIVATE -flto -Os -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  -sEXPORTED_RUNTIME_METHODS=FS,UTF8ToString,ccall
  --preload-file ${web_images}@images --use-preload-plugins)
add_dependencies(calcora calcora_web_images)
set_property(TARGET calcora APPEND PROPERTY LINK_DEPENDS ${small_images})
set_target_properties(calcora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CALCORA_WEB_DIR})

# The manifest, the icons, the font cut down to the characters the program
# draws (printable ASCII, and the letters a pupil's name may hold: Latin-1's
# and Latin Extended-A's, Polish ones among them, and Romanian's comma-below
# letters, as nameCharacter in practice/ClassFile.cpp takes them) as WOFF2,
# and last, on every build, the page with the program's version and the
# service worker with every file's hash.
file(GLOB CALCORA_PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/page/*.webmanifest)
file(GLOB CALCORA_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/page/*.png)
calcora_small_pngs(${CMAKE_BINARY_DIR}/web-icons small_icons ${CALCORA_ICONS})
set(CALCORA_WEB_FONT ${CALCORA_WEB_DIR}/calcora.woff2)
add_custom_command(OUTPUT ${CALCORA_WEB_FONT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CALCORA_WEB_DIR}
  COMMAND ${PYFTSUBSET} ${CALCORA_FONT_SOURCE} --unicodes=U+0020-007E,U+00C0-017F,U+0218-021B --flavor=woff2
          --output-file=${CALCORA_WEB_FONT}
  DEPENDS ${CALCORA_FONT_SOURCE} VERBATIM)
add_custom_target(calcora_page ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CALCORA_PAGE_FILES} ${small_icons} ${CALCORA_WEB_DIR}/
  COMMAND ${CMAKE_COMMAND} -E rm -f ${CALCORA_WEB_DIR}/ARIAL.TTF ${CALCORA_WEB_DIR}/sw-files.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${CALCORA_WEB_DIR} -DTEMPLATE=${CMAKE_SOURCE_DIR}/web/sw.js.in
          -DPAGE=${CMAKE_SOURCE_DIR}/web/page/index.html -P ${CMAKE_SOURCE_DIR}/web/Version.cmake
  DEPENDS ${small_icons} ${CALCORA_WEB_FONT} ${CMAKE_SOURCE_DIR}/web/page/index.html
  COMMENT "Laying out the web page" VERBATIM)
add_dependencies(calcora_page calcora)

# tools/request_times.cpp as WebAssembly for Node.js, built on request only:
# `cmake --build build/web-tree --target calcora_request_times`, then
# `node build/web-tree/calcora_request_times.js`.
add_executable(calcora_request_times EXCLUDE_FROM_ALL tools/request_times.cpp)
target_link_libraries(calcora_request_times PRIVATE calcora_core)
target_link_options(calcora_request_times PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1)
