// The shipped suite: the built programs carry their manifest and version
// resource and import nothing Windows 7 lacks; the installer, run silently as
// a deployment runs it, puts the suite in place, the installed launcher starts
// the modules from their folders, and the uninstaller leaves nothing of ours.
// fresh-prefix.sh runs this program in a Wine prefix of its own: the
// installer writes Program Files and HKEY_LOCAL_MACHINE for real.
#include "tests/support/ProgramWindows.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>
#include <algorithm>
#include <set>
#include <sstream>

using program::WaitFor;
using program::WaitUntil;

namespace {
const TCHAR kProduct[] = _T("Vantorel Toolcrate 2");
const TCHAR kUninstallKey[] =
    _T("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantorel Toolcrate 2");
const TCHAR kVirtualStore[] = _T("Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\");

struct Program {
    const TCHAR* built;
    const TCHAR* installed;  // below the install folder
    const TCHAR* description;
    int button;              // in the launcher
};
const Program kPrograms[] = {
    {TOOLCRATE_EXE, _T("Toolcrate.exe"), _T("Vantorel Toolcrate - suite launcher"), 0},
    {VERBSMITH_EXE, _T("Verbsmith\\Verbsmith.exe"), _T("Vantorel Verbsmith - context-menu editor"),
     1010},
    {SLICEWISE_EXE, _T("Slicewise\\Slicewise.exe"), _T("Vantorel Slicewise - file splitter"), 1007},
};

tstring WindowsPath(tstring path) {
    std::replace(path.begin(), path.end(), _T('/'), _T('\\'));
    return path;
}
tstring Name(const tstring& path) { return path.substr(path.find_last_of(_T('\\')) + 1); }
tstring Quoted(const tstring& path) { return _T("\"") + path + _T("\""); }

tstring KnownFolder(int csidl) {
    TCHAR path[MAX_PATH] = {};
    SHGetFolderPath(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The files below folder, as sorted paths relative to it.
tstrings FilesBelow(const tstring& folder, const tstring& prefix = _T("")) {
    tstrings found;
    for (const tstring& name : files::List(folder)) {
        const tstring path = folder + _T("\\") + name;
        if (GetFileAttributes(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            for (const tstring& below : FilesBelow(path, prefix + name + _T("\\")))
                found.push_back(below);
        } else {
            found.push_back(prefix + name);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Runs a whole command line; its exit code, ~0u when it did not end in time.
DWORD RunToEnd(tstring command) {
    STARTUPINFO startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcess(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process))
        return ~0u;
    DWORD code = ~0u;
    if (WaitForSingleObject(process.hProcess, program::kPatienceMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

tstring Uninstall(const TCHAR* name) { return reg::GetText(HKEY_LOCAL_MACHINE, kUninstallKey, name); }
DWORD UninstallNumber(const TCHAR* name) {
    DWORD data = 0, size = sizeof data;
    RegGetValue(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

tstring ShortcutTarget(const tstring& link) {
    TCHAR target[MAX_PATH] = {};
    IShellLink* shortcut = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&shortcut))) &&
        SUCCEEDED(shortcut->QueryInterface(IID_PPV_ARGS(&file))) &&
        SUCCEEDED(file->Load(link.c_str(), STGM_READ)))
        shortcut->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    if (file)
        file->Release();
    if (shortcut)
        shortcut->Release();
    return target;
}

// The window of the process that runs the image, found by the image's path.
HWND WindowOfImage(const tstring& image) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    HWND window = nullptr;
    for (BOOL more = Process32First(snapshot, &entry); more && !window;
         more = Process32Next(snapshot, &entry)) {
        TCHAR path[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        if (const HANDLE process =
                OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID)) {
            QueryFullProcessImageName(process, 0, path, &size);
            CloseHandle(process);
        }
        if (lstrcmpi(path, image.c_str()) == 0)
            window = program::DialogOf(entry.th32ProcessID, nullptr);
    }
    CloseHandle(snapshot);
    return window;
}

std::string ManifestOf(const tstring& exe) {
    std::string text = "<none>";
    const HMODULE module = LoadLibraryEx(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = module ? FindResource(module, MAKEINTRESOURCE(1), RT_MANIFEST) : nullptr;
    if (found)
        text.assign(static_cast<const char*>(LockResource(LoadResource(module, found))),
                    SizeofResource(module, found));
    if (module)
        FreeLibrary(module);
    return text;
}

std::string WithoutComments(std::string xml) {
    for (size_t start; (start = xml.find("<!--")) != std::string::npos;)
        xml.erase(start, xml.find("-->", start) + 3 - start);
    return xml;
}

// What a 32-bit program imports by name, as "dll!function" (dll in lower case).
// The image is mapped as the loader maps it, without its imports loaded.
std::set<std::string> ImportsOf(const tstring& exe) {
    std::set<std::string> imports;
    const HMODULE module = LoadLibraryEx(exe.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return imports;
    // The handle of such a mapping is tagged in its low bits.
    const auto* base = reinterpret_cast<const char*>(reinterpret_cast<ULONG_PTR>(module) & ~3u);
    const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS32*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        base + nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (; entry->Name; ++entry) {
        std::string dll = base + entry->Name;
        std::transform(dll.begin(), dll.end(), dll.begin(), ::tolower);
        for (auto* thunk = reinterpret_cast<const DWORD*>(base + entry->OriginalFirstThunk); *thunk;
             ++thunk)
            if (!(*thunk & IMAGE_ORDINAL_FLAG32))
                imports.insert(dll + "!" + (base + *thunk + sizeof(WORD)));
    }
    FreeLibrary(module);
    return imports;
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
#ifndef INSTALLER_EXE
        GTEST_SKIP() << "the build made no installer (makensis missing)";
#endif
        CoInitialize(nullptr);
    }
    // What a test left installed goes, through the uninstaller where there is one.
    void TearDown() override {
        for (const tstring& folder : {Default(), Custom()}) {
            if (files::Exists(folder + _T("\\Uninstall.exe")))
                RunToEnd(Quoted(folder + _T("\\Uninstall.exe")) + _T(" /S _?=") + folder);
            files::RemoveTree(folder);
        }
        files::RemoveTree(KnownFolder(CSIDL_LOCAL_APPDATA) + _T("\\Vantorel"));
        CoUninitialize();
    }

    static tstring Default() { return KnownFolder(CSIDL_PROGRAM_FILES) + _T("\\") + kProduct; }
    static tstring Custom() { return _T("C:\\Vantorel Suite"); }
    static tstring Shortcuts() { return KnownFolder(CSIDL_COMMON_PROGRAMS) + _T("\\") + kProduct; }
    static tstring Layout() { return WindowsPath(LAYOUT_DIR); }
#ifdef INSTALLER_EXE
    static DWORD Install(const tstring& options) {
        return RunToEnd(Quoted(WindowsPath(INSTALLER_EXE)) + _T(" ") + options);
    }
#else
    static DWORD Install(const tstring&) { return ~0u; }
#endif

    // The folder holds the staged layout and the uninstaller, with marker on
    // the line after "Language" of each settings file.
    static void ExpectInstalled(const tstring& folder, const std::string& marker) {
        tstrings expected = FilesBelow(Layout());
        expected.push_back(_T("Uninstall.exe"));
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, FilesBelow(folder));
        for (const tstring& file : FilesBelow(Layout())) {
            std::string bytes = files::Read(Layout() + _T("\\") + file);
            const size_t line = bytes.find("Language\r\n[----]\r\n");
            if (Name(file) == _T("config.ini") && line != std::string::npos)
                bytes.replace(line + 10, 6, marker);
            EXPECT_TRUE(bytes == files::Read(folder + _T("\\") + file)) << file;
        }
    }
};
}  // namespace

TEST(BuiltProgram, CarriesTheManifestAndVersionOfTheSuite) {
    const char* const manifestParts[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",   // Windows 10 and 11
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   // 8.1
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   // 8
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   // 7
        ">true</dpiAware>", ">PerMonitorV2, System</dpiAwareness>",
        ">true</longPathAware>"};
    for (const Program& program : kPrograms) {
        const tstring exe = WindowsPath(program.built), name = Name(program.installed);
        const std::string manifest = ManifestOf(exe);
        for (const char* part : manifestParts)
            EXPECT_NE(std::string::npos, manifest.find(part)) << name << ": " << part;
        for (const char* absent : {"trustInfo", "requestedExecutionLevel"})
            EXPECT_EQ(std::string::npos, WithoutComments(manifest).find(absent)) << name;

        std::string data(GetFileVersionInfoSize(exe.c_str(), nullptr), '\0');
        ASSERT_TRUE(!data.empty() &&
                    GetFileVersionInfo(exe.c_str(), 0, static_cast<DWORD>(data.size()), &data[0]));
        const std::pair<const TCHAR*, tstring> texts[] = {
            {_T("CompanyName"), _T("Vantorel")},
            {_T("ProductName"), kProduct},
            {_T("FileDescription"), program.description},
            {_T("FileVersion"), VT_VERSION _T(".0")},
            {_T("ProductVersion"), VT_VERSION},
            {_T("OriginalFilename"), name},
            {_T("InternalName"), name.substr(0, name.size() - 4)},
            {_T("LegalCopyright"), _T("Copyright (C) 2026 Vantorel")}};
        for (const auto& [key, expected] : texts) {
            void* value = nullptr;
            UINT length = 0;
            const tstring path = tstring(_T("\\StringFileInfo\\040904b0\\")) + key;
            EXPECT_TRUE(VerQueryValue(data.data(), path.c_str(), &value, &length) &&
                        expected == static_cast<const TCHAR*>(value))
                << name << ": " << key;
        }
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(
            VerQueryValue(data.data(), _T("\\"), reinterpret_cast<void**>(&fixed), &length));
        TCHAR numbers[32];
        wsprintf(numbers, _T("%u.%u.%u.%u"), HIWORD(fixed->dwFileVersionMS),
                 LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                 LOWORD(fixed->dwFileVersionLS));
        EXPECT_EQ(VT_VERSION _T(".0"), tstring(numbers)) << name;
        EXPECT_TRUE(fixed->dwFileVersionMS == fixed->dwProductVersionMS &&
                    fixed->dwFileVersionLS == fixed->dwProductVersionLS) << name;
    }
}

TEST(BuiltProgram, ImportsNothingThatWindows7Lacks) {
    // Windows 7 has no shcore.dll and no API-set DLLs; these functions of
    // user32 and kernel32 came later (what a high-DPI window and a newer
    // runtime want): a program resolves them at run time.
    std::istringstream later(
        "user32.dll: GetDpiForWindow GetDpiForSystem GetSystemDpiForProcess "
        "SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext "
        "GetWindowDpiAwarenessContext GetAwarenessFromDpiAwarenessContext "
        "AreDpiAwarenessContextsEqual IsValidDpiAwarenessContext AdjustWindowRectExForDpi "
        "GetSystemMetricsForDpi SystemParametersInfoForDpi EnableNonClientDpiScaling "
        "SetThreadDpiHostingBehavior SetDialogDpiChangeBehavior SetDialogControlDpiChangeBehavior "
        "LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI "
        "EnableMouseInPointer GetPointerInfo GetPointerType "
        "kernel32.dll: GetSystemTimePreciseAsFileTime CreateFile2 CopyFile2 "
        "GetCurrentThreadStackLimits SetThreadDescription GetThreadDescription "
        "SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory WaitOnAddress "
        "WakeByAddressSingle WakeByAddressAll GetOverlappedResultEx PrefetchVirtualMemory "
        "GetProcessMitigationPolicy SetProcessMitigationPolicy GetFirmwareType "
        "GetCurrentPackageFullName GetCurrentPackageId SetProcessInformation GetProcessInformation "
        "SetThreadInformation GetThreadInformation DiscardVirtualMemory OfferVirtualMemory "
        "ReclaimVirtualMemory CreatePseudoConsole VirtualAlloc2");
    std::set<std::string> lacking;
    std::string dll;
    for (std::string word; later >> word;) {
        if (word.back() == ':')
            dll = word.substr(0, word.size() - 1);
        else
            lacking.insert(dll + "!" + word);
    }
    for (const Program& program : kPrograms) {
        const std::set<std::string> imports = ImportsOf(WindowsPath(program.built));
        EXPECT_LT(0u, imports.count("kernel32.dll!GetModuleFileNameW") +
                          imports.count("kernel32.dll!GetModuleFileNameA"))
            << "the import table was not read";
        for (const std::string& import : imports)
            EXPECT_TRUE(import.rfind("shcore.dll!", 0) && import.rfind("api-ms-win-", 0) &&
                        import.rfind("ext-ms-", 0) && !lacking.count(import))
                << Name(program.installed) << ": " << import;
    }
}

TEST_F(Installer, SilentInstallPutsTheSuiteInPlaceWithTheChosenLanguage) {
    ASSERT_EQ(0u, Install(_T("/S /LANG=1031")));
    ExpectInstalled(Default(), "[1031]");

    // A shortcut for each program and, where the build has it, the suite's help.
    std::set<tstring> expected, targets;
    for (const Program& program : kPrograms)
        expected.insert(Default() + _T("\\") + program.installed);
    if (files::Exists(Layout() + _T("\\help.chm")))
        expected.insert(Default() + _T("\\help.chm"));
    for (const tstring& link : files::List(Shortcuts()))
        targets.insert(ShortcutTarget(Shortcuts() + _T("\\") + link));
    EXPECT_EQ(expected, targets);

    const tstring uninstaller = Quoted(Default() + _T("\\Uninstall.exe"));
    const std::pair<const TCHAR*, tstring> values[] = {
        {_T("DisplayName"), kProduct},
        {_T("DisplayVersion"), VT_VERSION},
        {_T("Publisher"), _T("Vantorel")},
        {_T("DisplayIcon"), Default() + _T("\\Toolcrate.exe")},
        {_T("UninstallString"), uninstaller},
        {_T("QuietUninstallString"), uninstaller + _T(" /S")},
        {_T("InstallLocation"), Default()}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(value, Uninstall(name)) << name;
    EXPECT_EQ(1u, UninstallNumber(_T("NoModify")));
    EXPECT_EQ(1u, UninstallNumber(_T("NoRepair")));
    size_t bytes = 0;
    for (const tstring& file : FilesBelow(Default()))
        bytes += files::Read(Default() + _T("\\") + file).size();
    EXPECT_EQ(bytes / 1024, UninstallNumber(_T("EstimatedSize"))) << "KB of the installed files";
}

TEST_F(Installer, RefusesALanguageTheSuiteDoesNotShip) {
    EXPECT_EQ(2u, Install(_T("/S /LANG=1049")));
    EXPECT_FALSE(files::Exists(Default()));
}

TEST_F(Installer, InstalledLauncherStartsTheModulesFromTheirFoldersAndComesBack) {
    ASSERT_EQ(0u, Install(_T("/S")));
    ExpectInstalled(Default(), "[----]");
    PROCESS_INFORMATION launcher = {};
    const HWND window = program::StartInFolder(Default() + _T("\\Toolcrate.exe"), Default(), launcher);
    ASSERT_NE(nullptr, window);
    for (const Program& module : kPrograms) {
        if (!module.button)
            continue;
        PostMessage(GetDlgItem(window, module.button), BM_CLICK, 0, 0);
        const tstring image = Default() + _T("\\") + module.installed;
        const HWND started = WaitFor([&] { return WindowOfImage(image); });
        ASSERT_NE(nullptr, started) << image;
        EXPECT_FALSE(IsWindowVisible(window));
        PostMessage(started, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000)) << image;
    }
    PostMessage(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(launcher.hProcess, 10000));
    CloseHandle(launcher.hProcess);
    CloseHandle(launcher.hThread);
}

TEST_F(Installer, UninstallLeavesNothingOfOursButTheVerbsmithBackups) {
    ASSERT_EQ(0u, Install(_T("/S")));
    // What the suite leaves while it is used: the launcher's value, also where
    // registry virtualisation puts it, the value Slicewise clears, settings a
    // standard user's language change virtualised, a Verbsmith backup.
    for (const TCHAR* name : {_T("Vantorel Toolcrate"), _T("Vantorel Filequay")}) {
        const tstring key = tstring(_T("Vantorel\\")) + name;
        const std::pair<HKEY, tstring> places[] = {
            {HKEY_LOCAL_MACHINE, _T("Software\\") + key},
            {HKEY_CURRENT_USER, _T("Software\\") + key},
            {HKEY_CURRENT_USER, kVirtualStore + key},
            {HKEY_CURRENT_USER, kVirtualStore + (_T("WOW6432Node\\") + key)}};
        for (const auto& [root, path] : places)
            RegSetKeyValue(root, path.c_str(), _T("active"), REG_SZ, _T("x"), 2 * sizeof(TCHAR));
    }
    const tstring local = KnownFolder(CSIDL_LOCAL_APPDATA);
    const tstring virtualised = local + _T("\\VirtualStore") + Default().substr(2);
    const tstring backups = local + _T("\\Vantorel\\Verbsmith\\Backups");
    for (const tstring& folder : {virtualised + _T("\\Verbsmith"), backups})
        SHCreateDirectoryEx(nullptr, folder.c_str(), nullptr);
    files::Write(virtualised + _T("\\config.ini"), "Language\r\n[1031]\r\n");
    files::Write(virtualised + _T("\\Verbsmith\\config.ini"), "Language\r\n[1031]\r\n");
    files::Write(backups + _T("\\before.reg"), "REGEDIT4\r\n");

    // A folder that holds no installation is refused before anything goes.
    const tstring uninstaller = Quoted(Default() + _T("\\Uninstall.exe"));
    EXPECT_EQ(2u, RunToEnd(uninstaller + _T(" /S _?=C:\\nowhere")));
    EXPECT_EQ(kProduct, Uninstall(_T("DisplayName")));

    // Run in place (so that the test can wait for it) the uninstaller cannot
    // delete itself: it alone stays.
    ASSERT_EQ(0u, RunToEnd(uninstaller + _T(" /S _?=") + Default()));
    EXPECT_EQ(tstrings{_T("Uninstall.exe")}, FilesBelow(Default()));
    EXPECT_FALSE(files::Exists(Shortcuts()));
    EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(reg::KeyExists(HKEY_LOCAL_MACHINE, _T("Software\\Vantorel")));
    for (const tstring& key :
         {tstring(_T("Software\\Vantorel")), kVirtualStore + tstring(_T("Vantorel")),
          kVirtualStore + tstring(_T("WOW6432Node\\Vantorel"))})
        EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, key)) << key;
    EXPECT_FALSE(files::Exists(virtualised));
    EXPECT_EQ("REGEDIT4\r\n", files::Read(backups + _T("\\before.reg")));
}

TEST_F(Installer, UninstallAsAUserRunsItRemovesAnInstallationInAnotherFolder) {
    ASSERT_EQ(0u, Install(_T("/S /D=") + Custom()));
    ExpectInstalled(Custom(), "[----]");
    EXPECT_EQ(Custom(), Uninstall(_T("InstallLocation")));
    // The uninstaller starts a copy of itself elsewhere and ends at once.
    EXPECT_EQ(0u, RunToEnd(Uninstall(_T("QuietUninstallString"))));
    EXPECT_TRUE(WaitUntil([&] {
        return !files::Exists(Custom()) && !files::Exists(Shortcuts()) &&
               !reg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey);
    })) << FilesBelow(Custom()).size() << " files left";
}
