; The suite's installer, Vantorel-Toolcrate-2-<version>-Setup.exe, built by
; installer/CMakeLists.txt from the staged install layout (Stage.cmake):
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=2.0.0 -DLAYOUT=<layout> -DICON=<ico>
;            -DOUTFILE=<installer> Setup.nsi
;
; Its command line (see installer/README.md):
;   /S          silent install
;   /LANG=<id>  the suite's language, one of 1033 (English), 1031 (German),
;               1034 (Spanish), 1043 (Dutch), 1036 (French); without it a
;               silent install leaves "[----]", the system's language
;   /D=<folder> the install folder; last on the line, not quoted
; Uninstall.exe takes /S for a silent uninstall.

Unicode true
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!ifndef VERSION | LAYOUT | ICON | OUTFILE
  !error "makensis needs -DVERSION, -DLAYOUT, -DICON and -DOUTFILE"
!endif

!define PRODUCT "Vantorel Toolcrate 2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The launcher writes its handshake value below HKEY_LOCAL_MACHINE; for a
; standard user Windows puts that write below the user's VirtualStore (for a
; 32-bit program on 64-bit Windows below its WOW6432Node).
!define HANDSHAKE_KEY "Software\Vantorel\Vantorel Toolcrate"
!define FILEQUAY_KEY "Software\Vantorel\Vantorel Filequay"
!define VIRTUAL_STORE "Software\Classes\VirtualStore\MACHINE\SOFTWARE"
!define BACKUPS "Vantorel\Verbsmith\Backups"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "CompanyName" "Vantorel"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Vantorel"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The suite's own pictures (art/draw.sh). The wizard takes one picture per
; place and stretches it to the place's size at the DPI it runs at; they are
; drawn at the 96 DPI size, the smallest, because stretching up repeats pixels
; and stays sharp while shrinking drops them and merges their neighbours.
; AspectFitHeight keeps their proportions: a place's width and height grow a
; little differently with the dialog font.
!define MUI_WELCOMEFINISHPAGE_BITMAP "art/wizard.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH AspectFitHeight
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "art/header.bmp"
!define MUI_HEADERIMAGE_BITMAP_STRETCH AspectFitHeight

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The five languages the suite ships; the language page offers them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString HelpShortcut ${LANG_ENGLISH} "Toolcrate Help"
LangString HelpShortcut ${LANG_GERMAN} "Toolcrate-Hilfe"
LangString HelpShortcut ${LANG_SPANISH} "Ayuda de Toolcrate"
LangString HelpShortcut ${LANG_DUTCH} "Help bij Toolcrate"
LangString HelpShortcut ${LANG_FRENCH} "Aide de Toolcrate"

LangString BackupsKept ${LANG_ENGLISH} "Your Verbsmith backups were kept in$\r$\n$\r$\n$0$\r$\n$\r$\nThey are the only way back from registry changes made with Verbsmith."
LangString BackupsKept ${LANG_GERMAN} "Ihre Verbsmith-Sicherungen wurden behalten in$\r$\n$\r$\n$0$\r$\n$\r$\nNur mit ihnen lassen sich Änderungen, die Verbsmith an der Registry vorgenommen hat, rückgängig machen."
LangString BackupsKept ${LANG_SPANISH} "Se han conservado sus copias de seguridad de Verbsmith en$\r$\n$\r$\n$0$\r$\n$\r$\nSon la única forma de deshacer los cambios del registro hechos con Verbsmith."
LangString BackupsKept ${LANG_DUTCH} "Uw Verbsmith-back-ups zijn bewaard in$\r$\n$\r$\n$0$\r$\n$\r$\nAlleen daarmee kunt u wijzigingen die Verbsmith in het register heeft aangebracht, ongedaan maken."
LangString BackupsKept ${LANG_FRENCH} "Vos sauvegardes de Verbsmith ont été conservées dans$\r$\n$\r$\n$0$\r$\n$\r$\nElles sont le seul moyen d'annuler les modifications du registre faites avec Verbsmith."

; The marker the suite's settings files receive: "[1031]" and so on.
Var Marker

