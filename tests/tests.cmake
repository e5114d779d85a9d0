# The test suite: unit tests of the shared code and program-level tests that run the real
# binaries in temporary directories.
find_package(GTest REQUIRED)

# Registers a test binary with CTest as count shards ("NAME:2/4"), through GoogleTest's own
# sharding. One CTest entry per test would start a process per test, and under the sanitizers
# that start costs more than most tests. A failing shard prints the failing tests by name; run
# one with the binary itself, e.g. build/program_tests --gtest_filter='Help.*'.
function(add_gtest_shards target count)
  foreach(index RANGE 1 ${count})
    math(EXPR zero_based "${index} - 1")
    add_test(NAME ${target}:${index}/${count} COMMAND ${target})
    set_tests_properties(${target}:${index}/${count} PROPERTIES
      ENVIRONMENT "GTEST_TOTAL_SHARDS=${count};GTEST_SHARD_INDEX=${zero_based}" ${ARGN})
  endforeach()
endfunction()

configure_file(${CMAKE_SOURCE_DIR}/tests/support/test_paths.h.in
               ${CMAKE_BINARY_DIR}/generated/test_paths.h @ONLY)

add_library(test_support STATIC
  tests/support/program_runner.cpp
  tests/support/png_picture.cpp
  tests/support/svg_texts.cpp
)
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(test_support PUBLIC common GTest::gtest)

add_executable(unit_tests
  tests/options/prog_options_test.cpp
  tests/io/file_output_test.cpp
  tests/io/byte_source_test.cpp
  tests/alignment/align_reader_test.cpp
  tests/alignment/align_formats_test.cpp
  tests/analysis/weight_matrix_test.cpp
  tests/analysis/color_groups_test.cpp
  tests/surface/drawing_test.cpp
  tests/pictures/colour_schemes_test.cpp
  tests/vemura/column_table_test.cpp
)
target_link_libraries(unit_tests PRIVATE test_support vemura_lib GTest::gtest_main)
add_gtest_shards(unit_tests 1)

add_executable(allocation_probe tests/io/allocation_probe.cpp $<TARGET_OBJECTS:allocation>)
target_link_libraries(allocation_probe PRIVATE common)

add_executable(program_tests
  tests/io/allocation_test.cpp
  tests/vemura/vemura_program_test.cpp
  tests/options/command_line_test.cpp
  tests/vemura/vemura_picture_test.cpp
  tests/vemura/aligner_files_test.cpp
  tests/vemura/malformed_input_test.cpp
  tests/surface/vector_formats_test.cpp
  tests/pictures/text_clearance_test.cpp
  tests/install_test.cpp
  tests/valgrind_test.cpp
)
target_link_libraries(program_tests PRIVATE test_support GTest::gtest_main)
target_compile_definitions(program_tests PRIVATE SANITIZED_BUILD=$<BOOL:${SANITIZE}>)
add_dependencies(program_tests vemura dorvex allocation_probe)
add_gtest_shards(program_tests 8)

# The fuzz corpus replayed through the fuzz targets.
add_executable(fuzz_replay_tests tests/fuzz/replay_test.cpp)
target_link_libraries(fuzz_replay_tests PRIVATE fuzz_targets GTest::gtest_main)
target_compile_definitions(fuzz_replay_tests PRIVATE FUZZ_CORPUS_DIR="${CMAKE_SOURCE_DIR}/tests/fuzz/corpus")
add_gtest_shards(fuzz_replay_tests 3 TIMEOUT 600)
