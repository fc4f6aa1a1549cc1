#include "slicewise/core/PartNames.h"
#include "common/PowerClass.h"
#include "framework/SafeFormat.h"

namespace {
const TCHAR kFolderSuffix[] = _T("\\...");   // what the folder commands append
const size_t kFolderSuffixLength = 4;
const size_t kNumberWidth = 5;
const TCHAR kExtension[] = _T(".vtrl");
const size_t kExtensionLength = 5;

bool IsDigit(TCHAR c) { return c >= _T('0') && c <= _T('9'); }
}  // namespace

tstring FolderBase(const tstring& outputFolder) {
    const size_t size = outputFolder.size();
    if (size >= kFolderSuffixLength &&
        outputFolder.compare(size - kFolderSuffixLength, kFolderSuffixLength, kFolderSuffix) == 0)
        return outputFolder.substr(0, size - kFolderSuffixLength);
    // A folder typed by hand: the name tail brings the backslash.
    if (size > 0 && outputFolder[size - 1] == _T('\\'))
        return outputFolder.substr(0, size - 1);
    return outputFolder;
}

tstring NameTail(const tstring& sourcePath) {
    const size_t slash = sourcePath.rfind(_T('\\'));
    return slash == tstring::npos ? sourcePath : sourcePath.substr(slash);
}

tstring FolderOf(const tstring& path) {
    const size_t slash = path.rfind(_T('\\'));
    return slash == tstring::npos ? tstring() : path.substr(0, slash + 1);
}

tstring FileNameOf(const tstring& path) {
    const size_t slash = path.rfind(_T('\\'));
    return slash == tstring::npos ? path : path.substr(slash + 1);
}

int CompareFileNames(const tstring& a, const tstring& b) {
    // CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; names are far
    // shorter than INT_MAX.
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) -
           CSTR_EQUAL;
}

tstring PartName(const tstring& stem, ULONGLONG number) {
    const tstring digits = FormatText(_T("%d"), {number});
    return stem + _T(".") + PowerClass::PadWithZeros(digits, kNumberWidth) + kExtension;
}

bool StemOfPart(const tstring& path, tstring& stem) {
    if (path.size() < kExtensionLength ||
        lstrcmpi(path.c_str() + path.size() - kExtensionLength, kExtension) != 0)
        return false;
    size_t digitsStart = path.size() - kExtensionLength;
    while (digitsStart > 0 && IsDigit(path[digitsStart - 1]))
        --digitsStart;
    const size_t digitCount = path.size() - kExtensionLength - digitsStart;
    if (digitCount < kNumberWidth || digitsStart == 0 || path[digitsStart - 1] != _T('.'))
        return false;
    stem = path.substr(0, digitsStart - 1);
    return true;
}
