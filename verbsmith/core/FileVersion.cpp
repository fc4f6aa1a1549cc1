#include "verbsmith/core/FileVersion.h"
#include "framework/SafeFormat.h"
#include <algorithm>
#include <vector>

namespace {

using VersionInfo = std::vector<BYTE>;

tstring Hex4(WORD value) {
    const TCHAR digits[] = _T("0123456789ABCDEF");
    tstring text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}

// The string tables tried in order: the file's first translation, then US
// English in Unicode and in the Western code page, which files without a
// translation list usually carry.
tstrings StringTables(const VersionInfo& info) {
    tstrings tables;
    void* data = nullptr;
    UINT size = 0;
    if (VerQueryValue(info.data(), _T("\\VarFileInfo\\Translation"), &data, &size) &&
        size >= 2 * sizeof(WORD)) {
        const WORD* translation = static_cast<const WORD*>(data);
        tables.push_back(Hex4(translation[0]) + Hex4(translation[1]));
    }
    tables.push_back(_T("040904B0"));
    tables.push_back(_T("040904E4"));
    return tables;
}

tstring StringOf(const VersionInfo& info, const tstrings& tables, const TCHAR* name) {
    for (const tstring& table : tables) {
        const tstring query = _T("\\StringFileInfo\\") + table + _T("\\") + name;
        void* data = nullptr;
        UINT length = 0;
        if (!VerQueryValue(info.data(), query.c_str(), &data, &length) || length == 0)
            continue;
        tstring text(static_cast<const TCHAR*>(data), length);
        text.erase(std::min(text.find(_T('\0')), text.size()));
        if (!text.empty())
            return text;
    }
    return tstring();
}

tstring FixedVersion(const VersionInfo& info) {
    void* data = nullptr;
    UINT size = 0;
    if (!VerQueryValue(info.data(), _T("\\"), &data, &size) || size < sizeof(VS_FIXEDFILEINFO))
        return tstring();
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    if (fixed->dwSignature != VS_FFI_SIGNATURE)
        return tstring();
    return FormatText(_T("%d.%d.%d.%d"), {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                                         HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)});
}

}  // namespace

FileVersion VersionOf(const tstring& path) {
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSize(path.c_str(), &unused);
    if (size == 0)
        return {};
    VersionInfo info(size);
    if (!GetFileVersionInfo(path.c_str(), 0, size, info.data()))
        return {};
    const tstrings tables = StringTables(info);
    return {StringOf(info, tables, _T("FileDescription")), StringOf(info, tables, _T("CompanyName")),
            FixedVersion(info)};
}
