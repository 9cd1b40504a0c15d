# Run by CTest for tal_test_suites (TestSuites.cmake): lists the GoogleTest suites of a test
# program and adds one entry for each. The entries are kept in a file and listed again only when
# the program is newer than it.
function(tal_list_test_suites)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;EMULATOR;EXECUTABLE;WORKING_DIRECTORY;OUTPUT;PROPERTIES" "")
  if(NOT EXISTS "${arg_OUTPUT}" OR "${arg_EXECUTABLE}" IS_NEWER_THAN "${arg_OUTPUT}")
    # Cross-built programs run under the emulator; native ones have none.
    set(command ${arg_EMULATOR} "${arg_EXECUTABLE}")
    execute_process(COMMAND ${command} --gtest_list_tests
                    WORKING_DIRECTORY "${arg_WORKING_DIRECTORY}"
                    TIMEOUT 60
                    OUTPUT_VARIABLE listing
                    ERROR_VARIABLE errors
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      # An entry that fails, rather than none: suites that could not be listed have not passed.
      message(WARNING "${arg_NAME}: --gtest_list_tests failed (${status}): ${errors}")
      add_test("${arg_NAME}.list" false)
      return()
    endif()
    string(REPLACE "\r" "" listing "${listing}")
    string(REPLACE "\n" ";" lines "${listing}")
    set(entries "")
    foreach(line IN LISTS lines)
      # A suite's line is its name and a dot, with a type parameter after it for typed suites;
      # the cases follow, indented.
      if(line MATCHES "^([^ ]+)\\.( +#.*)?$")
        set(suite "${CMAKE_MATCH_1}")
        string(APPEND entries "add_test([==[${suite}]==]")
        foreach(word IN LISTS command)
          string(APPEND entries " [==[${word}]==]")
        endforeach()
        string(APPEND entries " [==[--gtest_filter=${suite}.*]==])\n"
               "set_tests_properties([==[${suite}]==] PROPERTIES ${arg_PROPERTIES})\n")
      endif()
    endforeach()
    if(entries STREQUAL "")
      message(WARNING "${arg_NAME}: no suites listed")
      add_test("${arg_NAME}.list" false)
      return()
    endif()
    file(WRITE "${arg_OUTPUT}" "${entries}")
  endif()
  include("${arg_OUTPUT}")
endfunction()
