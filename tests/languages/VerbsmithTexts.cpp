// The editor's row: the main window (and the Activate text of its toggle
// button), the add and edit dialog (and the label of a handler's value) and
// the restore dialog.
#include "tests/languages/ProgramTexts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TextFit.h"
#include "verbsmith/AddEditDlg.h"
#include "verbsmith/AddEditDlgIds.h"
#include "verbsmith/RestoreDlg.h"
#include "verbsmith/VerbsmithDlg.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/resource.h"
#include <gtest/gtest.h>

namespace {
// The cells of the list's fourth column, each text it can show: in the
// list's font against the column less the cell's padding, with 10 % to spare.
void ExpectScopeCellsFit(HWND list, const CTranslation& texts, const std::string& where) {
    const int kCellPadding = 12;
    const int room = ListView_GetColumnWidth(list, 3) - kCellPadding;
    for (int text : {texts::kScopeUser, texts::kScopeMachine, texts::kScopeMachineChangedForUser}) {
        const tstring cell = texts.GetText(text);
        EXPECT_LE(ListView_GetStringWidth(list, cell.c_str()) * 11 / 10, room)
            << where << " main window: text " << text << " in the list's fourth column";
    }
}

void ExpectWindowsFit(const CTranslation& texts, const std::string& where) {
    // The main window lists the Send To folder the user's shell folders name.
    const TempFolder sendTo;
    reg::SetText(HKEY_CURRENT_USER,
                 _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                 _T("SendTo"), sendTo.Path());
    CVerbsmithDlg main;
    ASSERT_NE(nullptr, main.Create());
    textfit::ExpectTextsFit(main.Handle(), where + " main window");
    textfit::ExpectTextFits(main.Item(IDC_TOGGLE), texts.GetText(texts::kActivateButton),
                            where + " main window");
    ExpectScopeCellsFit(main.Item(IDC_ENTRY_LIST), texts, where);

    AddEditDlg entry;
    ASSERT_NE(nullptr, entry.Create());
    textfit::ExpectTextsFit(entry.Handle(), where + " entry dialog");
    textfit::ExpectTextFits(entry.Item(IDC_VALUE_LABEL), texts.GetText(texts::kHandlerValueLabel),
                            where + " entry dialog");

    RestoreDlg restore;
    ASSERT_NE(nullptr, restore.Create());
    textfit::ExpectTextsFit(restore.Handle(), where + " restore dialog");
}
}  // namespace

const ProgramTexts& ThisProgram() {
    static const ProgramTexts row{VERBSMITH_SOURCES, _T("Verbsmithtrl.ini"), EditorDialects(),
                                  {1031, 1034, 1043, 1036},
                                  {IDD_LANGUAGE_SELECTION, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_COMBO},
                                  false, ExpectWindowsFit};
    return row;
}
