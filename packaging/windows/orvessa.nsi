; The Windows setup of Orvessa, for NSIS. pack.sh compiles it with
;
;   makensis -DVERSION=1.0 -DSTAGE=<the files> -DFILES=<files.nsh> -DICON=<orvessa.ico>
;            -DOUTFILE=<setup.exe> orvessa.nsi
;
; STAGE holds what the zip holds; FILES, which pack.sh writes from it, the
; macros that install those files and remove exactly them again.
;
; For all users into Program Files (the setup asks for elevation at its
; start when the user is an administrator) or for the current user into
; %LOCALAPPDATA%\Programs (no elevation); "/S" installs silently, for all
; users when the user may, "/S /CurrentUser" for the current user. A
; Start-menu shortcut, an Apps & features entry, and an uninstaller that
; removes every installed file and keeps the player's %APPDATA%\Orvessa.

; 64-bit and Unicode: a 32-bit setup needs the 32-bit half of Windows, which
; 64-bit-only systems (Debian's Wine among them) lack.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvessa"
!define PUBLISHER "The Orvessa developers"

Name "Orvessa ${VERSION}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey ProductName "Orvessa"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Orvessa ${VERSION} setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright 2026 ${PUBLISHER}"

; Where to install, and a later setup or the uninstaller finds the earlier
; install by its entry in Apps & features (HKLM for all users, HKCU for one).
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR Orvessa
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include "${FILES}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvessa.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Play Orvessa now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; A folder given with /D= stands: MultiUser.nsh would put its default there.
Function .onInit
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    StrCmp $0 "" +2
        StrCpy $INSTDIR $0
FunctionEnd

; The uninstaller removes the install it was started from: with one for all
; users and one for the current user, the one whose entry names its folder.
Function un.onInit
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" InstallLocation
    StrCmp $1 $0 0 +2
        Call un.MultiUser.InstallMode.CurrentUser
    StrCpy $INSTDIR $0
FunctionEnd

Section
    !insertmacro INSTALL_FILES
    ; The program reads this mark: its player's files then go to %APPDATA%,
    ; even where the install folder takes new files.
    FileOpen $0 "$INSTDIR\installed.txt" w
    FileWrite $0 "Orvessa ${VERSION} was installed here by its setup. Each player's scores$\r$\n"
    FileWrite $0 "and own characters are kept in %APPDATA%\Orvessa, which uninstalling keeps.$\r$\n"
    FileClose $0
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Orvessa.lnk" "$INSTDIR\orvessa.exe" "" "$INSTDIR\orvessa.exe" 0 \
        SW_SHOWNORMAL "" "A puzzle game of runes on a hexagonal board"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "Orvessa"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\orvessa.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section Uninstall
    Delete "$SMPROGRAMS\Orvessa.lnk"
    !insertmacro UNINSTALL_FILES
    Delete "$INSTDIR\installed.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
