# ulvar_add_plugin(NAME <name> ENTRY_POINTS <entry point>... LIBS <library>... [FILES <file>...]
#                  [DESCRIPTION <text>])
#
# A plug-in for Ulvar: <name>.dll exporting exactly the entry points named (the kit's exports,
# plugin-host/kit/dll/Exports.cpp, over the plug-in that the libraries define with
# ulvar::kit::LibraryPlugin()), with beside it the language files <name>_en.lng and
# <name>_ru.lng made from lang/<name>_en.txt and lang/<name>_ru.txt of the calling folder (UTF-8
# sources; the host reads the console's OEM code pages: English 437, Russian 866), and the FILES
# (paths relative to the calling folder) copied. The native build makes the language files and
# copies the files only, for the plug-in's platform-free tests. The DLL's version resource carries
# the kit's version and the DESCRIPTION ("<name> plug-in for Ulvar" when none is given).

set(ULVAR_ENTRY_POINTS
  SetStartupInfo GetPluginInfo OpenPlugin ClosePlugin GetOpenPluginInfo GetFindData FreeFindData
  SetDirectory GetFiles PutFiles DeleteFiles ProcessKey ProcessEvent Compare Configure ExitUlvar)

function(ulvar_add_plugin)
  cmake_parse_arguments(P "" "NAME;DESCRIPTION" "ENTRY_POINTS;LIBS;FILES" ${ARGN})
  if(NOT P_NAME OR NOT P_ENTRY_POINTS)
    message(FATAL_ERROR "ulvar_add_plugin: NAME and ENTRY_POINTS are required")
  endif()
  set(bin ${CMAKE_BINARY_DIR}/bin)

  find_program(PYTHON3 python3 REQUIRED)
  set(converter ${PROJECT_SOURCE_DIR}/tools/to_oem.py)
  set(beside)
  foreach(language_and_codepage en:cp437 ru:cp866)
    string(REPLACE ":" ";" parts ${language_and_codepage})
    list(GET parts 0 language)
    list(GET parts 1 codepage)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/lang/${P_NAME}_${language}.txt)
    set(target ${bin}/${P_NAME}_${language}.lng)
    add_custom_command(OUTPUT ${target}
      COMMAND ${PYTHON3} ${converter} ${source} ${target} ${codepage}
      DEPENDS ${source} ${converter}
      COMMENT "Language file ${P_NAME}_${language}.lng (${codepage})")
    list(APPEND beside ${target})
  endforeach()
  foreach(file ${P_FILES})
    get_filename_component(file_name ${file} NAME)
    add_custom_command(OUTPUT ${bin}/${file_name}
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${bin}/${file_name}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
      COMMENT "${file_name} beside ${P_NAME}.dll")
    list(APPEND beside ${bin}/${file_name})
  endforeach()
  add_custom_target(${P_NAME}_files ALL DEPENDS ${beside})

  if(NOT WIN32)
    return()
  endif()
  set(exports)
  foreach(entry ${P_ENTRY_POINTS})
    if(NOT entry IN_LIST ULVAR_ENTRY_POINTS)
      message(FATAL_ERROR "ulvar_add_plugin(${P_NAME}): ${entry} is no entry point of the host")
    endif()
    list(APPEND exports ULVAR_EXPORTS_${entry})
  endforeach()
  add_library(${P_NAME} SHARED ${PROJECT_SOURCE_DIR}/plugin-host/kit/dll/Exports.cpp)
  target_compile_definitions(${P_NAME} PRIVATE ${exports})
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS} ulvar_plugin_kit)
  set_target_properties(${P_NAME} PROPERTIES
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${bin}
    LIBRARY_OUTPUT_DIRECTORY ${bin})
  add_dependencies(${P_NAME} ${P_NAME}_files)
  if(NOT P_DESCRIPTION)
    set(P_DESCRIPTION "${P_NAME} plug-in for Ulvar")
  endif()
  ulvar_version_resource(${P_NAME} "${P_DESCRIPTION}")
endfunction()
