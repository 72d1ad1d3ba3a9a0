; The Windows installer: for the current user, without administrator rights, in German.
;   makensis -DVERSION=x.y.z -DPROGRAMS=DIR -DRESOURCES=DIR -DOUTFILE=FILE tarnwick.nsi
; PROGRAMS holds tarnwick.exe, tarnwick-cli.exe and LIESMICH.txt; RESOURCES the icon.
; Silent: /S to install (/D=FOLDER for another folder), /S to uninstall.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define PRODUCT "Tarnwick"
!define PUBLISHER "Kelvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick"
; The entry of folders, and of the background of an open folder, in Explorer's menu.
!define FOLDER_KEY "Software\Classes\Directory\shell\Tarnwick"
!define BACKGROUND_KEY "Software\Classes\Directory\Background\shell\Tarnwick"
!define FOLDER_ENTRY "Mit Tarnwick bereinigen"

Name "Kelvane Tarnwick ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarnwick"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Kelvane Tarnwick ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Kelvane Tarnwick"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installiert Kelvane Tarnwick"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© 2026 Kelvane"

!define MUI_ICON "${RESOURCES}\tarnwick.ico"
!define MUI_UNICON "${RESOURCES}\tarnwick.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarnwick.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section "Tarnwick"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\tarnwick.exe"
  File "${PROGRAMS}\tarnwick-cli.exe"
  File "${PROGRAMS}\LIESMICH.txt"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateShortcut "$SMPROGRAMS\Tarnwick.lnk" "$INSTDIR\tarnwick.exe"
  CreateShortcut "$SENDTO\Tarnwick.lnk" "$INSTDIR\tarnwick.exe"

  WriteRegStr HKCU "${FOLDER_KEY}" "" "${FOLDER_ENTRY}"
  WriteRegStr HKCU "${FOLDER_KEY}" "Icon" "$INSTDIR\tarnwick.exe"
  WriteRegStr HKCU "${FOLDER_KEY}\command" "" '"$INSTDIR\tarnwick.exe" "%1"'
  WriteRegStr HKCU "${BACKGROUND_KEY}" "" "${FOLDER_ENTRY}"
  WriteRegStr HKCU "${BACKGROUND_KEY}" "Icon" "$INSTDIR\tarnwick.exe"
  WriteRegStr HKCU "${BACKGROUND_KEY}\command" "" '"$INSTDIR\tarnwick.exe" "%V"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kelvane Tarnwick"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnwick.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer made, and nothing else: the list in %APPDATA%\Tarnwick stays. The
; plans of the installed copy go first, with their tasks, which would start a program no longer
; there.
Section "Uninstall"
  SetShellVarContext current
  ExecWait '"$INSTDIR\tarnwick-cli.exe" --plan-remove all --quiet'
  Delete "$INSTDIR\tarnwick.exe"
  Delete "$INSTDIR\tarnwick-cli.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tarnwick.lnk"
  Delete "$SENDTO\Tarnwick.lnk"
  DeleteRegKey HKCU "${FOLDER_KEY}"
  DeleteRegKey HKCU "${BACKGROUND_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
