; The Windows installer of Szeptaczki, made by scripts/windows.sh:
;   makensis -DVERSION=1.4 -DSTAGE=<folder laid out as the installation>
;            -DOUTFILE=<setup.exe> -DICON=<program icon> szeptaczki.nsi
; Per-user (no administrator needed, the default) or for all users, chosen on
; a page or with /CurrentUser or /AllUsers; /S installs silently. The
; uninstaller removes the program and keeps the child's files in
; %APPDATA%\Szeptaczki.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetCompressorDictSize 32
ManifestDPIAware true

!define APP "Szeptaczki"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "Szeptaczki Cz.VI"
OutFile "${OUTFILE}"
BrandingText "Szeptaczki ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1045 "ProductName" "Szeptaczki Cz.VI"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu Szeptaczki Cz.VI"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "GPL-3.0-or-later; rysunki i dane: CC BY-SA 4.0"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\szeptaczki.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\Licencja.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Szeptaczki Cz.VI" SecProgram
  SectionIn RO
  ; An update replaces the tree whole: pictures no longer shipped go too.
  RMDir /r "$INSTDIR\Data"
  RMDir /r "$INSTDIR\RESOURCE"
  RMDir /r "$INSTDIR\Fonts"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Odinstaluj.exe"

  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\Szeptaczki Cz.VI.lnk" "$INSTDIR\szeptaczki.exe"
  CreateShortcut "$SMPROGRAMS\${APP}\Odinstaluj Szeptaczki.lnk" "$INSTDIR\Odinstaluj.exe" "/$MultiUser.InstallMode"

  ; Apps & features: in the user's or the machine's part of the registry,
  ; as the install mode chose (SetShellVarContext makes SHCTX follow it).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Szeptaczki Cz.VI"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Szeptaczki"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\szeptaczki.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Odinstaluj.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Odinstaluj.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Skrót na pulpicie" SecDesktop
  CreateShortcut "$DESKTOP\Szeptaczki Cz.VI.lnk" "$INSTDIR\szeptaczki.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Program, obrazki, nagrania słów i czcionki."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Ikona programu na pulpicie."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The child's settings, statistics and recordings in %APPDATA%\Szeptaczki are
; not the installation's: they stay for a later installation to find.
Section "Uninstall"
  Delete "$INSTDIR\szeptaczki.exe"
  Delete "$INSTDIR\Licencja.txt"
  RMDir /r "$INSTDIR\Data"
  RMDir /r "$INSTDIR\RESOURCE"
  RMDir /r "$INSTDIR\Fonts"
  Delete "$INSTDIR\Odinstaluj.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APP}\Szeptaczki Cz.VI.lnk"
  Delete "$SMPROGRAMS\${APP}\Odinstaluj Szeptaczki.lnk"
  RMDir "$SMPROGRAMS\${APP}"
  Delete "$DESKTOP\Szeptaczki Cz.VI.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
