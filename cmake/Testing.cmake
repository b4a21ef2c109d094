# lumvex_add_gtest(<name> SOURCES ... [LIBS ...]): a GoogleTest executable whose test cases
# CTest discovers and runs one by one (under wine64 in the x86_64 build).
include(GoogleTest)

function(lumvex_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endfunction()
