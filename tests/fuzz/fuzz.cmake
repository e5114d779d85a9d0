# Fuzz targets: a library of target functions (replayed by the test suite), and, in a fuzz build
# (-DFUZZ=ON with clang), one libFuzzer program per target: fuzz_options, fuzz_flags,
# fuzz_alignment, fuzz_matrix, fuzz_groups, fuzz_vemura, fuzz_dorvex. tests/fuzz/run.sh builds and runs them.
add_library(fuzz_targets STATIC tests/fuzz/fuzz_targets.cpp)
target_link_libraries(fuzz_targets PUBLIC vemura_lib dorvex_lib)
target_include_directories(fuzz_targets PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(fuzz_targets PRIVATE FUZZ_DATA_DIR="${CMAKE_SOURCE_DIR}/data")

if(FUZZ)
  foreach(target options flags alignment matrix groups vemura dorvex)
    add_executable(fuzz_${target} tests/fuzz/libfuzzer_entry.cpp)
    target_compile_definitions(fuzz_${target} PRIVATE FUZZ_TARGET=fuzz_${target})
    target_link_libraries(fuzz_${target} PRIVATE fuzz_targets)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()
