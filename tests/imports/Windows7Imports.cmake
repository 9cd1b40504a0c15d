# Fails when a shipped program imports a function that Windows 7 SP1 does not have: such a program
# does not even start there. Those functions are looked up at run time instead (win32/Dpi).
#   cmake -DOBJDUMP=<objdump> -DPROGRAMS=<exe>|<exe>... -P Windows7Imports.cmake
set(newer_than_windows7
    AdjustWindowRectExForDpi
    AreDpiAwarenessContextsEqual
    EnableNonClientDpiScaling
    GetDpiForSystem
    GetDpiForWindow
    GetSystemMetricsForDpi
    GetThreadDpiAwarenessContext
    SetThreadDpiAwarenessContext
    SystemParametersInfoForDpi)

string(REPLACE "|" ";" programs "${PROGRAMS}")
set(found "")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${OBJDUMP}" -p "${program}" OUTPUT_VARIABLE table
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot read the import table of ${program}")
  endif()
  if(NOT table MATCHES "DLL Name: USER32.dll")
    message(FATAL_ERROR "no imports from USER32.dll found in ${program}: objdump output changed?")
  endif()
  foreach(function IN LISTS newer_than_windows7)
    # An import line ends with the function's name after its hint.
    if(table MATCHES "[ \t]${function}\n")
      list(APPEND found "${program}: ${function}")
    endif()
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n  " lines)
  message(FATAL_ERROR "imports newer than Windows 7 SP1:\n  ${lines}")
endif()
list(LENGTH programs count)
message(STATUS "${count} programs import nothing newer than Windows 7 SP1")
