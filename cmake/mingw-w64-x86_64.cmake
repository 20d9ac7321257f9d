# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. Used for the
# static Qt that scripts/windows-qt.sh builds as well as for evdrive itself, so
# that both come from the same compiler and flags: changing this file makes
# scripts/windows-qt.sh build Qt anew.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: the win32 one lacks std::thread and std::mutex.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Appended rather than set, so that a Qt prefix given on the command line
# (-DCMAKE_FIND_ROOT_PATH=...) stays searchable.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
# Libraries, headers and packages only from the Windows side: the machine's
# own Qt must never be picked up in their place. Programs run on the machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC runtime, libstdc++ and winpthreads linked in: the programs then need
# no DLLs beside the ones Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
