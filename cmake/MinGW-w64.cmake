# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for Windows x86-64 with Debian's MinGW-w64 (posix threads, for std::thread and
# std::mutex):  cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TASTAVO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TASTAVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TASTAVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TASTAVO_MINGW}-windres)

# Libraries and headers come from the MinGW tree only, never from the build machine's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${TASTAVO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and the threads library go inside each executable: a program runs from any
# folder without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
