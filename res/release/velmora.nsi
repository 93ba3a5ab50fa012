; The Velmora installer: puts velmora.exe and trivan.chm into the program
; files folder, adds a Start-menu shortcut and an entry in the list of
; installed programs, and writes an uninstaller that takes back exactly that.
;
; makensis defines (scripts/release.sh passes them):
;   VERSION_HEADER  the build's generated version.h (version and publisher,
;                   the same texts the program's version resource carries)
;   PROGRAM_DIR     folder holding the stripped velmora.exe and trivan.chm
;   OUTFILE         the installer to write
;   WIN64           (optional) a 64-bit installer for a 64-bit velmora.exe;
;                   the release ships the 32-bit one, the tests run both

!searchparse /file "${VERSION_HEADER}" '#define VELMORA_VERSION "' VERSION '"'
!searchparse /file "${VERSION_HEADER}" '#define VELMORA_PUBLISHER "' PUBLISHER '"'
!searchparse /file "${VERSION_HEADER}" '#define VELMORA_VERSION_NUMBERS ' NUMBERS_COMMA
!searchreplace VERSION_NUMBERS "${NUMBERS_COMMA}" "," "."

!ifdef WIN64
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  ; ANSI, so that the installer runs on Windows 95, 98 and Me as well.
  Target x86-ansi
  !define PROGRAM_FILES "$PROGRAMFILES"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\Velmora.lnk"

!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Velmora"
; Velmora edits machine-wide keys and files; its installer writes to the
; program files folder and HKEY_LOCAL_MACHINE.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=1031 "ProductName" "Velmora"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "Velmora ${VERSION} – Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© ${PUBLISHER}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetShellVarContext all
!ifdef WIN64
  SetRegView 64
!endif
FunctionEnd

Function un.onInit
  SetShellVarContext all
!ifdef WIN64
  SetRegView 64
!endif
FunctionEnd

Section "Velmora"
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\velmora.exe"
  File "${PROGRAM_DIR}\trivan.chm"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "${SHORTCUT}" "$INSTDIR\velmora.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  Call WriteEstimatedSize
SectionEnd

; The size of what this installer put into the folder, in KB, rounded up.
Function WriteEstimatedSize
  StrCpy $0 0
  ${GetSize} "$INSTDIR" "/M=velmora.exe /S=0B /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  ${GetSize} "$INSTDIR" "/M=trivan.chm /S=0B /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  ${GetSize} "$INSTDIR" "/M=${UNINSTALLER} /S=0B /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; Only what the installer wrote: files the user put into the folder stay,
; and so does the folder then.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\velmora.exe"
  Delete "$INSTDIR\trivan.chm"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
