#!/usr/bin/env bash
# Builds the Windows installer, build/package-win64/pellumo-<version>-win64-setup.exe
# (tools/package.sh --arch win64 runs this):
#
# 1. builds pellumo.exe with tools/windows/build.sh (build/windows);
# 2. gathers in build/package-win64/stage what the program folder holds:
#    the program, the Qt, GMP and MinGW runtime DLLs and Qt's plugins it
#    loads (what windeployqt would copy), the update-server defaults and the
#    licences, and checks that every DLL any of them imports is either
#    gathered or part of Windows (Wine's own DLLs stand for those);
# 3. packs them with NSIS (packaging/windows/pellumo.nsi).
#
# tools/windows/check-installer.sh then installs and uninstalls it under Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
ensure_windows_packages

version=$(sed -n 's/^project(Pellumo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build/package-win64
stage=$out/stage
installer=$out/pellumo-$version-win64-setup.exe

tools/windows/build.sh --target pellumo
build=build/windows
cache_value() {  # cache_value <name>: a value of the Windows build's CMake cache
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}
sdk=$(cache_value PELLUMO_WIN_SDK)
runtime_dll() {  # the MinGW runtime DLL of that name, where the compiler has it
    x86_64-w64-mingw32-g++-posix -print-file-name="$1"
}

rm -rf "$out"
mkdir -p "$stage"/{platforms,styles,imageformats,tls,licenses,update-server}
cp "$build/app/pellumo.exe" "$stage/"
for library in Core Gui Widgets Network PrintSupport; do
    cp "$sdk/qt-win/bin/Qt6$library.dll" "$stage/"
done
cp "$sdk/gmp-win/bin/libgmp-10.dll" "$sdk/gmp-win/bin/libgmpxx-4.dll" "$stage/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(runtime_dll $dll)" "$stage/"
done
# Plugins: the window system, the native look, the JPEG pictures of the
# banner and the pages, and the TLS backends of an https update server. The
# Windows print engine lives in Qt6PrintSupport.dll itself: Qt 6 has no
# printsupport plugin for Windows.
cp "$sdk/qt-win/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$sdk/qt-win/plugins/styles/"*.dll "$stage/styles/"
cp "$sdk/qt-win/plugins/imageformats/"*.dll "$stage/imageformats/"
cp "$sdk/qt-win/plugins/tls/"*.dll "$stage/tls/"
if [ -d "$sdk/qt-win/plugins/printsupport" ]; then
    mkdir -p "$stage/printsupport"
    cp "$sdk/qt-win/plugins/printsupport/"*.dll "$stage/printsupport/"
fi

# The SDK's DLLs keep their debugging sections, which nobody reads on a
# court's PC and which would double the installer.
find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# Every DLL imported anywhere is in the stage or is one of Windows's own:
# one Wine implements, or an API set (api-ms-win-*), which the Windows
# loader maps onto its own DLLs.
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
part_of_windows() {
    [[ ${1,,} == api-ms-win-* ]] || [ -n "$(find "$wine_dlls" -maxdepth 1 -iname "$1")" ]
}
missing=0
while IFS= read -r binary; do
    while IFS= read -r imported; do
        if [ -z "$(find "$stage" -maxdepth 1 -iname "$imported")" ] && ! part_of_windows "$imported"; then
            echo "tools/windows/package.sh: ${binary#"$stage"/} needs $imported, which is neither packed nor part of Windows" >&2
            missing=1
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$stage" -iname '*.exe' -o -iname '*.dll')
[ $missing -eq 0 ]

# Windows programs show text files with CR LF line ends.
crlf() {  # crlf <source> <target>
    sed 's/\r$//; s/$/\r/' "$1" >"$2"
}
crlf README.md "$stage/README.md"
cp -r update-server/. "$stage/update-server/"
find "$stage/update-server" -name '.git*' -delete
licenses=$stage/licenses
crlf LICENSE "$licenses/LICENSE.txt"
crlf dates/data/cn-official-days.LICENSE "$licenses/cn-official-days.LICENSE.txt"
crlf packaging/windows/THIRD-PARTY-NOTICES.txt "$licenses/THIRD-PARTY-NOTICES.txt"
crlf tools/windows/qt-printsupport-direct2d.patch "$licenses/qt-printsupport-direct2d.patch"
for text in LGPL-3 GPL-3 GPL-2; do
    crlf "/usr/share/common-licenses/$text" "$licenses/$text.txt"
done
# The notices of every file of each source package, as Debian records them.
crlf /usr/share/doc/libqt6core6/copyright "$licenses/qt6-base.copyright.txt"
crlf /usr/share/doc/libgmp10/copyright "$licenses/gmp.copyright.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$licenses/gcc-mingw-w64.copyright.txt"
crlf /usr/share/doc/mingw-w64-x86-64-dev/copyright "$licenses/mingw-w64.copyright.txt"

# The installer's file lists: File lines by folder, and Delete lines with the
# folders (deepest first) for the uninstaller, which removes nothing else.
installed=$stage/installed-files.nsh
removed=$stage/removed-files.nsh
: >"$installed"
: >"$removed"
stage_path=$(cd "$stage" && pwd)
while IFS= read -r folder; do
    relative=${folder#.}
    echo "SetOutPath \"\$INSTDIR${relative//\//\\}\"" >>"$installed"
    while IFS= read -r file; do
        echo "File \"$stage_path/${file#./}\"" >>"$installed"
        windows_file=${file#.}
        echo "Delete \"\$INSTDIR${windows_file//\//\\}\"" >>"$removed"
    done < <(cd "$stage" && find "$folder" -maxdepth 1 -type f ! -name '*.nsh' | sort)
done < <(cd "$stage" && find . -type d | sort)
while IFS= read -r folder; do
    echo "RMDir \"\$INSTDIR\\${folder//\//\\}\"" >>"$removed"
done < <(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r)

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage_path" \
    -DOUTFILE="$(pwd)/$installer" packaging/windows/pellumo.nsi
echo "installer: $installer ($(du -h "$installer" | cut -f1))"
