#!/usr/bin/env bash
# Builds the Debian package of the release program, build/package/pellumo_<version>_<arch>.deb,
# and checks it with lintian when lintian is installed.
#
#   tools/package.sh                                        # the default addresses
#   tools/package.sh -DPELLUMO_UPDATE_URL=http://192.168.1.10:8000   # cmake options pass through
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
# dpkg-dev: dpkg-shlibdeps (the library dependencies) and dpkg-buildflags;
# file: how CPack tells the programs and libraries in the package apart.
ensure_packages dpkg-dev file

# Debian's hardening flags, as a package built by the Debian tools would get them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
linker_flags="$(dpkg-buildflags --get LDFLAGS)"

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
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
