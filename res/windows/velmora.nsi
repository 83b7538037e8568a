; The Windows installer: velmora.exe, velmora-cli.exe, LICENSE.txt and
; README.txt for every user in Program Files\Velmora, "Velmora" in the
; all-users Start menu, and an entry in Programs and Features whose
; uninstaller takes all of it away again. /S installs and uninstalls
; silently; a newer installer writes over an older one in place.
;   makensis -DVERSION=1.2.3.4 -DSTAGE=DIR -DICON=FILE.ico -DOUTFILE=FILE.exe velmora.nsi
; DIR holds the four files; their times go into the installer as they are.

; 64-bit, and so the only stub this machine's Wine starts; a 64-bit
; installer sees Program Files and the registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define PUBLISHER "the Velmora authors"

Name "Velmora"
BrandingText "Velmora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Velmora"
; An upgrade goes where the version before it went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Velmora"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Velmora ${VERSION} setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the one a system in neither language gets.
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "English"

; The files installed, named once for the install and the uninstall.
!macro EachFile Action
  !insertmacro ${Action} "velmora.exe"
  !insertmacro ${Action} "velmora-cli.exe"
  !insertmacro ${Action} "LICENSE.txt"
  !insertmacro ${Action} "README.txt"
!macroend
!macro InstallFile Name
  File "${STAGE}\${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !insertmacro EachFile InstallFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\velmora.exe"

  ; One entry, whatever version was there before: the same key, rewritten.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section Uninstall
  Delete "$SMPROGRAMS\Velmora.lnk"
  !insertmacro EachFile RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: whatever a user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
