# polvareda_recursos_windows(TARGET DESCRIPTION): on Windows, the program's icon (the game's),
# its version information and its manifest, compiled into it with windres. Elsewhere nothing.
set(POLVAREDA_RECURSOS_WINDOWS ${CMAKE_CURRENT_LIST_DIR})

function(polvareda_recursos_windows programa descripcion)
  if(NOT WIN32)
    return()
  endif()
  set(salida ${CMAKE_BINARY_DIR}/windows)
  set(POLVAREDA_RC_ICONO ${salida}/Polvareda.ico)
  if(NOT TARGET polvareda_icono_windows)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_custom_command(
      OUTPUT ${POLVAREDA_RC_ICONO}
      COMMAND Python3::Interpreter ${POLVAREDA_RECURSOS_WINDOWS}/icono.py
              ${PROJECT_SOURCE_DIR}/assets/pictures/icono.png ${POLVAREDA_RC_ICONO}
      DEPENDS ${POLVAREDA_RECURSOS_WINDOWS}/icono.py ${PROJECT_SOURCE_DIR}/assets/pictures/icono.png
      COMMENT "Windows icon"
      VERBATIM)
    add_custom_target(polvareda_icono_windows DEPENDS ${POLVAREDA_RC_ICONO})
  endif()
  # Windows wants four numbers; the project's version may give only two.
  set(POLVAREDA_RC_NUMEROS)
  foreach(parte MAJOR MINOR PATCH)
    if("${PROJECT_VERSION_${parte}}" STREQUAL "")
      list(APPEND POLVAREDA_RC_NUMEROS 0)
    else()
      list(APPEND POLVAREDA_RC_NUMEROS ${PROJECT_VERSION_${parte}})
    endif()
  endforeach()
  list(APPEND POLVAREDA_RC_NUMEROS 0)
  string(REPLACE ";" "," POLVAREDA_RC_VERSION "${POLVAREDA_RC_NUMEROS}")
  string(REPLACE ";" "." POLVAREDA_RC_VERSION_PUNTOS "${POLVAREDA_RC_NUMEROS}")
  set(POLVAREDA_RC_PROGRAMA ${programa})
  set(POLVAREDA_RC_DESCRIPCION ${descripcion})
  set(POLVAREDA_RC_MANIFIESTO ${salida}/${programa}.manifest)
  configure_file(${POLVAREDA_RECURSOS_WINDOWS}/programa.manifest.in ${POLVAREDA_RC_MANIFIESTO} @ONLY)
  configure_file(${POLVAREDA_RECURSOS_WINDOWS}/programa.rc.in ${salida}/${programa}.rc @ONLY)
  target_sources(${programa} PRIVATE ${salida}/${programa}.rc)
  set_source_files_properties(${salida}/${programa}.rc PROPERTIES
    OBJECT_DEPENDS "${POLVAREDA_RC_ICONO};${POLVAREDA_RC_MANIFIESTO}")
  add_dependencies(${programa} polvareda_icono_windows)
endfunction()
