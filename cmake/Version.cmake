# The kit's version, the one place it is written: every binary's version resource and the release
# ZIP's name come from it. The product version is its first three numbers.
set(ULVAR_VERSION 2.1.6.2)

string(REPLACE "." "," ULVAR_VERSION_COMMAS ${ULVAR_VERSION})
string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" ULVAR_PRODUCT_VERSION ${ULVAR_VERSION})
set(ULVAR_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/UlvarVersion.h.in ${ULVAR_GENERATED_DIR}/UlvarVersion.h @ONLY)
# For the release script.
file(WRITE ${CMAKE_BINARY_DIR}/ulvar-version.txt "${ULVAR_VERSION}\n")

# ulvar_version_resource(TARGET DESCRIPTION): the target's version resource (file and product
# version, description, file names), English and Russian-neutral.
function(ulvar_version_resource target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(ULVAR_FILE_TYPE VFT_DLL)
    set(ULVAR_FILE_NAME ${target}.dll)
  else()
    set(ULVAR_FILE_TYPE VFT_APP)
    set(ULVAR_FILE_NAME ${target}.exe)
  endif()
  set(ULVAR_INTERNAL_NAME ${target})
  set(ULVAR_DESCRIPTION "${description}")
  set(rc ${ULVAR_GENERATED_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
