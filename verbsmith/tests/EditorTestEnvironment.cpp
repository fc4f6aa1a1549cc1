#include "EditorTestEnvironment.h"
#include "common/PowerClass.h"
#include "common/Translation.h"

void EditorTest::SetUp() {
    SetEditorBackups(&backups_);
    SetEditorMemory(&memory_);
    reg::SetText(HKEY_CURRENT_USER,
                 _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                 _T("SendTo"), sendTo_.Path());
}

void EditorTest::TearDown() {
    SetEditorBackups(nullptr);
    SetEditorMemory(nullptr);
}

void EditorTest::AddVerb(const tstring& location, const tstring& name, const tstring& command) {
    reg::SetText(HKEY_CLASSES_ROOT, location + _T("\\") + name, _T(""), name);
    reg::SetText(HKEY_CLASSES_ROOT, location + _T("\\") + name + _T("\\command"), _T(""), command);
}

void EditorTest::AddHandler(const tstring& location, const tstring& name, const tstring& value) {
    reg::SetText(HKEY_CLASSES_ROOT, location + _T("\\") + name, _T(""), value);
}

void EditorTest::AddUnreadableSendToFile(const tstring& name) {
    files::Write(sendTo_ / name, "not a shell link");
}

tstring EditorTest::Text(int number) {
    CTranslation translation(EditorDialects());
    translation.Load();
    return translation.GetText(number);
}
