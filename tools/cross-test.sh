#!/usr/bin/env bash
# The program on arm64 (aarch64), cross-built on this machine and run under
# the user-mode emulator (no arm64 machine and no binfmt_misc needed):
#
#   tools/cross-test.sh arm64
#
# 1. installs what is missing (tools/packages.sh: PELLUMO_ARM64_PACKAGES, and
#    the arm64 architecture in dpkg);
# 2. cross-builds the calculation libraries and all their tests in Release
#    (preset arm64) and runs every one of them under qemu-aarch64;
# 3. prints the exact-money results for the same generated amounts from the
#    native build and from the arm64 build, and requires them identical;
# 4. builds the arm64 Debian package (tools/package.sh --arch arm64) and
#    checks it: Architecture arm64, every program file an arm64 ELF file and
#    stripped, and a dependency on the package of each Qt 6 library the
#    program files load.
#
# WINDOW_TESTS=1 tools/cross-test.sh arm64 also cross-builds the whole tree
# with every test (preset arm64-program) and runs the window tests too, but
# those that start a program with QProcess (CTest label child-process): Qt
# cannot start one under the emulator.
#
# The program on 64-bit Windows, cross-built with MinGW-w64 against the
# Windows SDK (tools/windows/build.sh) and run under Wine:
#
#   tools/cross-test.sh win64
#
# 1. installs what is missing (PELLUMO_WINDOWS_PACKAGES);
# 2. builds pellumo.exe and every test that needs no Qt WebEngine (preset
#    windows; the SDK from ../shared/win-sdk, or PELLUMO_WIN_SDK) and makes a
#    fresh Wine prefix;
# 3. runs every library test under Wine, then every window test (Wine, unlike
#    the arm64 emulator, starts the programs some of them start), on the
#    offscreen platform with Debian's WenQuanYi Micro Hei as its only font
#    folder;
# 4. compares the exact-money results of the same generated amounts with the
#    native build's, byte for byte;
# 5. checks the installer (tools/windows/check-installer.sh).
#
# Its last line counts the checks that passed and failed; the exit status is
# 0 only when all passed.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-}
if [ "$arch" != arm64 ] && [ "$arch" != win64 ]; then
    echo "usage: tools/cross-test.sh arm64|win64" >&2
    exit 2
fi
source tools/packages.sh

passed=0
failed=0
check() {  # check <what> <status>
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
        echo "$arch check passed: $1"
    else
        failed=$((failed + 1))
        echo "$arch check FAILED: $1"
    fi
}

SECONDS=0
phase_start=0
phases=()
phase_done() {
    phases+=("$(printf '  %-44s %5d s' "$1" $((SECONDS - phase_start)))")
    phase_start=$SECONDS
}

# compare_exact_money <system> <folder> <command that runs the cross-built exact_money_figures>
# The same generated amounts natively and on the other system. The native
# program comes from the debug preset, already built where ./test.sh ran:
# optimised cross-built code against unoptimised amd64 code, so that neither
# the processor, the system nor the optimiser may change a result.
compare_exact_money() {
    local system=$1 folder=$2
    shift 2
    cmake --preset debug >/dev/null
    cmake --build --preset debug --target exact_money_figures
    local native_figures=$folder/exact-money-native.txt
    local cross_figures=$folder/exact-money-$system.txt
    local cases=600 same=0
    build/debug/tests/exact_money_figures $cases >"$native_figures"
    "$@" $cases >"$cross_figures"
    if ! grep -q "^case $((cases - 1)) " "$native_figures"; then
        echo "the native figures stop early: $native_figures"
        same=1
    elif ! cmp -s "$native_figures" "$cross_figures"; then
        diff -u "$native_figures" "$cross_figures" | head -60 || true
        same=1
    fi
    check "exact money of $cases generated cases ($(wc -l <"$native_figures") lines) the same natively and on $system" $same
}