Function .onInit
  StrCpy $Marker "[----]"
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 S!= "1033"
    ${AndIf} $R1 S!= "1031"
    ${AndIf} $R1 S!= "1034"
    ${AndIf} $R1 S!= "1043"
    ${AndIf} $R1 S!= "1036"
      MessageBox MB_OK|MB_ICONSTOP "/LANG= takes 1033, 1031, 1034, 1043 or 1036, not $\"$R1$\"." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    StrCpy $LANGUAGE $R1
    StrCpy $Marker "[$R1]"
  ${EndIf}
  ${IfNot} ${Silent}
    !insertmacro MUI_LANGDLL_DISPLAY
    StrCpy $Marker "[$LANGUAGE]"
  ${EndIf}
FunctionEnd

; Sets the line after the line "Language" of a settings file (path on the
; stack) to $Marker. The settings files have no sections and no "=", so the
; INI functions do not fit: the file is copied byte for byte, only that line is
; replaced, its line end kept.
Function WriteLanguage
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  ClearErrors
  FileOpen $1 "$0" r
  FileOpen $2 "$0.new" w
  ${If} ${Errors}
    Abort "Cannot write the language into $0"
  ${EndIf}
  StrCpy $4 ""   ; the text of the current line so far
  StrCpy $5 0    ; 0 before "Language", 1 on its value line, 2 after it
  ${Do}
    FileReadByte $1 $3
    ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
    ${If} $3 = 13
    ${OrIf} $3 = 10
      ${If} $5 = 1
        FileWrite $2 $Marker
        StrCpy $5 2
      ${EndIf}
      FileWriteByte $2 $3
      ${If} $3 = 10
        ${If} $5 = 0
        ${AndIf} $4 S== "Language"
          StrCpy $5 1
        ${EndIf}
        StrCpy $4 ""
      ${EndIf}
    ${ElseIf} $5 <> 1
      FileWriteByte $2 $3
      IntFmt $3 "%c" $3
      StrCpy $4 "$4$3"
    ${EndIf}
  ${Loop}
  ${If} $5 = 1   ; the value line is the last one and has no line end
    FileWrite $2 $Marker
  ${EndIf}
  FileClose $1
  FileClose $2
  Delete "$0"
  Rename "$0.new" "$0"
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; A standard user's settings written into the install folder land in the
; user's VirtualStore, and Windows reads them from there before the installed
; ones: remove them for the user who installs or uninstalls.
!macro RemoveVirtualisedSettings
  SetShellVarContext current
  StrCpy $0 "$INSTDIR" "" 3   ; the folder without its drive
  Delete "$LOCALAPPDATA\VirtualStore\$0\config.ini"
  Delete "$LOCALAPPDATA\VirtualStore\$0\Verbsmith\config.ini"
  Delete "$LOCALAPPDATA\VirtualStore\$0\Slicewise\config.ini"
  RMDir "$LOCALAPPDATA\VirtualStore\$0\Verbsmith"
  RMDir "$LOCALAPPDATA\VirtualStore\$0\Slicewise"
  RMDir "$LOCALAPPDATA\VirtualStore\$0"
  SetShellVarContext all
!macroend

Section
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  File "${LAYOUT}/Toolcrate.exe"
  File "${LAYOUT}/config.ini"
  File "${LAYOUT}/toolcratetrl.ini"
  !if /FileExists "${LAYOUT}/help.chm"
    File "${LAYOUT}/help.chm"
  !endif
  SetOutPath "$INSTDIR\Verbsmith"
  File "${LAYOUT}/Verbsmith/Verbsmith.exe"
  File "${LAYOUT}/Verbsmith/config.ini"
  File "${LAYOUT}/Verbsmith/Verbsmithtrl.ini"
  !if /FileExists "${LAYOUT}/Verbsmith/help.chm"
    File "${LAYOUT}/Verbsmith/help.chm"
  !endif
  SetOutPath "$INSTDIR\Slicewise"
  File "${LAYOUT}/Slicewise/Slicewise.exe"
  File "${LAYOUT}/Slicewise/config.ini"
  File "${LAYOUT}/Slicewise/Slicewisetrl.ini"
  !if /FileExists "${LAYOUT}/Slicewise/help.chm"
    File "${LAYOUT}/Slicewise/help.chm"
  !endif

  Push "$INSTDIR\config.ini"
  Call WriteLanguage
  Push "$INSTDIR\Verbsmith\config.ini"
  Call WriteLanguage
  Push "$INSTDIR\Slicewise\config.ini"
  Call WriteLanguage
  !insertmacro RemoveVirtualisedSettings

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Each shortcut starts its program in the program's folder.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Toolcrate.lnk" "$INSTDIR\Toolcrate.exe"
  !if /FileExists "${LAYOUT}/help.chm"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\$(HelpShortcut).lnk" "$INSTDIR\help.chm"
  !endif
  SetOutPath "$INSTDIR\Verbsmith"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Verbsmith.lnk" "$INSTDIR\Verbsmith\Verbsmith.exe"
  SetOutPath "$INSTDIR\Slicewise"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Slicewise.lnk" "$INSTDIR\Slicewise\Slicewise.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vantorel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Toolcrate.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The uninstaller speaks the language the installation was made in.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Installer Language" $LANGUAGE
