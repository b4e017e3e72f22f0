# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 in its posix-threads flavour, which
# std::thread and std::mutex need. Everything links statically, the C++ runtime and winpthread
# too, so the programs run under Wine or on Windows with no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(quadrelle_mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${quadrelle_mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quadrelle_mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${quadrelle_mingw_triplet}-windres)

# Libraries and headers come from the MinGW tree only, never from the Linux host.
set(CMAKE_FIND_ROOT_PATH /usr/${quadrelle_mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Lets ctest (and test discovery) run the .exe files on Linux.
find_program(QUADRELLE_WINE wine)
if(QUADRELLE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUADRELLE_WINE})
endif()
