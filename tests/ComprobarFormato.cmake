# Fails when any C++ source of the project differs from what clang-format makes of it.
file(GLOB_RECURSE fuentes
  ${RAIZ}/common/*.cpp ${RAIZ}/common/*.h
  ${RAIZ}/game/*.cpp ${RAIZ}/game/*.h
  ${RAIZ}/setup/*.cpp ${RAIZ}/setup/*.h
  ${RAIZ}/tools/*.cpp ${RAIZ}/tools/*.h
  ${RAIZ}/tests/*.cpp ${RAIZ}/tests/*.h
  ${RAIZ}/bench/*.cpp ${RAIZ}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${fuentes}
  RESULT_VARIABLE resultado ERROR_VARIABLE salida)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "These files need clang-format -i:\n${salida}")
endif()
