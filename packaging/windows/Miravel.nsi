; The Windows installer: per user, into %LOCALAPPDATA%\Programs\Miravel,
; without administrator rights (many school PCs forbid them). Built by
; scripts/windows-build.sh with
;   makensis -INPUTCHARSET UTF8 -DVERSION=<v> -DSOURCE=<program folder>
;            -DLICENSE=<licence file> -DOUTFILE=<setup.exe> Miravel.nsi
; The uninstaller removes the program's own files and nothing else: the
; teacher's books and the recovery folder (%LOCALAPPDATA%\Miravel) stay.
; 64-bit like the program (and so it runs where only 64-bit Windows
; programs may run, Wine without its 32-bit half included).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Miravel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Miravel"

Name "Miravel 成績処理 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Miravel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Miravel ${VERSION}"

!define MUI_ICON "${SOURCE}\..\miravel.ico"
!define MUI_UNICON "${SOURCE}\..\miravel.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Miravel.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Miravel"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Miravel 成績処理 セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "GNU GPL 3.0 以降"

Section "Miravel"
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Miravel 成績処理.lnk" "$INSTDIR\Miravel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Miravel 成績処理"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Miravel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Miravel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  ; The size Windows shows in its list of programs, in KB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only the files this installer put there (the list is written with the
  ; program folder), and folders only when they are empty: a book saved
  ; into the program folder by mistake survives.
  !include "${SOURCE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Miravel 成績処理.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