test_arm64() {
    ensure_packages
    ensure_arm64_packages
    phase_done "installing the missing packages"

    # The tests: preset arm64 builds no window code, so every test it registers
    # is a test of a calculation library, whoever added it.
    cmake --preset arm64 >/dev/null
    cmake --build --preset arm64
    phase_done "cross build: libraries and their tests"
    ctest_log=build/arm64/ctest.log
    set +e
    ctest --preset arm64 2>&1 | tee "$ctest_log"
    ctest_status=${PIPESTATUS[0]}
    set -e
    library_tests=$(sed -n 's/.*tests passed, [0-9]* tests failed out of \([0-9]*\).*/\1/p' "$ctest_log")
    check "${library_tests:-no} library tests under qemu-aarch64" $((ctest_status != 0 || ${library_tests:-0} == 0))
    phase_done "library tests under qemu-aarch64"

    # The same generated amounts on both processors.
    compare_exact_money arm64 build/arm64 qemu-aarch64 -L / build/arm64/tests/exact_money_figures
    phase_done "exact money, native against arm64"

    if [ "${WINDOW_TESTS:-0}" = 1 ]; then
        cmake --preset arm64-program >/dev/null
        cmake --build --preset arm64-program
        set +e
        ctest --preset arm64-program
        window_status=$?
        set -e
        check "window tests that start no child process, under qemu-aarch64" $window_status
        phase_done "whole tree and window tests (WINDOW_TESTS=1)"
    fi

    tools/package.sh --arch arm64
    phase_done "arm64 package (cross build, cpack, lintian)"

    # The package as apt would see it.
    deb=$(ls build/package-arm64/pellumo_*_arm64.deb 2>/dev/null | head -1)
    package_ok=0
    if [ -z "$deb" ]; then
        echo "no arm64 package in build/package-arm64"
        package_ok=1
    else
        echo "$deb:"
        dpkg-deb -f "$deb" Package Version Architecture Depends | sed 's/^/  /'
        [ "$(dpkg-deb -f "$deb" Architecture)" = arm64 ] || { echo "  Architecture is not arm64"; package_ok=1; }
        depends=$(dpkg-deb -f "$deb" Depends)
        tree=$(mktemp -d)
        dpkg-deb -x "$deb" "$tree"
        elf_files=0
        while IFS= read -r -d '' file; do
            readelf -h "$file" >/dev/null 2>&1 || continue
            elf_files=$((elf_files + 1))
            name=${file#"$tree"}
            readelf -h "$file" | grep -q 'Machine:.*AArch64' || { echo "  $name is not an arm64 file"; package_ok=1; }
            if readelf -S "$file" | grep -q '\.symtab'; then
                echo "  $name is not stripped"
                package_ok=1
            fi
            # Each Qt 6 library the file loads, and the arm64 package it comes from.
            for library in $(readelf -d "$file" | sed -n 's/.*Shared library: \[\(libQt6[^]]*\)\].*/\1/p'); do
                owner=$(dpkg -S "/usr/lib/aarch64-linux-gnu/$library" 2>/dev/null | head -1 | cut -d: -f1)
                if [ -z "$owner" ]; then
                    echo "  $name loads $library, which no installed arm64 package holds"
                    package_ok=1
                elif ! grep -Eq "(^|, )$owner( |,|$)" <<<"$depends"; then
                    echo "  $name loads $library, but the package does not depend on $owner"
                    package_ok=1
                fi
            done
        done < <(find "$tree" -type f -print0)
        rm -rf "$tree"
        [ "$elf_files" -gt 0 ] || { echo "  the package holds no program file"; package_ok=1; }
        grep -q 'libqt6core6' <<<"$depends" || { echo "  no dependency on Qt 6"; package_ok=1; }
    fi
    check "arm64 package: Architecture arm64, arm64 program files stripped, Qt 6 dependencies" $package_ok
    phase_done "package checks"
}

# run_wine_tests <what> <ctest label arguments...>
# The Windows tests of the given labels under Wine, counted in one check.
run_wine_tests() {
    local what=$1 log status count
    shift
    log=build/windows/ctest-$(tr ' ' - <<<"$what").log
    set +e
    ctest --test-dir build/windows --output-on-failure -j2 "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    set -e
    count=$(sed -n 's/.*tests passed, [0-9]* tests failed out of \([0-9]*\).*/\1/p' "$log")
    check "${count:-no} $what under Wine" $((status != 0 || ${count:-0} == 0))
}

test_win64() {
    ensure_packages
    ensure_windows_packages
    phase_done "installing the missing packages"

    tools/windows/build.sh
    phase_done "cross build: program and tests"

    # A fresh Wine prefix each run: no setting of an earlier run survives.
    export WINEPREFIX=$PWD/build/windows/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    rm -rf "$WINEPREFIX"
    wineboot --init
    wineserver --wait
    # The offscreen platform of Qt for Windows reads fonts from this folder
    # alone: WenQuanYi Micro Hei, a CJK font Debian ships.
    local fonts=build/windows/test-fonts
    mkdir -p "$fonts"
    ln -sf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
    export QT_QPA_FONTDIR=$PWD/$fonts
    phase_done "Wine prefix"

    run_wine_tests "library tests" -LE window
    phase_done "library tests under Wine"
    run_wine_tests "window tests" -L window
    phase_done "window tests under Wine"

    compare_exact_money windows build/windows tools/windows/wine-run.sh build/windows/tests/exact_money_figures.exe
    phase_done "exact money, native against Windows"

    set +e
    tools/windows/check-installer.sh
    check "Windows installer: silent install, program start, uninstall (tools/windows/check-installer.sh)" $?
    set -e
    phase_done "installer check"
}

test_$arch

echo "$arch times:"
printf '%s\n' "${phases[@]}"
printf '  %-44s %5d s\n' "all" "$SECONDS"
echo "$arch: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
