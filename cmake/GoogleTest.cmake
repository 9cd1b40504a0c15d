# GoogleTest and GoogleMock for the test programs, as GTest::gtest, GTest::gmock and
# GTest::gtest_main, and what every piece of test code shares (tal_test_code, tal_test_program).
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest built for the host only; for MinGW-w64 it is built here from Debian's
  # sources. This is the one place that knows where they are.
  set(TAL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, for the cross build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${TAL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Test code needs no optimisation: -O0 compiles the heavy templates several times faster.
  foreach(target gtest gtest_main gmock)
    target_compile_options(${target} PRIVATE -O0)
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# Code of the tests, shipped nowhere, is compiled as a few unity files per program (so the
# file-local names of one program's files must differ), and in the cross build without
# optimisation (the shipped programs stay MinSizeRel). Each roughly halves the CPU time of the
# test code, which goes mostly to GoogleTest's headers and templates.
function(tal_test_code target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
  if(CMAKE_CROSSCOMPILING)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# A GoogleTest program of this project.
function(tal_test_program target)
  target_link_libraries(${target} PRIVATE GTest::gmock GTest::gtest_main tal_warnings)
  tal_test_code(${target})
endfunction()
