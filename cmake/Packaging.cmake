# The package an operator deploys: TAL-<version>-win64.zip with the three programs, the sample
# settings file and the operator guide. `cpack` in the windows build folder makes it.
set(TAL_SAMPLE_SETTINGS ${PROJECT_BINARY_DIR}/generated/TAL.ini)
# Windows line ends for Notepad; the file has no @ references, so the text is copied unchanged.
configure_file(${PROJECT_SOURCE_DIR}/resources/TAL.ini ${TAL_SAMPLE_SETTINGS} @ONLY
               NEWLINE_STYLE CRLF)

install(TARGETS TAL settal talwatch RUNTIME DESTINATION .)
install(FILES ${TAL_SAMPLE_SETTINGS} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/docs/operator-guide.md
              ${PROJECT_SOURCE_DIR}/docs/operator-guide.en.md
        DESTINATION docs)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TAL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME TAL-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
# Unpacked, the files sit in one folder named like the package.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)

# The Group Policy templates travel in the ZIP as they do in the MSI.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/policy/ DESTINATION policy)

# The per-user MSI beside the ZIP, package/TAL-<version>-x64.msi, built with wixl (Debian's wixl
# and msitools; on a Windows build host without them the MSI is left out).
set(TAL_MSI ${PROJECT_BINARY_DIR}/package/TAL-${PROJECT_VERSION}-x64.msi)
set(TAL_MSI_WXS ${PROJECT_BINARY_DIR}/generated/TAL.wxs)
set(TAL_MSI_BUILD ${PROJECT_SOURCE_DIR}/installer/build-msi.sh)
# Every program of this list whose target exists once the whole project is configured joins it.
set(TAL_MSI_PROGRAMS TAL settal talwatch)
find_program(TAL_WIXL wixl)
find_program(TAL_MSIBUILD msibuild)
if(CMAKE_CROSSCOMPILING AND NOT (TAL_WIXL AND TAL_MSIBUILD))
  message(FATAL_ERROR "wixl and msibuild are missing: run scripts/setup")
endif()

function(tal_add_msi)
  if(NOT (TAL_WIXL AND TAL_MSIBUILD))
    return()
  endif()
  set(TAL_MSI_PROGRAM_COMPONENTS "")
  set(TAL_MSI_PROGRAM_REFS "")
  set(programs "")
  foreach(program IN LISTS TAL_MSI_PROGRAMS)
    if(TARGET ${program})
      string(APPEND TAL_MSI_PROGRAM_COMPONENTS
             "      <Component Id=\"Program_${program}\" Guid=\"*\">\n"
             "        <File Id=\"${program}.exe\" Name=\"${program}.exe\" Source=\"bin/${program}.exe\"\n"
             "              KeyPath=\"yes\" />\n"
             "      </Component>\n")
      string(APPEND TAL_MSI_PROGRAM_REFS "      <ComponentRef Id=\"Program_${program}\" />\n")
      list(APPEND programs ${program})
    endif()
  endforeach()
  # The watchdog starts the kiosk and restarts it; without one the kiosk starts by itself.
  if(TARGET talwatch)
    set(TAL_MSI_AUTOSTART_PROGRAM talwatch.exe)
  else()
    set(TAL_MSI_AUTOSTART_PROGRAM TAL.exe)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/installer/TAL.wxs.in ${TAL_MSI_WXS} @ONLY)
  file(GLOB_RECURSE policy_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/policy/*)
  add_custom_command(
    OUTPUT ${TAL_MSI}
    COMMAND ${TAL_MSI_BUILD} ${TAL_MSI_WXS} ${TAL_MSI} ${PROJECT_VERSION}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} ${TAL_SAMPLE_SETTINGS} ${PROJECT_SOURCE_DIR}/docs
            ${PROJECT_SOURCE_DIR}/policy
    DEPENDS ${programs} ${TAL_MSI_WXS} ${TAL_MSI_BUILD} ${TAL_SAMPLE_SETTINGS} ${policy_files}
            ${PROJECT_SOURCE_DIR}/docs/operator-guide.md
            ${PROJECT_SOURCE_DIR}/docs/operator-guide.en.md
    COMMENT "Building ${TAL_MSI}"
    VERBATIM)
  add_custom_target(msi ALL DEPENDS ${TAL_MSI})
  # For the test that installs it: the programs that it holds and the one that starts at sign-in.
  set_property(GLOBAL PROPERTY TAL_MSI_PROGRAMS_BUILT ${programs})
  set_property(GLOBAL PROPERTY TAL_MSI_AUTOSTART_PROGRAM ${TAL_MSI_AUTOSTART_PROGRAM})
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tal_add_msi)
