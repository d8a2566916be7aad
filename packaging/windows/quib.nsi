; The QUIB installer (made by scripts/windows.sh with Debian's makensis).
; Installs the game, the campaigns, their routes, the README and the licence
; into C:\Program Files\QUIB, the folder the game searches for campaigns,
; with a Start-menu entry that starts the game in the largest window that
; fits; the uninstaller removes every file the installer put there.
; /S installs (and uninstalls) silently.
;
; Defined by the caller: VERSION, OUTFILE, LICENSE_FILE, INSTALL_FILES (the
; File lines) and UNINSTALL_FILES (the matching Delete lines).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

Name "QUIB"
OutFile "${OUTFILE}"
; The game looks in this one folder, so it is not offered for change.
InstallDir "$PROGRAMFILES64\QUIB"
RequestExecutionLevel admin
BrandingText "QUIB ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QUIB"

LicenseData "${LICENSE_FILE}"
Page license
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "QUIB"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !include "${INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\QUIB"
  CreateShortcut "$SMPROGRAMS\QUIB\QUIB.lnk" "$INSTDIR\quib.exe" "-Z" "$INSTDIR\quib.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "QUIB"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quib.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: campaigns the player put there stay.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\QUIB\QUIB.lnk"
  RMDir "$SMPROGRAMS\QUIB"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
