# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (the -posix ones, which give
# std::thread and std::mutex). Used for the SDL libraries and for the game itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(POLVAREDA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${POLVAREDA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${POLVAREDA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${POLVAREDA_MINGW}-windres)

# The cross prefix holding the SDL libraries (POLVAREDA_WINDOWS_PREFIX, from the command line or
# the environment) and the compiler's own root; nothing is ever taken from the build machine.
if(NOT POLVAREDA_WINDOWS_PREFIX AND DEFINED ENV{POLVAREDA_WINDOWS_PREFIX})
  set(POLVAREDA_WINDOWS_PREFIX $ENV{POLVAREDA_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${POLVAREDA_MINGW} ${POLVAREDA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into each program, so the distribution needs no compiler DLLs and
# the build-time tools run under Wine straight from the build folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_CXX_STANDARD_LIBRARIES "-Wl,-Bstatic -lstdc++ -lwinpthread -Wl,-Bdynamic")
set(CMAKE_C_STANDARD_LIBRARIES "-Wl,-Bstatic -lwinpthread -Wl,-Bdynamic")
