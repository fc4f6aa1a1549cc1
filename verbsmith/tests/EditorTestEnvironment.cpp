#include "EditorTestEnvironment.h"
#include "common/PowerClass.h"
#include "common/Translation.h"

namespace {

// One line per box, so that a failure prints both sequences whole.
tstring BoxLine(HWND owner, const tstring& caption, UINT type, const tstring& text) {
    return std::to_wstring(reinterpret_cast<UINT_PTR>(owner)) + L" " + caption + L" " +
           std::to_wstring(type & (MB_TYPEMASK | MB_ICONMASK)) + L": " + text;
}

}  // namespace

void EditorTest::SetUp() {
    SetEditorBackups(&backups_);
    reg::SetText(HKEY_CURRENT_USER,
                 _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                 _T("SendTo"), sendTo_.Path());
}

void EditorTest::TearDown() {
    SetEditorBackups(nullptr);
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

void EditorTest::ExpectBoxes(HWND owner, const std::vector<Box>& expected) const {
    const tstring caption = Text(texts::kCaption);
    tstrings wanted, shown;
    for (const Box& box : expected)
        wanted.push_back(BoxLine(owner, caption, box.question ? MB_YESNO | MB_ICONQUESTION : MB_OK,
                                 box.text));
    for (const RecordingUi::MessageCall& call : ui_.messages)
        shown.push_back(BoxLine(call.owner, call.caption, call.type, call.text));
    EXPECT_EQ(wanted, shown);
}
