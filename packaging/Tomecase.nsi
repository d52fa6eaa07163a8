; The Tomecase installer. One setup program for both kinds of Windows: it is
; itself a 32-bit program, and installs the 64-bit Tomecase on 64-bit Windows
; and the 32-bit one elsewhere. makensis is given, with -D:
;   VERSION   the program's version ("2.05")
;   WIN32DIR  the staged files of the 32-bit build
;   WIN64DIR  the staged files of the 64-bit build
;   OUTFILE   the setup program to write
; Silent use: setup.exe /S [/D=folder]; uninstall.exe /S.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include x64.nsh
!include FileFunc.nsh

!define PRODUCT "Tomecase"
!define PUBLISHER "Verdanth"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tomecase"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) Tamsin Quarrell, Verdanth"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tomecase.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tomecase"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${WIN32DIR}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Tomecase will be removed from the folder below. Your book files and settings in the Tomecase data folder (Public Documents\Verdanth\Tomecase) are kept: the uninstaller never removes them."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The folder of an earlier install, so that an upgrade goes where it was;
; on 64-bit Windows the 64-bit Program Files folder. A folder given with /D=
; is kept as it is.
Function .onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    StrCmp $INSTDIR "$PROGRAMFILES\${PRODUCT}" 0 done
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" 0 earlier
    ${If} ${RunningX64}
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
    Goto done
earlier:
    StrCpy $INSTDIR $0
done:
FunctionEnd

Function un.onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

Section "Tomecase"
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "${WIN64DIR}/Tomecase.exe"
        File "${WIN64DIR}/tomebook.exe"
!if /FileExists "${WIN64DIR}/libcsv.dll"
        File "${WIN64DIR}/libcsv.dll"
!endif
    ${Else}
        File "${WIN32DIR}/Tomecase.exe"
        File "${WIN32DIR}/tomebook.exe"
!if /FileExists "${WIN32DIR}/libcsv.dll"
        File "${WIN32DIR}/libcsv.dll"
!endif
    ${EndIf}
!if /FileExists "${WIN32DIR}/libcsv-COPYING.LESSER.txt"
    File "${WIN32DIR}/libcsv-COPYING.LESSER.txt"
!endif
    File "${WIN32DIR}/Tomecase.chm"
    File "${WIN32DIR}/README.txt"
    File "${WIN32DIR}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Tomecase finds its help in the folder it starts in: the shortcut starts
    ; it in the install folder (the output path set above).
    SetShellVarContext all
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Tomecase.exe" "" "$INSTDIR\Tomecase.exe" 0 \
        SW_SHOWNORMAL "" "Keeps your list of library books"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tomecase.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes the program's own files only: the data folder with the user's book
; files and settings is not the program's to remove.
Section "Uninstall"
    Delete "$INSTDIR\Tomecase.exe"
    Delete "$INSTDIR\tomebook.exe"
    Delete "$INSTDIR\libcsv.dll"
    Delete "$INSTDIR\libcsv-COPYING.LESSER.txt"
    Delete "$INSTDIR\Tomecase.chm"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
