# Windows tests run under Wine, in the environment that tests/wine/wine-env.sh sets up: one Xvfb
# display and Wine prefixes, made once per test run by a CTest fixture.

set(CALVORIN_WINE_DIR ${CMAKE_BINARY_DIR}/wine-env)
set(CALVORIN_WINE_ENV ${CMAKE_SOURCE_DIR}/tests/wine/wine-env.sh)

# calvorin_add_wine_test(NAME PREFIX COMMAND...): runs COMMAND with wine in the named prefix
# ("shell": virtual desktop with Wine's taskbar; "plain": no desktop, no taskbar; any other
# name: a private copy of the template prefix, made afresh for this test).
function(calvorin_add_wine_test name prefix)
  add_test(NAME ${name} COMMAND ${CALVORIN_WINE_ENV} run ${CALVORIN_WINE_DIR} ${prefix} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    RUN_SERIAL TRUE
    TIMEOUT 900
    ENVIRONMENT "CALVORIN_EXE=$<TARGET_FILE:calvorin>;CALVORIN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

# calvorin_use_stand_in_shell(TEST [TARGET]): the test starts the stand-in shell
# (tests/support/StandInShell.cpp) beside the program; TARGET, its executable, defaults to TEST.
function(calvorin_use_stand_in_shell test)
  set(target ${test})
  if(ARGC GREATER 1)
    set(target ${ARGV1})
  endif()
  add_dependencies(${target} stand_in_shell)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    "CALVORIN_STAND_IN_SHELL=$<TARGET_FILE:stand_in_shell>")
endfunction()
