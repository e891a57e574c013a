# Cross-building for arm64 (aarch64) on a Debian-family amd64 machine with
# Debian's multiarch packages: the cross compilers of crossbuild-essential-arm64,
# the arm64 libraries (libgmp-dev:arm64, qt6-base-dev:arm64, ...) in
# /usr/lib/aarch64-linux-gnu, and Qt's code generators (moc, uic, rcc) from the
# amd64 qt6-base-dev-tools, which is Multi-Arch foreign. tools/cross-test.sh
# installs all of them.
#
#   cmake --preset arm64                                   (the library tests)
#   cmake -S . -B build/x -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.toolchain.cmake

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(PELLUMO_TARGET_TRIPLET aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${PELLUMO_TARGET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${PELLUMO_TARGET_TRIPLET}-g++)
# The multiarch folder: find_package and find_library look in
# /usr/lib/aarch64-linux-gnu (and its cmake/ folder) for the arm64 copies.
set(CMAKE_LIBRARY_ARCHITECTURE ${PELLUMO_TARGET_TRIPLET})

# Programs run on this machine, so they come from here; libraries, headers
# and CMake packages are the target's. Multiarch keeps both in one tree, so
# the root path is the machine's own and the architecture folder above does
# the choosing.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The arm64 pkg-config wrapper (pkgconf:arm64) reads the arm64 .pc files.
set(PKG_CONFIG_EXECUTABLE ${PELLUMO_TARGET_TRIPLET}-pkg-config CACHE FILEPATH "pkg-config of the target")

# Qt's host tools and their CMake packages are the build machine's.
if(CMAKE_HOST_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  set(pellumo_host_triplet x86_64-linux-gnu)
else()
  set(pellumo_host_triplet ${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu)
endif()
set(QT_HOST_PATH /usr CACHE PATH "Prefix of the build machine's Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${pellumo_host_triplet}/cmake CACHE PATH "CMake packages of the build machine's Qt")

# No binfmt_misc is assumed: CTest starts every arm64 test program through
# the user-mode emulator, which finds the arm64 loader and libraries under /
# (multiarch).
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
