# The Debian packages the build, the tests and the program need, and a
# function that installs those still missing (as root directly, else sudo).

# clang-14 and libclang-rt-14-dev (libFuzzer and the sanitizer runtimes of
# that clang) build the fuzz targets of fuzz/run.sh. ca-certificates lets the
# update reach an https server (Qt's OpenSSL backend checks it against them).
# poppler-utils (pdftotext, pdffonts, pdftoppm) reads back the printed sheets.
PELLUMO_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev libgmp-dev xvfb xauth
                  fonts-noto-cjk fonts-wqy-microhei fonts-arphic-uming
                  desktop-file-utils appstream clang-14 libclang-rt-14-dev ca-certificates
                  poppler-utils)

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
