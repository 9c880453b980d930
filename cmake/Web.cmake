# The web build (emscripten): what every target and the game's page need.
# The game ends a game by throwing, so exceptions are on everywhere (else every throw aborts).
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# The build-time tools run through node with the real file system, as native tools would.
set(POLVAREDA_WEB_HERRAMIENTA -sNODERAWFS=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1)
# The game waits inside nested loops; ASYNCIFY turns each wait into a return to the browser
# and back, so the rules keep their shape. The runtime ends when the game does, so the page
# learns its exit code and can print a replay's trace. SDL's audio resumes the browser's
# sound on the player's first click or key (the two library functions it calls by name).
set(POLVAREDA_WEB_JUEGO -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=262144 -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
    -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
    "-sEXPORTED_RUNTIME_METHODS=[FS,callMain]"
    "SHELL:@${CMAKE_CURRENT_LIST_DIR}/web-funciones.rsp")

# Each build-time tool gets the node link options; the game gets its own.
function(polvareda_web_herramienta objetivo)
  target_link_options(${objetivo} PRIVATE ${POLVAREDA_WEB_HERRAMIENTA})
endfunction()

# The game names UTF-8 paths with std::filesystem::u8path, which this C++ library marks as
# deprecated in C++20 (the other compilers' libraries do not).
target_compile_options(polvareda_warnings INTERFACE -Wno-deprecated-declarations)
