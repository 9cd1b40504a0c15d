# The version of both programs for their version resources: Version.h, generated from the
# project version, and the target that puts it on the resource compiler's include path.
configure_file(${PROJECT_SOURCE_DIR}/resources/Version.h.in
               ${PROJECT_BINARY_DIR}/generated/Version.h @ONLY)
add_library(tal_version INTERFACE)
target_include_directories(tal_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

# The resource compiler leaves no dependency file: name the files that a program's .rc includes.
function(tal_version_resource rc_file)
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS
    "${PROJECT_SOURCE_DIR}/resources/VersionInfo.rc;${PROJECT_BINARY_DIR}/generated/Version.h")
endfunction()
