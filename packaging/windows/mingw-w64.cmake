# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# so that std::thread and std::mutex work). The libraries come from the
# prefix that scripts/windows.sh builds; SZ_WINDOWS_PREFIX names it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

set(SZ_WINDOWS_PREFIX "$ENV{SZ_WINDOWS_PREFIX}" CACHE PATH "Prefix of the cross-built libraries")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${SZ_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${SZ_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything is linked statically: the program is one file with no DLLs
# beside it, so pkg-config has to name the libraries' own dependencies too.
set(PKG_CONFIG_ARGN --static CACHE STRING "")
set(ENV{PKG_CONFIG_LIBDIR} "${SZ_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
