# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (the -posix ones, which give
# std::thread and std::mutex). Used for the SDL libraries and for the game itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(POLVAREDA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${POLVAREDA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${POLVAREDA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${POLVAREDA_MINGW}-windres)

# The cross prefixes holding the SDL libraries and Qt (POLVAREDA_WINDOWS_PREFIX, a list, from the
# command line or the environment) and the compiler's own root; nothing is ever taken from the
# build machine.
if(NOT POLVAREDA_WINDOWS_PREFIX AND DEFINED ENV{POLVAREDA_WINDOWS_PREFIX})
  set(POLVAREDA_WINDOWS_PREFIX $ENV{POLVAREDA_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${POLVAREDA_MINGW} ${POLVAREDA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into each program and library, so the distribution needs no compiler
# DLLs and the build-time tools run under Wine straight from the build folder. The standard
# libraries are forced cache entries that name the Windows system libraries as well: a plain
# variable would hide them on a first configure and lose them on the next one.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(POLVAREDA_WINDOWS_LIBRARIES
    "-lkernel32 -luser32 -lgdi32 -lwinspool -lshell32 -lole32 -loleaut32 -luuid -lcomdlg32 -ladvapi32")
set(CMAKE_CXX_STANDARD_LIBRARIES
    "-Wl,-Bstatic -lstdc++ -lwinpthread -Wl,-Bdynamic ${POLVAREDA_WINDOWS_LIBRARIES}"
    CACHE STRING "C++ libraries linked into every Windows program" FORCE)
set(CMAKE_C_STANDARD_LIBRARIES "-Wl,-Bstatic -lwinpthread -Wl,-Bdynamic ${POLVAREDA_WINDOWS_LIBRARIES}"
    CACHE STRING "C libraries linked into every Windows program" FORCE)
