# lumvex_add_gtest(<name> SOURCES ... [LIBS ...] [PROPERTIES <prop> <value> ...]): a GoogleTest
# executable whose test cases CTest discovers and runs one by one (under wine64 in the x86_64
# build); PROPERTIES are set on every discovered case (e.g. RUN_SERIAL TRUE).
include(GoogleTest)

function(lumvex_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  set(T_PROPERTIES_ARG)
  if(T_PROPERTIES)
    set(T_PROPERTIES_ARG PROPERTIES ${T_PROPERTIES})
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
                       ${T_PROPERTIES_ARG})
endfunction()
