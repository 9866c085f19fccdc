# ulvar_language_files(<plugin>): the plug-in's language files <plugin>_<language>.lng beside the
# programs, made from lang/<plugin>_<language>.txt of the calling folder (UTF-8 sources; the host
# reads OEM code pages: English 437, Russian 866), built whenever the plug-in is.
function(ulvar_language_files plugin)
  find_program(PYTHON3 python3 REQUIRED)
  set(converter ${PROJECT_SOURCE_DIR}/tools/to_oem.py)
  set(files)
  foreach(language_and_codepage en:cp437 ru:cp866)
    string(REPLACE ":" ";" parts ${language_and_codepage})
    list(GET parts 0 language)
    list(GET parts 1 codepage)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/lang/${plugin}_${language}.txt)
    set(target ${CMAKE_BINARY_DIR}/bin/${plugin}_${language}.lng)
    add_custom_command(OUTPUT ${target}
      COMMAND ${PYTHON3} ${converter} ${source} ${target} ${codepage}
      DEPENDS ${source} ${converter}
      COMMENT "Language file ${plugin}_${language}.lng (${codepage})")
    list(APPEND files ${target})
  endforeach()
  add_custom_target(${plugin}_language_files ALL DEPENDS ${files})
  add_dependencies(${plugin} ${plugin}_language_files)
endfunction()
