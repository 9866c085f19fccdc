# GoogleTest from Debian's source package, zlib, and nlohmann-json (header only, so it serves
# the Windows build too through a folder that holds nothing but its headers).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(TARGET gtest AND NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()

# A user's Windows has no zlib1.dll: the Windows build links zlib's static library.
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

set(ULVAR_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third-party-include)
file(MAKE_DIRECTORY ${ULVAR_JSON_INCLUDE})
file(CREATE_LINK /usr/include/nlohmann ${ULVAR_JSON_INCLUDE}/nlohmann SYMBOLIC)
add_library(ulvar_json INTERFACE)
target_include_directories(ulvar_json SYSTEM INTERFACE ${ULVAR_JSON_INCLUDE})
