#include "CoreFixture.h"
#include <objbase.h>
#include <shlobj.h>
#include <stdexcept>

namespace {

const char kConfig[] = "Product ID\r\nVerbsmith\r\nLanguage\r\n[1033]\r\n";

// Texts 65 and 126 carry extra placeholders and percent signs: they are data
// and must come out as they stand.
const char kLanguageFile[] =
    "[1033]\r\n"
    "00001 Choose a language\r\n"
    "00002 English\r\n"
    "00005 Test Caption\r\n"
    "00027 Send To\r\n"
    "00028 (no link target)\r\n"
    "00030 All files\r\n"
    "00035 File system objects\r\n"
    "00040 Folders\r\n"
    "00045 Audio folders\r\n"
    "00050 Video folders\r\n"
    "00055 Image folders\r\n"
    "00060 Drives\r\n"
    "00065 %d entries (%s, 100%%)\r\n"
    "00113 Cannot run this entry.\r\n"
    "00115 Remove the entry?\r\n"
    "00120 It cannot be undone.\r\n"
    "00125 Entry removed.\r\n"
    "00126 Program not found (%s):\r\n"
    "00127 Check finished.\r\n"
    "00128 Check finished: no errors.\r\n"
    "00190 Entry added.\r\n"
    "00195 Entry changed.\r\n"
    "00436 Made by the editor\r\n"
    "00441 Name, value or type missing.\r\n"
    "00442 No backslash in a name.\r\n"
    "00443 Bad Send To name.\r\n"
    "00444 No Send To folder.\r\n"
    "00600 Could not start:\r\n"
    "00601 %s could not be changed.\r\n"
    "00602 Needs administrator rights.\r\n"
    "00603 Not a text: %s\r\n"
    "00650 No backup in %s:\r\n"
    "00695 Classic menu\r\n"
    "[EOL]\r\n";

const TCHAR kShellFoldersKey[] = _T("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

// COM for one link operation, released in reverse order.
class LinkObject {
public:
    LinkObject() {
        CoInitialize(nullptr);
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(&link_))) ||
            FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file_))))
            throw std::runtime_error("links: no shell link object");
    }
    ~LinkObject() {
        if (file_) file_->Release();
        if (link_) link_->Release();
        CoUninitialize();
    }
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;

    IShellLinkW* link_ = nullptr;
    IPersistFile* file_ = nullptr;
};

}  // namespace

const TCHAR CoreFixture::kSendToText[] = _T("Send To");
const TCHAR CoreFixture::kUnreadableText[] = _T("(no link target)");

CoreFixture::CoreFixture() {
    files::Write(programFolder / _T("config.ini"), kConfig);
    files::Write(programFolder / _T("Verbsmithtrl.ini"), kLanguageFile);
    PowerClass::OverrideProgramFolder(programFolder.Path());
    translation.Load();
    NameSendToFolder(sendTo.Path());
    SetEditorBackups(&backups);
}

CoreFixture::~CoreFixture() {
    SetEditorBackups(nullptr);
    PowerClass::OverrideProgramFolder(_T(""));
}

void CoreFixture::NameSendToFolder(const tstring& path) {
    reg::SetText(HKEY_CURRENT_USER, kShellFoldersKey, _T("SendTo"), path);
}

void CoreFixture::SetDefault(const tstring& key, const tstring& value) {
    reg::SetText(HKEY_CLASSES_ROOT, key, _T(""), value);
}

tstring CoreFixture::GetDefault(const tstring& key) {
    return reg::GetText(HKEY_CLASSES_ROOT, key, _T(""));
}

EntryRow CoreFixture::MakeRow(const tstring& name, const tstring& category, const tstring& value,
                             const tstring& keyPath, EntryKind kind) {
    EntryRow row;
    row.name = name;
    row.category = category;
    row.value = value;
    row.keyPath = keyPath;
    row.kind = kind;
    return row;
}

bool RecordingHost::Ask(const tstring& question) {
    asked.push_back(question);
    const bool yes = answers.empty() || answers.front();
    if (!answers.empty())
        answers.pop_front();
    return yes;
}

INT_PTR RecordingHost::Start(const ShellStart& start) {
    started.push_back(start);
    const INT_PTR result = startResults.empty() ? 42 : startResults.front();
    if (!startResults.empty())
        startResults.pop_front();
    return result;
}

namespace links {

void Create(const tstring& linkPath, const tstring& target, const tstring& description) {
    LinkObject object;
    object.link_->SetPath(target.c_str());
    object.link_->SetDescription(description.c_str());
    if (FAILED(object.file_->Save(linkPath.c_str(), TRUE)))
        throw std::runtime_error("links::Create: cannot save");
}

void CreateWithDetails(const tstring& linkPath, const tstring& target, const tstring& arguments,
                       const tstring& folder, const tstring& icon, const tstring& description) {
    LinkObject object;
    object.link_->SetPath(target.c_str());
    object.link_->SetArguments(arguments.c_str());
    object.link_->SetWorkingDirectory(folder.c_str());
    object.link_->SetIconLocation(icon.c_str(), 2);
    object.link_->SetDescription(description.c_str());
    if (FAILED(object.file_->Save(linkPath.c_str(), TRUE)))
        throw std::runtime_error("links::CreateWithDetails: cannot save");
}

tstring Details(const tstring& linkPath) {
    LinkObject object;
    if (FAILED(object.file_->Load(linkPath.c_str(), STGM_READ)))
        return tstring();
    WCHAR target[MAX_PATH] = {}, arguments[MAX_PATH] = {}, folder[MAX_PATH] = {},
          icon[MAX_PATH] = {}, description[MAX_PATH] = {};
    int index = 0;
    object.link_->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    object.link_->GetArguments(arguments, MAX_PATH);
    object.link_->GetWorkingDirectory(folder, MAX_PATH);
    object.link_->GetIconLocation(icon, MAX_PATH, &index);
    object.link_->GetDescription(description, MAX_PATH);
    return tstring(target) + L"|" + arguments + L"|" + folder + L"|" + icon + L"," +
           std::to_wstring(index) + L"|" + description;
}

tstring Target(const tstring& linkPath) {
    LinkObject object;
    if (FAILED(object.file_->Load(linkPath.c_str(), STGM_READ)))
        return tstring();
    WCHAR path[MAX_PATH] = {};
    if (object.link_->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK)
        return tstring();
    return path;
}

tstring Description(const tstring& linkPath) {
    LinkObject object;
    if (FAILED(object.file_->Load(linkPath.c_str(), STGM_READ)))
        return tstring();
    WCHAR text[MAX_PATH] = {};
    object.link_->GetDescription(text, MAX_PATH);
    return text;
}

}  // namespace links
