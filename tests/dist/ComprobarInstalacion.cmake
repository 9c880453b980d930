# Installs the build into a fresh prefix and checks the tree a package would hold: the
# programs, the data folder, the desktop entry and the AppStream file (both validated by the
# desktop's own validators), the icons, and that the installed game finds its data there.
#   cmake -DBUILD=<build dir> -DPREFIX=<empty folder> -DAPP_ID=<id> -P ComprobarInstalacion.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE r OUTPUT_QUIET)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${r}")
endif()

set(share ${PREFIX}/share)
foreach(f bin/Polvareda share/polvareda/LNG/Texto0.LNG share/polvareda/SND/Efecto0.SND
          share/polvareda/MUS/Tema1.MUS share/applications/${APP_ID}.desktop
          share/metainfo/${APP_ID}.metainfo.xml
          share/icons/hicolor/16x16/apps/${APP_ID}.png
          share/icons/hicolor/48x48/apps/${APP_ID}.png
          share/icons/hicolor/256x256/apps/${APP_ID}.png)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "missing from the installed tree: ${f}")
  endif()
endforeach()
if(EXISTS ${share}/polvareda/Polvareda.INI OR EXISTS ${share}/polvareda/Polvareda.DAT)
  message(FATAL_ERROR "a player's file was installed")
endif()

execute_process(COMMAND desktop-file-validate ${share}/applications/${APP_ID}.desktop
                RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
if(NOT r EQUAL 0 OR NOT o STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${r}\n${o}")
endif()
execute_process(COMMAND appstreamcli validate --pedantic --no-net --explain
                        ${share}/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${r}\n${o}")
endif()

# The installed game, started without --carpeta, finds its data in share/polvareda: its
# texts and pictures load and a headless run reaches the main menu.
file(WRITE ${share}/polvareda/Polvareda.INI "[Pantalla]\r\nDDraw=0\r\nAncho=256\r\nAlto=192\r\n")
file(WRITE ${PREFIX}/guion.txt "advance 6000\nstate ${PREFIX}/estado.json\n")
execute_process(COMMAND ${PREFIX}/bin/Polvareda --headless --guion ${PREFIX}/guion.txt
                RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
file(READ ${PREFIX}/estado.json estado)
if(NOT r EQUAL 0 OR NOT estado MATCHES "\"mode\": \"menu\"")
  message(FATAL_ERROR "the installed game did not run: ${r}\n${o}\n${estado}")
endif()
if(NOT EXISTS ${share}/polvareda/Polvareda.DAT)
  message(FATAL_ERROR "the installed game did not keep its scores beside its configuration")
endif()
file(REMOVE_RECURSE ${PREFIX})
