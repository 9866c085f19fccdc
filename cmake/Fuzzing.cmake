# ulvar_add_fuzzer(NAME SOURCES... LIBS... CORPUS DIR): a fuzz target over one reader of outside
# input, with its seed corpus in DIR (a folder of the repository).
#
# In the ordinary native build the target is linked with a small driver that feeds it every file of
# its corpus once, and that replay is a test: every input found once stays fixed. With
# -DULVAR_FUZZ=ON (a clang build, see tools/fuzz.sh) it is linked with libFuzzer for coverage-guided
# runs. The Windows build has no fuzz targets: the readers they cover are platform-free.
option(ULVAR_FUZZ "Build the fuzz targets with libFuzzer (clang)" OFF)
if(ULVAR_FUZZ)
  add_custom_target(fuzzers)
  add_compile_options(-fsanitize=fuzzer-no-link)
  file(WRITE ${CMAKE_BINARY_DIR}/fuzzers.txt "")
endif()

function(ulvar_add_fuzzer name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(ULVAR_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
    add_dependencies(fuzzers ${name})
    # tools/fuzz.sh reads the list of targets and their corpora from here.
    file(APPEND ${CMAKE_BINARY_DIR}/fuzzers.txt "${name} ${F_CORPUS}\n")
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tools/fuzz/ReplayMain.cpp)
    add_test(NAME ${name}_replay COMMAND ${name} ${F_CORPUS})
    set_tests_properties(${name}_replay PROPERTIES TIMEOUT 300 LABELS fuzz)
  endif()
endfunction()
