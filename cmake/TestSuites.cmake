# The test programs as CTest sees them: one entry for each GoogleTest suite of a program, so that
# a suite of many cases or rows costs one start of the program (under Wine, or under the
# sanitizers), not one per case. Listing the suites of a cross-built program needs Wine too, so it
# happens when CTest runs (see TestSuitesList.cmake).
#
#   tal_test_suites(target [LABEL label] [DESKTOP] [LONG] [ENVIRONMENT var=value...]
#                   [SMOKE Suite.Case...])
#
# A cross-built program runs in one of the Wine sessions that CTest's resource file lists
# (cmake/wine-*-session*.json): with DESKTOP it holds the session's desktop alone, since its
# suites open windows, post to every window or share focus, taskbar and lockdown values;
# otherwise it takes a share of a session. LONG suites start before the others (CTest runs the
# costliest first), so that a fresh build's run, which has no timings yet, does not end on them.
# SMOKE cases also make one entry `<target>.smoke`, labelled `smoke` alone, for the quick loop
# (`scripts/test --quick`); it passes only when every one of them ran and passed.
set(TAL_TEST_SUITES_LIST ${CMAKE_CURRENT_LIST_DIR}/TestSuitesList.cmake)

function(tal_test_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "DESKTOP;LONG" "LABEL" "ENVIRONMENT;SMOKE")
  set(properties "WORKING_DIRECTORY [==[${CMAKE_CURRENT_BINARY_DIR}]==]")
  if(arg_LABEL)
    string(APPEND properties " LABELS [==[${arg_LABEL}]==]")
  endif()
  if(arg_LONG)
    string(APPEND properties " COST 1000")
  endif()
  set(resources "")
  if(CMAKE_CROSSCOMPILING)
    if(arg_DESKTOP)
      set(resources desktop:1)
    else()
      set(resources session:1)
    endif()
    string(APPEND properties " RESOURCE_GROUPS [==[${resources}]==]")
  endif()
  if(arg_ENVIRONMENT)
    string(APPEND properties " ENVIRONMENT [==[${arg_ENVIRONMENT}]==]")
  endif()

  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
  file(GENERATE OUTPUT ${include_file} CONTENT
"include([==[${TAL_TEST_SUITES_LIST}]==])
tal_list_test_suites(NAME [==[${target}]==]
                     EMULATOR [==[${CMAKE_CROSSCOMPILING_EMULATOR}]==]
                     EXECUTABLE [==[$<TARGET_FILE:${target}>]==]
                     WORKING_DIRECTORY [==[${CMAKE_CURRENT_BINARY_DIR}]==]
                     OUTPUT [==[${list_file}]==]
                     PROPERTIES [===[${properties}]===])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})

  if(arg_SMOKE)
    list(JOIN arg_SMOKE ":" filter)
    list(LENGTH arg_SMOKE count)
    add_test(NAME ${target}.smoke COMMAND ${target} --gtest_filter=${filter})
    # A renamed case would be filtered out silently: the count must match.
    set_tests_properties(${target}.smoke PROPERTIES
                         LABELS smoke
                         PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] ${count} tests?\\."
                         FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
    if(resources)
      set_tests_properties(${target}.smoke PROPERTIES RESOURCE_GROUPS ${resources})
    endif()
    if(arg_ENVIRONMENT)
      set_tests_properties(${target}.smoke PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
  endif()
endfunction()
