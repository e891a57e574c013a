#!/usr/bin/env bash
# Builds the Debian package of the release program, build/package/pellumo_<version>_<arch>.deb,
# and checks it with lintian when lintian is installed.
#
#   tools/package.sh                                        # the default addresses
#   tools/package.sh -DPELLUMO_UPDATE_URL=http://192.168.1.10:8000   # cmake options pass through
#   tools/package.sh --arch arm64                           # cross-built for arm64 (aarch64):
#                                                           # build/package-arm64/pellumo_<version>_arm64.deb
#   tools/package.sh --arch win64                           # the Windows installer (tools/windows/package.sh):
#                                                           # build/package-win64/pellumo-<version>-win64-setup.exe
#
# The arm64 package needs the cross compilers and the arm64 libraries that
# tools/cross-test.sh installs (tools/packages.sh, PELLUMO_ARM64_PACKAGES).
set -euo pipefail
cd "$(dirname "$0")/.."
arch=
if [ "${1:-}" = --arch ]; then
    arch=${2:?"--arch needs amd64, arm64 or win64"}
    shift 2
fi
if [ "$arch" = win64 ]; then
    exec tools/windows/package.sh
fi
source tools/packages.sh
# dpkg-dev: dpkg-shlibdeps (the library dependencies) and dpkg-buildflags;
# file: how CPack tells the programs and libraries in the package apart.
ensure_packages dpkg-dev file

native_arch=$(dpkg --print-architecture)
build=build/package
cross=()
case "${arch:-$native_arch}" in
    "$native_arch") ;;
    arm64)
        ensure_arm64_packages
        build=build/package-arm64
        # GNUInstallDirs picks Debian's multiarch library folder only for a
        # native build: the program folder is /usr/lib/aarch64-linux-gnu/pellumo,
        # as the native package's is /usr/lib/x86_64-linux-gnu/pellumo.
        cross=(-DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.toolchain.cmake
               -DCMAKE_INSTALL_LIBDIR=lib/aarch64-linux-gnu)
        # The target's flags (dpkg-buildflags knows them by architecture).
        export DEB_HOST_ARCH=arm64
        ;;
    *) echo "tools/package.sh: cannot build for '$arch' here (the native $native_arch, arm64 or win64)" >&2; exit 2 ;;
esac

# Debian's hardening flags, as a package built by the Debian tools would get them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
linker_flags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S . -B "$build" -G Ninja "${cross[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DPELLUMO_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="$cxx_flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" -DCMAKE_MODULE_LINKER_FLAGS="$linker_flags" \
    "$@" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/pellumo_*.deb
(cd "$build" && cpack -G DEB)

package="$(ls "$build"/pellumo_*.deb)"
echo "package: $package"
if command -v lintian >/dev/null; then
    lintian --info "$package" || true
else
    echo "lintian not installed: the package is not checked (apt-get install lintian)"
fi
