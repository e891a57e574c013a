# The Debian packages the build, the tests and the program need, and a
# function that installs those still missing (as root directly, else sudo).

# clang-14 and libclang-rt-14-dev (libFuzzer and the sanitizer runtimes of
# that clang) build the fuzz targets of fuzz/run.sh. ca-certificates lets the
# update reach an https server (Qt's OpenSSL backend checks it against them).
# poppler-utils (pdftotext, pdffonts, pdftoppm) reads back the printed sheets.
# qt6-translations-l10n holds Qt's own texts in Chinese (qtbase_zh_CN.qm).
PELLUMO_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev libgmp-dev xvfb xauth
                  fonts-noto-cjk fonts-wqy-microhei fonts-arphic-uming
                  desktop-file-utils appstream clang-14 libclang-rt-14-dev ca-certificates
                  poppler-utils qt6-translations-l10n)

ensure_packages() {
    local missing=() package
    for package in "${PELLUMO_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" </dev/null
}

# The arm64 cross build (tools/cross-test.sh, tools/package.sh --arch arm64),
# from Debian's multiarch: the cross compilers, the user-mode emulator that
# runs the arm64 tests, the arm64 pkg-config wrapper and the arm64 copies of
# the libraries the program links (qt6-base-dev:arm64 brings Core, Gui,
# Widgets, Network, PrintSupport and Test). Qt's code generators stay the
# machine's own (qt6-base-dev-tools is Multi-Arch foreign). dpkg-dev and file
# make the package; binfmt_misc is not needed, every arm64 program is started
# through qemu-aarch64.
PELLUMO_ARM64_PACKAGES=(crossbuild-essential-arm64 qemu-user pkgconf:arm64 libgmp-dev:arm64
                        qt6-base-dev:arm64 qt6-webengine-dev:arm64 dpkg-dev file)

ensure_arm64_packages() {
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        echo "Adding the arm64 architecture to dpkg"
        local sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        "${sudo[@]}" dpkg --add-architecture arm64
    fi
    ensure_packages "${PELLUMO_ARM64_PACKAGES[@]}"
}

# The 64-bit Windows cross build (tools/windows/build.sh, tools/cross-test.sh
# win64): Debian's MinGW-w64 compilers with POSIX threads (Qt 6 needs that
# thread model) and their tools, Wine to run the program and its tests (the
# 64-bit loader alone: nothing here is a 32-bit Windows program), NSIS for
# the installer (makensis runs here) and xz-utils for the SDK archive. Qt
# and GMP for Windows come from the SDK, not from packages.
PELLUMO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
                          wine wine64 nsis xz-utils)

ensure_windows_packages() {
    ensure_packages "${PELLUMO_WINDOWS_PACKAGES[@]}" "$@"
}

# Rebuilding that SDK from Debian's source packages (tools/windows/build-sdk.sh):
# apt-get source needs dpkg-dev, GMP's configure needs m4.
PELLUMO_WINDOWS_SDK_PACKAGES=(dpkg-dev m4)
