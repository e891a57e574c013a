#!/usr/bin/env bash
# Checks the Windows installer under Wine, as an administrator would use it:
#
#   tools/windows/check-installer.sh [INSTALLER]
#
# (without INSTALLER it builds this tree's, tools/package.sh --arch win64)
# 1. installs it silently (/S) into a Wine prefix of its own, made afresh;
# 2. checks that the program folder holds pellumo.exe and its DLLs, and that
#    the Start-menu entry and the uninstaller's registration are there;
# 3. starts the installed program offscreen with the test driver (the Qt
#    plugin of tests/installed_program_driver_plugin.cpp): the main window
#    comes up, the base-amount dialog saves 120 and 300 yuan into setjs.rar
#    in GBK, and the program quits;
# 4. gives the user settings of their own in %APPDATA%\Pellumo, uninstalls
#    silently and checks that the program, its entry and its registration
#    are gone and the user's settings are left as they were.
#
# Wine hands a program no QT_* variable but turns WINEQT_* into QT_*. Qt's
# offscreen platform on Windows reads fonts only from QT_QPA_FONTDIR.
#
# Each check prints a line; the exit status is 0 only when all passed.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
ensure_windows_packages

# Without an installer named, the installer of this source tree, built now.
if [ $# -eq 0 ]; then
    tools/package.sh --arch win64
    version=$(sed -n 's/^project(Pellumo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    set -- "build/package-win64/pellumo-$version-win64-setup.exe"
fi
installer=$1
if [ ! -f "$installer" ]; then
    echo "No installer $installer" >&2
    exit 2
fi
installer=$(cd "$(dirname "$installer")" && pwd)/$(basename "$installer")

passed=0
failed=0
check() {  # check <what> <command...>
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "win64 installer check passed: $what"
    else
        failed=$((failed + 1))
        echo "win64 installer check FAILED: $what"
    fi
}

# The driver, built for Windows, and the offscreen platform from the SDK:
# test parts, given to the program through QT_PLUGIN_PATH, never installed.
tools/windows/build.sh --target installed_program_driver_plugin >/dev/null
sdk=$(sed -n 's/^PELLUMO_WIN_SDK:[A-Z]*=//p' build/windows/CMakeCache.txt)
work=$(mkdir -p build/package-win64 && mktemp -d "$(pwd)/build/package-win64/check.XXXXXX")
mkdir -p "$work/plugins/generic" "$work/plugins/platforms"
cp build/windows/tests/*installed_program_driver_plugin.dll "$work/plugins/generic/"
cp "$sdk/qt-win/plugins/platforms/qoffscreen.dll" "$work/plugins/platforms/"

export WINEPREFIX=$work/wine-prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
windows_path() {  # the Unix path $1 as Wine's drive Z: sees it
    printf 'Z:%s' "${1//\//\\}"
}
wine_wait() {  # runs a Windows program and waits for every process it left
    local status=0
    wine "$@" || status=$?
    wineserver -w
    return $status
}

program_files="$WINEPREFIX/drive_c/Program Files/Pellumo"
start_menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/诉讼费用计算器.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellumo'

wineboot --init >/dev/null 2>&1
wineserver -w
check "the installer runs silently" wine_wait "$installer" /S
for file in pellumo.exe Qt6Core.dll Qt6PrintSupport.dll platforms/qwindows.dll libgmp-10.dll \
            libwinpthread-1.dll licenses/THIRD-PARTY-NOTICES.txt update-server/vrk/rate.rar uninstall.exe; do
    check "installed: $file" test -f "$program_files/$file"
done
check "Start-menu entry 诉讼费用计算器" test -f "$start_menu_entry"
registered() {
    wine_wait reg query "$uninstall_key" >/dev/null 2>&1
}
check "registered for uninstalling" registered

# The installed program, driven as a user would drive it.
report=$work/driver-report
run_program() {
    WINEQT_QPA_PLATFORM=offscreen \
    WINEQT_QPA_FONTDIR="$(windows_path /usr/share/fonts/truetype/wqy)" \
    WINEQT_PLUGIN_PATH="$(windows_path "$work/plugins")" \
    WINEQT_QPA_GENERIC_PLUGINS=pellumo_driver \
    PELLUMO_DRIVER_AMOUNTS=120,300 \
    PELLUMO_DRIVER_REPORT="$(windows_path "$report")" \
        timeout 300 wine "$program_files/pellumo.exe"
}
check "the installed program starts, saves through its dialog and quits" run_program
echo "driver report: $(cat "$report" 2>/dev/null || echo none)"
check "the driver saw the base amounts saved" test "$(cat "$report" 2>/dev/null)" = saved
# Wine lets anyone write the program folder, so the program saves beside
# itself; on Windows a user's save goes to %APPDATA%\Pellumo.
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
saved=$(ls "$program_files/setjs.rar" "$appdata/Pellumo/setjs.rar" 2>/dev/null | head -1 || true)
saved_line() {  # saved_line <line>: the saved setjs.rar holds that line, CR LF ended
    [ -n "$saved" ] && grep -qx "$1"$'\r' "$saved"
}
check "setjs.rar saved with the divorce amount" saved_line lihun=120
check "setjs.rar saved with the personality-rights amount" saved_line renge=300

# A user's own settings, as the program keeps them where it cannot write its folder.
mkdir -p "$appdata/Pellumo"
printf '[vrk]\r\nlihun=80\r\nrenge=200\r\n' >"$work/user-settings"
cp "$work/user-settings" "$appdata/Pellumo/setjs.rar"
check "the uninstaller runs silently" wine_wait "$program_files/uninstall.exe" /S
for file in pellumo.exe Qt6Core.dll platforms/qwindows.dll licenses/LICENSE.txt uninstall.exe; do
    check "removed: $file" test ! -e "$program_files/$file"
done
check "Start-menu entry removed" test ! -e "$start_menu_entry"
check "unregistered" eval '! registered'
check "the user's settings in %APPDATA%\\Pellumo are left" cmp -s "$work/user-settings" "$appdata/Pellumo/setjs.rar"
# What the installer did not put there stays: the amounts the program saved.
if [ -d "$program_files" ]; then
    echo "left in the program folder: $(cd "$program_files" && find . -type f | sed 's|^\./||' | tr '\n' ' ')"
fi

echo "win64 installer checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
