#include "EditorTestEnvironment.h"
#include "common/PowerClass.h"

namespace {

// The build puts the shipped config.ini and language file beside the test.
tstring TestFolder() {
    TCHAR path[MAX_PATH] = {};
    GetModuleFileName(nullptr, path, MAX_PATH);
    return PowerClass::FolderOfPath(path);
}

}  // namespace

void EditorTest::SetUp() {
    const tstring shipped = TestFolder();
    files::Write(program_ / _T("config.ini"), files::Read(shipped + _T("\\config.ini")));
    files::Write(program_ / _T("Verbsmithtrl.ini"), files::Read(shipped + _T("\\Verbsmithtrl.ini")));
    ASSERT_FALSE(ConfigFile().empty()) << "config.ini is not beside the test";
    SetLanguage("[1033]");
    PowerClass::OverrideProgramFolder(program_.Path());
    SetEditorBackups(&backups_);
    reg::SetText(HKEY_CURRENT_USER,
                 _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                 _T("SendTo"), sendTo_.Path());
}

void EditorTest::TearDown() {
    SetEditorBackups(nullptr);
    PowerClass::OverrideProgramFolder(_T(""));
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

void EditorTest::SetLanguage(const std::string& marker) {
    std::string config = ConfigFile();
    const std::string key = "Language\r\n";
    const size_t at = config.find(key);
    ASSERT_NE(std::string::npos, at);
    const size_t value = at + key.size();
    config.replace(value, config.find("\r\n", value) - value, marker);
    files::Write(program_ / _T("config.ini"), config);
}
