; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of VrhEdit: for the current user, without administrator rights.
; scripts/package-windows runs it as
;   makensis -DPRODUCT=VrhEdit -DVERSION=2.0 -DVI_VERSION=2.0.0.0 -DSTAGE=<the zip's folder>
;            -DICON=<VrhEdit.ico> -DOUTFILE=<setup.exe> VrhEdit.nsi
; STAGE holds what the installer copies: both programs, README.txt and licences\*.txt.

!ifndef PRODUCT
  !error "PRODUCT is not defined: build the installer with scripts/package-windows"
!endif
!ifndef VERSION
  !error "VERSION is not defined: build the installer with scripts/package-windows"
!endif
!ifndef VI_VERSION
  !error "VI_VERSION is not defined: build the installer with scripts/package-windows"
!endif
!ifndef STAGE
  !error "STAGE is not defined: build the installer with scripts/package-windows"
!endif
!ifndef ICON
  !error "ICON is not defined: build the installer with scripts/package-windows"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined: build the installer with scripts/package-windows"
!endif

Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PUBLISHER "Varnhold"
!define EXE "${PRODUCT}.exe"
!define PROGID "${PRODUCT}.Levelset"
!define TYPE_NAME "Varnhold Levelset"
!define CLASSES "Software\Classes"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; The per-user programs folder, or where an earlier install went.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

; The programs' own version resources carry no copyright line either.
!pragma warning disable 9100
VIProductVersion "${VI_VERSION}"
VIFileVersion "${VI_VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Integration.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install $(^NameDA) for you alone; it needs no administrator rights.$\r$\n$\r$\nIf ${PRODUCT} is running, close it first.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${STAGE}/${EXE}"
  File "${STAGE}/levelsplit.exe"
  File "${STAGE}/README.txt"
  SetOutPath "$INSTDIR\licences"
  File "${STAGE}/licences/*.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Started from the menu, the editor's dialogs begin in the user's documents, not here.
  SetOutPath "$DOCUMENTS"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  SetOutPath "$INSTDIR"

  WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "${TYPE_NAME}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}" "FriendlyTypeName" "${TYPE_NAME}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\${EXE}",0'
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  WriteRegStr HKCU "${CLASSES}\.vrh" "" "${PROGID}"
  WriteRegStr HKCU "${CLASSES}\.vrh\OpenWithProgids" "${PROGID}" ""
  ${NotifyShell_AssocChanged}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${EXE}",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there: levelsets, settings (HKCU\Software\VrhEdit) and recovery
; files are the user's, and a folder that still holds anything else stays.
Section "Uninstall"
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\levelsplit.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\licences\*.txt"
  RMDir "$INSTDIR\licences"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; .vrh may belong to another program by now.
  ReadRegStr $0 HKCU "${CLASSES}\.vrh" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKCU "${CLASSES}\.vrh" ""
  ${EndIf}
  DeleteRegValue HKCU "${CLASSES}\.vrh\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.vrh\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.vrh"
  DeleteRegKey HKCU "${CLASSES}\${PROGID}"
  ${NotifyShell_AssocChanged}

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
