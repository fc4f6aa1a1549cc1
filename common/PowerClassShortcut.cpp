#include "common/PowerClass.h"
#include "common/WideText.h"
#include "framework/ComScope.h"
#include "framework/WriteSeam.h"
#include "framework/Handles.h"
#include <objbase.h>
#include <shlobj.h>

namespace {
// The Shell Link object and its file interface; either may be missing.
class LinkObject {
public:
    LinkObject() {
        failure = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_ALL, IID_IShellLinkW,
                                   reinterpret_cast<void**>(link.Receive()));
        if (SUCCEEDED(failure))
            failure = link.Get()->QueryInterface(IID_IPersistFile,
                                                 reinterpret_cast<void**>(file.Receive()));
    }

    bool Usable() const { return link && file; }

    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    HRESULT failure = S_OK;   // why the object or its file interface is missing
};

// A Win32 error wrapped in an HRESULT comes back as itself; any other
// failure keeps its HRESULT, which FormatMessage can name as well.
DWORD ErrorOf(HRESULT hr) {
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32) return HRESULT_CODE(hr);
    return FAILED(hr) ? static_cast<DWORD>(hr) : static_cast<DWORD>(E_FAIL);
}

DWORD FlushToDisk(const tstring& path) {
    const FileHandle file(CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return GetLastError();
    return Writes().Flush(file.Get(), path) ? ERROR_SUCCESS : GetLastError();
}

// The link is saved beside linkPath and takes its name in one rename once
// it is on the disk: a failure at any step leaves linkPath as it was.
WriteResult SaveInPlaceOf(IPersistFile& file, const tstring& linkPath) {
    const tstring temp = linkPath + _T(".new");
    const HRESULT hr = file.Save(widetext::ToWide(temp).c_str(), FALSE);
    DWORD error = FAILED(hr) ? ErrorOf(hr) : FlushToDisk(temp);
    if (error == ERROR_SUCCESS && !Writes().Replace(temp, linkPath)) error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFile(temp.c_str());
    return {error};
}
}

WriteResult PowerClass::CreateShortcut(const tstring& target, const tstring& linkPath,
                                       const tstring& description) {
    if (const DWORD refused = Writes().Permit(linkPath)) return {refused};
    ComScope com;
    LinkObject shortcut;
    if (!shortcut.Usable()) return {ErrorOf(shortcut.failure)};
    HRESULT hr = shortcut.link.Get()->SetPath(widetext::ToWide(target).c_str());
    if (SUCCEEDED(hr)) hr = shortcut.link.Get()->SetDescription(widetext::ToWide(description).c_str());
    if (FAILED(hr)) return {ErrorOf(hr)};
    return SaveInPlaceOf(*shortcut.file.Get(), linkPath);
}

WriteResult PowerClass::RetargetShortcut(const tstring& from, const tstring& linkPath,
                                         const tstring& target, const tstring& description) {
    if (const DWORD refused = Writes().Permit(linkPath)) return {refused};
    ComScope com;
    LinkObject shortcut;
    if (!shortcut.Usable()) return {ErrorOf(shortcut.failure)};
    HRESULT hr = S_OK;
    if (FAILED(shortcut.file.Get()->Load(widetext::ToWide(from).c_str(), STGM_READ)))
        hr = shortcut.link.Get()->SetDescription(widetext::ToWide(description).c_str());
    if (SUCCEEDED(hr)) hr = shortcut.link.Get()->SetPath(widetext::ToWide(target).c_str());
    if (FAILED(hr)) return {ErrorOf(hr)};
    return SaveInPlaceOf(*shortcut.file.Get(), linkPath);
}

tstring PowerClass::ReadShortcut(const tstring& linkPath) {
    ComScope com;
    LinkObject shortcut;
    if (!shortcut.Usable()) return tstring();
    // A link that does not load leaves the object empty: both queries then
    // answer with empty texts.
    shortcut.file.Get()->Load(widetext::ToWide(linkPath).c_str(),
                        STGM_READWRITE | STGM_SHARE_EXCLUSIVE);
    WCHAR text[MAX_PATH] = {};
    if (SUCCEEDED(shortcut.link.Get()->GetDescription(text, MAX_PATH)))
        subKey = widetext::FromWide(text);
    WCHAR target[MAX_PATH] = {};
    if (SUCCEEDED(shortcut.link.Get()->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)))
        return widetext::FromWide(target);
    return tstring();
}
