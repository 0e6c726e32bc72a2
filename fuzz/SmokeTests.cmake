# Short runs of the fuzz targets of a clang tree (fuzz/build.sh) as CTest
# tests of this tree, when CALCORA_FUZZ_TREE names one.
set(CALCORA_FUZZ_TREE "" CACHE PATH "Built fuzz tree whose targets CTest runs briefly; empty: none")
set(CALCORA_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs under CTest")
if(CALCORA_FUZZ_TREE)
  foreach(target fuzz_fields fuzz_keys)
    add_test(NAME fuzz.${target}
             COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/run_target.sh ${CALCORA_FUZZ_TREE}/fuzz/${target}
                     ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target} ${CALCORA_FUZZ_SECONDS}
                     ${CMAKE_BINARY_DIR}/fuzz/corpus/${target} ${CMAKE_BINARY_DIR}/fuzz/findings)
    set_tests_properties(fuzz.${target} PROPERTIES LABELS fuzz TIMEOUT 300)
  endforeach()
endif()
