; The Windows installer of Pellumo, built by tools/package.sh --arch win64:
;   makensis -INPUTCHARSET UTF8 -DVERSION=6.2.0.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> pellumo.nsi
; STAGE holds what goes into the program folder (the program, its DLLs and
; plugins, the update-server defaults, the licences) and the two lists
; tools/package.sh writes from it: installed-files.nsh (File lines) and
; removed-files.nsh (Delete and RMDir lines, deepest first).
;
; The uninstaller removes exactly what the installer put in place. The
; user's settings (%APPDATA%\Pellumo) stay, as does anything else found in
; the program folder (a court's preset settings files placed there by IT
; staff): the folder itself goes only when it is empty.

Unicode true
; 64-bit stub: the 32-bit one neither sees the 64-bit Program Files nor
; runs under a 64-bit-only Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE must be defined (tools/package.sh does)"
!endif

!define PRODUCT "诉讼费用计算器"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellumo"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Pellumo"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Apache-2.0"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; No "run now" on the last page: started from this elevated installer, the
; program could write its folder and would keep the user's settings there.
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  SetRegView 64
  ; The Start-menu entry is for every user of the PC, as the program is.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  !include "${STAGE}\installed-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pellumo.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pellumo.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Pellumo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !include "${STAGE}\removed-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
