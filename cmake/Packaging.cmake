# The package an operator deploys: TAL-<version>-win64.zip with both programs, the sample
# settings file and the operator guide. `cpack` in the windows build folder makes it.
set(TAL_SAMPLE_SETTINGS ${PROJECT_BINARY_DIR}/generated/TAL.ini)
# Windows line ends for Notepad; the file has no @ references, so the text is copied unchanged.
configure_file(${PROJECT_SOURCE_DIR}/resources/TAL.ini ${TAL_SAMPLE_SETTINGS} @ONLY
               NEWLINE_STYLE CRLF)

install(TARGETS TAL settal RUNTIME DESTINATION .)
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