SectionEnd

; Removes an "active" value and then its key, when nothing else is left in it.
!macro RemoveActiveValue ROOT KEY
  DeleteRegValue ${ROOT} "${KEY}" "active"
  DeleteRegKey /ifempty ${ROOT} "${KEY}"
!macroend

; The uninstaller runs from a copy in the temp folder with _?=<install folder>,
; or with _? as given by whoever runs it: a folder that holds no installation
; (a typo, a quoted path) is refused before the registry entries go and leave
; the files behind.
Function un.onInit
  ${IfNot} ${FileExists} "$INSTDIR\Uninstall.exe"
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR does not hold ${PRODUCT}." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Installer Language"
  ${IfThen} $0 != "" ${|} StrCpy $LANGUAGE $0 ${|}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all

  Delete "$INSTDIR\Toolcrate.exe"
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\toolcratetrl.ini"
  Delete "$INSTDIR\help.chm"
  Delete "$INSTDIR\Verbsmith\Verbsmith.exe"
  Delete "$INSTDIR\Verbsmith\config.ini"
  Delete "$INSTDIR\Verbsmith\Verbsmithtrl.ini"
  Delete "$INSTDIR\Verbsmith\help.chm"
  Delete "$INSTDIR\Slicewise\Slicewise.exe"
  Delete "$INSTDIR\Slicewise\config.ini"
  Delete "$INSTDIR\Slicewise\Slicewisetrl.ini"
  Delete "$INSTDIR\Slicewise\help.chm"
  Delete "$INSTDIR\Uninstall.exe"
  ; Not recursive: folders that hold anything else (an outside module, a file
  ; of the user's) stay.
  RMDir "$INSTDIR\Verbsmith"
  RMDir "$INSTDIR\Slicewise"
  RMDir "$INSTDIR"

  ; The folder is ours; the help shortcut's name is in the installing language.
  Delete "$SMPROGRAMS\${PRODUCT}\*.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${HANDSHAKE_KEY}"
  DeleteRegKey HKCU "${HANDSHAKE_KEY}"
  DeleteRegKey HKCU "${VIRTUAL_STORE}\Vantorel\Vantorel Toolcrate"
  DeleteRegKey HKCU "${VIRTUAL_STORE}\WOW6432Node\Vantorel\Vantorel Toolcrate"
  ; Slicewise clears this value of an older program; the key may hold more.
  !insertmacro RemoveActiveValue HKLM "${FILEQUAY_KEY}"
  !insertmacro RemoveActiveValue HKCU "${FILEQUAY_KEY}"
  !insertmacro RemoveActiveValue HKCU "${VIRTUAL_STORE}\Vantorel\Vantorel Filequay"
  !insertmacro RemoveActiveValue HKCU "${VIRTUAL_STORE}\WOW6432Node\Vantorel\Vantorel Filequay"
  DeleteRegKey /ifempty HKLM "Software\Vantorel"
  DeleteRegKey /ifempty HKCU "Software\Vantorel"
  DeleteRegKey /ifempty HKCU "${VIRTUAL_STORE}\Vantorel"
  DeleteRegKey /ifempty HKCU "${VIRTUAL_STORE}\WOW6432Node\Vantorel"
  !insertmacro RemoveVirtualisedSettings

  ; The Verbsmith backups stay: they are the only way back from registry
  ; changes that outlive the suite.
  SetShellVarContext current
  StrCpy $0 "$LOCALAPPDATA\${BACKUPS}"
  ${IfNot} ${Silent}
  ${AndIf} ${FileExists} "$0\*.*"
    MessageBox MB_OK|MB_ICONINFORMATION "$(BackupsKept)"
  ${EndIf}
SectionEnd
