# The test suite: unit tests of the shared code and program-level tests that run the real
# binaries in temporary directories. Registered with CTest through gtest_discover_tests.
find_package(GTest REQUIRED)
include(GoogleTest)

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
  tests/image/drawing_test.cpp
  tests/vemura/column_table_test.cpp
)
target_link_libraries(unit_tests PRIVATE test_support vemura_lib GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

add_executable(allocation_probe tests/io/allocation_probe.cpp $<TARGET_OBJECTS:allocation>)
target_link_libraries(allocation_probe PRIVATE common)

add_executable(program_tests
  tests/io/allocation_test.cpp
  tests/vemura/vemura_program_test.cpp
  tests/options/command_line_test.cpp
  tests/vemura/vemura_picture_test.cpp
  tests/vemura/aligner_files_test.cpp
  tests/vemura/malformed_input_test.cpp
  tests/image/vector_formats_test.cpp
  tests/image/text_clearance_test.cpp
  tests/install_test.cpp
  tests/valgrind_test.cpp
)
target_link_libraries(program_tests PRIVATE test_support GTest::gtest_main)
target_compile_definitions(program_tests PRIVATE SANITIZED_BUILD=$<BOOL:${SANITIZE}>)
add_dependencies(program_tests vemura dorvex allocation_probe)
gtest_discover_tests(program_tests DISCOVERY_TIMEOUT 60)

# The fuzz corpus replayed through the fuzz targets.
add_executable(fuzz_replay_tests tests/fuzz/replay_test.cpp)
target_link_libraries(fuzz_replay_tests PRIVATE fuzz_targets GTest::gtest_main)
target_compile_definitions(fuzz_replay_tests PRIVATE FUZZ_CORPUS_DIR="${CMAKE_SOURCE_DIR}/tests/fuzz/corpus")
gtest_discover_tests(fuzz_replay_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
