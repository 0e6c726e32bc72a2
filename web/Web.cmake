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
target_compile_options(calcora_platform PUBLIC -fexceptions)

calcora_core_library(calcora_core ON)

add_executable(calcora web/WebMain.cpp web/WebShims.cpp)
target_link_libraries(calcora PRIVATE calcora_core)
target_link_options(calcora PRIVATE -fexceptions -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  -sEXPORTED_RUNTIME_METHODS=FS,UTF8ToString,ccall
  --preload-file ${CMAKE_SOURCE_DIR}/images@images --use-preload-plugins)
set_target_properties(calcora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CALCORA_WEB_DIR})

# The page, its service worker (which caches every file of the folder, listed
# at build time) and manifest, and the font the page declares.
file(GLOB CALCORA_PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/page/*)
add_custom_command(TARGET calcora POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CALCORA_PAGE_FILES} ${CALCORA_WEB_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CALCORA_FONT_SOURCE} ${CALCORA_WEB_DIR}/ARIAL.TTF
  COMMAND ${CMAKE_COMMAND} -DSITE=${CALCORA_WEB_DIR} -P ${CMAKE_SOURCE_DIR}/web/ListFiles.cmake
  COMMENT "Laying out the web page")

# tools/request_times.cpp as WebAssembly for Node.js, built on request only:
# `cmake --build build/web-tree --target calcora_request_times`, then
# `node build/web-tree/calcora_request_times.js`.
add_executable(calcora_request_times EXCLUDE_FROM_ALL tools/request_times.cpp)
target_link_libraries(calcora_request_times PRIVATE calcora_core)
target_link_options(calcora_request_times PRIVATE -fexceptions -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1)
