#include "slicewise/core/PartSet.h"
#include "common/PowerClass.h"
#include "framework/Handles.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/PartNames.h"
#include <algorithm>
#include <vector>

namespace {
const TCHAR kOurSuffix[] = _T(".vtrl");
const size_t kOurWidth = 5;
const size_t kNumberedWidth = 3;
const size_t kLongestNumber = 18;   // any number of 18 digits fits 64 bits

bool IsDigit(TCHAR c) { return c >= _T('0') && c <= _T('9'); }

// How many digits end text right after lead (in any letter case); 0 when
// text does not end so.
size_t DigitsAfter(const tstring& text, const tstring& lead) {
    size_t start = text.size();
    while (start > 0 && IsDigit(text[start - 1]))
        --start;
    if (start < lead.size() || !SameFileName(text.substr(start - lead.size(), lead.size()), lead))
        return 0;
    return text.size() - start;
}

ULONGLONG Value(const tstring& digits) {
    ULONGLONG value = 0;
    for (TCHAR c : digits)
        value = value * 10 + static_cast<ULONGLONG>(c - _T('0'));
    return value;
}

// "name.part1.rar", "name.part01.rar", and the older volumes "name.r00"
// and "name.z01" of archives split by their archive program.
bool IsArchiveVolume(const tstring& name) {
    const tstring rar = _T(".rar");
    if (name.size() > rar.size() && SameFileName(name.substr(name.size() - rar.size()), rar) &&
        DigitsAfter(name.substr(0, name.size() - rar.size()), _T(".part")) > 0)
        return true;
    return DigitsAfter(name, _T(".r")) >= 2 || DigitsAfter(name, _T(".z")) >= 2;
}
}  // namespace

// "name.1000", without a leading zero, is part 1000 of "name.001" as well
// as of "name.0001": the part 1 there is tells which.
size_t PartSet::NumberWidth(const tstring& stem, const tstring& number) {
    if (number[0] != _T('0'))
        for (size_t width = kNumberedWidth; width < number.size(); ++width)
            if (PowerClass::FileExists(PartSet(stem, tstring(), width).Part(1)))
                return width;
    return number.size();
}

PartSet::PartSet(const tstring& stem, const tstring& suffix, size_t width)
    : stem_(stem), suffix_(suffix), width_(width), joined_(stem) {}

PartKind PartSet::Recognise(const tstring& path, PartSet& set) {
    const tstring name = FileNameOf(path);
    tstring stem;
    if (StemOfPart(path, stem)) {
        set = PartSet(stem, kOurSuffix, kOurWidth);
    } else if (IsArchiveVolume(name)) {
        return PartKind::kArchiveVolume;
    } else {
        const size_t digits = DigitsAfter(name, _T("."));
        if (digits < kNumberedWidth || digits > kLongestNumber)
            return PartKind::kNotAPart;
        stem = path.substr(0, path.size() - digits - 1);
        const size_t width = NumberWidth(stem, path.substr(path.size() - digits));
        set = PartSet(stem, tstring(), width);
    }
    // ".001" alone names no joined file.
    return FileNameOf(stem).empty() ? PartKind::kNotAPart : PartKind::kPart;
}

tstring PartSet::Part(ULONGLONG number) const {
    const tstring digits = FormatText(_T("%d"), {number});
    return stem_ + _T(".") + PowerClass::PadWithZeros(digits, width_) + suffix_;
}

void PartSet::SetJoinedName(const tstring& name) { joined_ = FolderOf(stem_) + name; }

ULONGLONG PartSet::NumberOf(const tstring& fileName) const {
    const size_t start = FileNameOf(stem_).size() + 1;
    if (fileName.size() <= start + suffix_.size())
        return 0;
    const tstring digits = fileName.substr(start, fileName.size() - start - suffix_.size());
    for (TCHAR c : digits)
        if (!IsDigit(c))
            return 0;
    if (digits.size() > kLongestNumber)
        return 0;
    const ULONGLONG number = Value(digits);
    return number != 0 && SameFileName(fileName, FileNameOf(Part(number))) ? number : 0;
}

PartCount PartSet::CountParts() const {
    std::vector<ULONGLONG> numbers;
    WIN32_FIND_DATA found;
    const FindHandle find(FindFirstFile((stem_ + _T(".*")).c_str(), &found));
    if (find) {
        do {
            const ULONGLONG number = NumberOf(found.cFileName);
            if (number != 0 && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                numbers.push_back(number);
        } while (FindNextFile(find.Get(), &found));
    }
    std::sort(numbers.begin(), numbers.end());
    PartCount count;
    if (!numbers.empty())
        count.last = numbers.back();
    // Sorted, each number below its place is a gap: the first names it.
    for (size_t at = 0; at < numbers.size() && count.missing == 0; ++at)
        if (numbers[at] != at + 1)
            count.missing = at + 1;
    return count;
}
