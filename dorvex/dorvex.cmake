# dorvex: compares two alignments of the same sequences. Its logic is a library so that the
# tests can reach it; the program is placed at the top of the build tree (build/dorvex).
add_library(dorvex_lib STATIC
  dorvex/correspondence.cpp
  dorvex/mismatch_report.cpp
  dorvex/comparison_strip.cpp
  dorvex/comparison_page.cpp
  dorvex/comparison_image.cpp
  dorvex/agreement_image.cpp
  dorvex/agreement_ramp.cpp
  dorvex/methods_image.cpp
  dorvex/methods_run.cpp
  dorvex/method_names.cpp
  dorvex/dense_rows.cpp
  dorvex/agreement.cpp
  dorvex/agreement_tables.cpp
  dorvex/alignment_input.cpp
  dorvex/pairing.cpp
  dorvex/dorvex_pictures.cpp
  dorvex/dorvex_run.cpp
)
target_link_libraries(dorvex_lib PUBLIC common)

add_executable(dorvex dorvex/main.cpp $<TARGET_OBJECTS:allocation>)
target_link_libraries(dorvex PRIVATE dorvex_lib)

install(TARGETS dorvex RUNTIME DESTINATION bin)

if(BUILD_TESTING)
  add_executable(dorvex_tests
    tests/dorvex/correspondence_test.cpp
    tests/dorvex/agreement_test.cpp
    tests/dorvex/mismatch_report_test.cpp
    tests/dorvex/dorvex_program_test.cpp
    tests/dorvex/comparison_strip_test.cpp
    tests/dorvex/dorvex_picture_test.cpp
  )
  target_link_libraries(dorvex_tests PRIVATE test_support dorvex_lib GTest::gtest_main)
  add_dependencies(dorvex_tests dorvex)
  add_gtest_shards(dorvex_tests 2)
endif()
