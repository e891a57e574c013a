# Cross-building the 64-bit Windows program on a Debian-family machine with
# Debian's MinGW-w64 compilers (POSIX thread model: Qt 6 needs it) against the
# Windows SDK: Qt and GMP built for x86_64-w64-mingw32, unpacked into one
# folder with qt-win/ and gmp-win/ (tools/windows/build.sh unpacks the shared
# archive; tools/windows/build-sdk.sh rebuilds it from Debian's sources).
#
#   cmake --preset windows          (SDK in build/win-sdk)
#   cmake --preset windows -DPELLUMO_WIN_SDK=/some/where
#
# Qt's code generators (moc, uic, rcc) are the machine's own Qt 6.4.2.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PELLUMO_TARGET_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PELLUMO_TARGET_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELLUMO_TARGET_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PELLUMO_TARGET_TRIPLET}-windres)

set(PELLUMO_WIN_SDK "${CMAKE_CURRENT_LIST_DIR}/../build/win-sdk" CACHE PATH
    "Folder holding the Windows builds of Qt (qt-win/) and GMP (gmp-win/)")
get_filename_component(PELLUMO_WIN_SDK "${PELLUMO_WIN_SDK}" ABSOLUTE)
if(NOT EXISTS "${PELLUMO_WIN_SDK}/qt-win/lib/cmake/Qt6/Qt6Config.cmake"
   OR NOT EXISTS "${PELLUMO_WIN_SDK}/gmp-win/lib/pkgconfig/gmpxx.pc")
  message(FATAL_ERROR "No Windows SDK in ${PELLUMO_WIN_SDK} (qt-win/ and gmp-win/): "
                      "tools/windows/build.sh unpacks it, tools/windows/build-sdk.sh builds it")
endif()
# try_compile projects load this file again and need the same folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PELLUMO_WIN_SDK)

# Libraries, headers and CMake packages come only from the SDK and the
# compiler's own tree; programs run on this machine.
set(CMAKE_FIND_ROOT_PATH "${PELLUMO_WIN_SDK}/qt-win" "${PELLUMO_WIN_SDK}/gmp-win"
    /usr/${PELLUMO_TARGET_TRIPLET})
set(CMAKE_PREFIX_PATH "${PELLUMO_WIN_SDK}/qt-win")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GMP's .pc files name the prefix it was built in; --define-prefix takes the
# folder they are in instead, and only the SDK's .pc files are read.
set(ENV{PKG_CONFIG_LIBDIR} "${PELLUMO_WIN_SDK}/gmp-win/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --define-prefix)

# Qt's host tools and their CMake packages are the build machine's.
set(QT_HOST_PATH /usr CACHE PATH "Prefix of the build machine's Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of the build machine's Qt")

# CTest starts every test program through Wine, with the SDK's DLLs on its
# path (tools/windows/wine-run.sh).
get_filename_component(pellumo_wine_run "${CMAKE_CURRENT_LIST_DIR}/../tools/windows/wine-run.sh" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env "PELLUMO_WIN_SDK=${PELLUMO_WIN_SDK}" ${pellumo_wine_run})
