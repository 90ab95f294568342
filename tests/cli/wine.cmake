# The same process tests against abacone-calc.exe, run under Wine.
find_program(ABACONE_WINE wine)
find_program(ABACONE_WINESERVER NAMES wineserver PATHS /usr/lib/wine)
if(NOT TARGET abacone_calc_windows OR NOT ABACONE_WINE OR NOT ABACONE_WINESERVER)
  return()
endif()

set(ABACONE_WINE_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix)
set(wine_env ${CMAKE_CURRENT_BINARY_DIR}/wine-env)
configure_file(wine_env.sh.in ${wine_env} @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
set(calc_wine ${CMAKE_CURRENT_BINARY_DIR}/abacone-calc-wine)
file(CONFIGURE OUTPUT ${calc_wine}
  CONTENT "#!/bin/sh\nexec '${wine_env}' '${ABACONE_WINE}' '${ABACONE_CALC_EXE}' \"$@\"\n")
file(CHMOD ${calc_wine} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)

add_executable(cli_process_wine_test process_test.cpp run_process.cpp)
target_link_libraries(cli_process_wine_test PRIVATE GTest::gtest_main)
target_compile_definitions(cli_process_wine_test PRIVATE ABACONE_CALC="${calc_wine}")
add_dependencies(cli_process_wine_test abacone_calc_windows)
gtest_discover_tests(cli_process_wine_test TEST_PREFIX wine.
  DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES FIXTURES_REQUIRED wine LABELS wine)

set(prefix_script ${CMAKE_CURRENT_SOURCE_DIR}/wine_prefix.sh)
add_test(NAME wine_prefix_up COMMAND ${wine_env} sh ${prefix_script} up ${ABACONE_WINESERVER})
add_test(NAME wine_prefix_down COMMAND ${wine_env} sh ${prefix_script} down ${ABACONE_WINESERVER})
set_tests_properties(wine_prefix_up PROPERTIES FIXTURES_SETUP wine LABELS wine TIMEOUT 600)
set_tests_properties(wine_prefix_down PROPERTIES FIXTURES_CLEANUP wine LABELS wine)
