#include "tests/support/TempFolder.h"
#include <algorithm>
#include <stdexcept>

TempFolder::TempFolder() {
    TCHAR base[MAX_PATH];
    GetTempPath(MAX_PATH, base);
    static LONG counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        TCHAR name[64];
        wsprintf(name, _T("vt%lu-%ld-%d"), GetCurrentProcessId(), InterlockedIncrement(&counter),
                 attempt);
        tstring path = tstring(base) + name;
        if (CreateDirectory(path.c_str(), nullptr)) {
            path_ = path;
            return;
        }
    }
    throw std::runtime_error("TempFolder: cannot create a folder");
}

TempFolder::~TempFolder() { files::RemoveTree(path_); }

namespace files {
void Write(const tstring& path, const std::string& bytes) {
    HANDLE h = CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("files::Write: cannot create");
    DWORD written = 0;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) break;
        done += written;
    }
    CloseHandle(h);
    if (done != bytes.size()) throw std::runtime_error("files::Write: short write");
}

std::string Read(const tstring& path) {
    HANDLE h = CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
    CloseHandle(h);
    return bytes;
}

bool Exists(const tstring& path) { return GetFileAttributes(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

tstrings List(const tstring& folder) {
    tstrings names;
    WIN32_FIND_DATA fd;
    HANDLE h = FindFirstFile((folder + _T("\\*")).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        tstring n = fd.cFileName;
        if (n != _T(".") && n != _T("..")) names.push_back(n);
    } while (FindNextFile(h, &fd));
    FindClose(h);
    return names;
}

void RemoveTree(const tstring& path) {
    DWORD attrs = GetFileAttributes(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attrs & FILE_ATTRIBUTE_DIRECTORY) {
        for (const tstring& name : List(path)) RemoveTree(path + _T("\\") + name);
        RemoveDirectory(path.c_str());
    } else {
        DeleteFile(path.c_str());
    }
}
}
