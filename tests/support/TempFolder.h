#pragma once
#include "framework/TString.h"

// A fresh, empty folder below the temp path; removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const tstring& Path() const { return path_; }
    // Path() + "\" + name
    tstring operator/(const tstring& name) const { return path_ + _T("\\") + name; }

private:
    tstring path_;
};

// Independent file access for checks: plain API calls, byte exact.
namespace files {
void Write(const tstring& path, const std::string& bytes);
std::string Read(const tstring& path);   // empty when missing
bool Exists(const tstring& path);
tstrings List(const tstring& folder);   // names in the folder, without "." and ".."
void RemoveTree(const tstring& path);
}
