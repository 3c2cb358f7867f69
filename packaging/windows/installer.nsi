; flg2scn-VERSION-setup.exe: installs the window and flg2scn-cli for the current
; user, with no administrator rights, or with /AllUsers (run as administrator)
; for everyone. It adds a Start menu entry, makes flg2scn.exe an "Open with"
; choice for .flg files and their default program where no other program has
; claimed them, and registers an uninstaller (Settings > Apps) that removes all
; of it. /S installs or uninstalls without asking.
;
; makensis -DVERSION=0.1.0 -DFILES=FOLDER -DICON=flg2scn.ico -DOUTFILE=SETUP.exe installer.nsi
; FOLDER holds what the zip holds: flg2scn.exe, flg2scn-cli.exe, README.txt, copyright.txt.

; 64-bit, as the programs are: wine without its 32-bit part runs it too.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "WinMessages.nsh"

!define PRODUCT "flg2scn"
!define CAPTION "Tovrin's Flag to Scenario Converter"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROG_ID "flg2scn.flg"
; The shell's "the file types changed" notice: SHCNE_ASSOCCHANGED.
!define NOTIFY_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Name "${PRODUCT} ${VERSION}"
Caption "${CAPTION} ${VERSION} Setup"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\flg2scn.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${CAPTION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "flg2scn's authors"

; For all users: keys under HKLM, files under Program Files, the Start menu of
; everyone. SHCTX follows SetShellVarContext.
Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "Installing for all users needs administrator rights." /SD IDOK
            SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "${FILES}\flg2scn.exe"
    File "${FILES}\flg2scn-cli.exe"
    File "${FILES}\README.txt"
    File "${FILES}\copyright.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\flg2scn.exe" "" "$INSTDIR\flg2scn.exe" 0 \
        SW_SHOWNORMAL "" "Convert flag files into scenario files"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} (${CAPTION})"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\flg2scn.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; The program's own file type, and the program as a choice for .flg files.
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}" "" "Flag File"
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\flg2scn.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\shell\open\command" "" \
        '"$INSTDIR\flg2scn.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\Applications\flg2scn.exe\shell\open\command" "" \
        '"$INSTDIR\flg2scn.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\Applications\flg2scn.exe\SupportedTypes" ".flg" ""
    WriteRegStr SHCTX "Software\Classes\.flg\OpenWithProgids" "${PROG_ID}" ""
    ; The default only where no program has claimed .flg files yet.
    ReadRegStr $0 HKCR ".flg" ""
    ${If} $0 == ""
        WriteRegStr SHCTX "Software\Classes\.flg" "" "${PROG_ID}"
    ${EndIf}
    System::Call "${NOTIFY_ASSOCIATIONS}"
SectionEnd

; The uninstaller finds its context by where its keys are.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Delete "$INSTDIR\flg2scn.exe"
    Delete "$INSTDIR\flg2scn-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\copyright.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    ; .flg stays claimed by another program that took it meanwhile.
    ReadRegStr $0 SHCTX "Software\Classes\.flg" ""
    ${If} $0 == "${PROG_ID}"
        DeleteRegValue SHCTX "Software\Classes\.flg" ""
    ${EndIf}
    DeleteRegValue SHCTX "Software\Classes\.flg\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.flg\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.flg"
    DeleteRegKey SHCTX "Software\Classes\${PROG_ID}"
    DeleteRegKey SHCTX "Software\Classes\Applications\flg2scn.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call "${NOTIFY_ASSOCIATIONS}"
SectionEnd
