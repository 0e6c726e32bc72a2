# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Short runs of this tree's fuzz targets as CTest tests, when it builds them
# (CALCORA_FUZZ, clang).
set(CALCORA_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs under CTest")
if(CALCORA_FUZZ)
  foreach(target fuzz_fields fuzz_keys)
    add_test(NAME fuzz.${target}
             COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/run_target.sh $<TARGET_FILE:${target}>
                     ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target} ${CALCORA_FUZZ_SECONDS}
                     ${CMAKE_BINARY_DIR}/fuzz/corpus/${target} ${CMAKE_BINARY_DIR}/fuzz/findings)
    set_tests_properties(fuzz.${target} PROPERTIES LABELS fuzz TIMEOUT 300 COST 20)
  endforeach()
endif()
