#include "slicewise/core/Volume.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/SliceTexts.h"

namespace {

class Win32Volumes : public VolumeSeam {
public:
    bool FreeBytes(const tstring& folder, ULONGLONG& bytes) override {
        ULARGE_INTEGER available = {};
        if (!GetDiskFreeSpaceEx(folder.c_str(), &available, nullptr, nullptr))
            return false;
        bytes = available.QuadPart;
        return true;
    }
    tstring FileSystem(const tstring& folder) override {
        TCHAR root[MAX_PATH + 1] = {};
        TCHAR name[MAX_PATH + 1] = {};
        if (!GetVolumePathName(folder.c_str(), root, MAX_PATH) ||
            !GetVolumeInformation(root, nullptr, 0, nullptr, nullptr, nullptr, name, MAX_PATH))
            return tstring();
        return name;
    }
};

Win32Volumes realVolumes;
VolumeSeam* currentVolumes = &realVolumes;

// The unit texts of the size combo: bytes, KB, MB, GB.
const struct {
    ULONGLONG factor;
    int text;
} kUnits[] = {{1ULL << 30, slicetext::kUnitGB},
              {1ULL << 20, slicetext::kUnitMB},
              {1ULL << 10, slicetext::kUnitKB},
              {1, slicetext::kUnitBytes}};

// Two sizes in one unit, the largest that leaves the first at 10 or more,
// so that they compare at a glance; the first is rounded up, the second
// down, so that "needs" and "has" never look closer than they are.
std::pair<tstring, tstring> SizeTexts(SliceHost& host, ULONGLONG up, ULONGLONG down) {
    size_t unit = 0;
    while (kUnits[unit].factor > 1 && up / kUnits[unit].factor < 10)
        ++unit;
    const ULONGLONG factor = kUnits[unit].factor;
    const tstring name = _T(" ") + host.Text(kUnits[unit].text);
    return {FormatText(_T("%d"), {(up + factor - 1) / factor}) + name,
            FormatText(_T("%d"), {down / factor}) + name};
}

void Refuse(SliceHost& host, int text, std::initializer_list<FormatArg> args) {
    host.Tell(FormatText(host.Text(text), args), host.Text(slicetext::kCaption));
}

}  // namespace

VolumeSeam& Volumes() { return *currentVolumes; }

void SetVolumes(VolumeSeam* seam) { currentVolumes = seam ? seam : &realVolumes; }

ULONGLONG LargestFile(const tstring& fileSystem) {
    for (const TCHAR* fat : {_T("FAT"), _T("FAT12"), _T("FAT16"), _T("FAT32")})
        if (lstrcmpi(fileSystem.c_str(), fat) == 0)
            return 0xFFFFFFFFULL;   // 4 GiB - 1
    return 0;
}

bool RoomForSet(SliceHost& host, const tstring& folder, const SetSize& set) {
    const tstring fileSystem = Volumes().FileSystem(folder);
    const ULONGLONG largest = LargestFile(fileSystem);
    if (largest != 0 && set.largest > largest) {
        const auto sizes = SizeTexts(host, set.largest, largest);
        Refuse(host, slicetext::kFileTooLarge, {folder, fileSystem, sizes.second, sizes.first});
        return false;
    }
    ULONGLONG free = 0;
    if (Volumes().FreeBytes(folder, free) && free < set.bytes) {
        const auto sizes = SizeTexts(host, set.bytes, free);
        Refuse(host, slicetext::kNoRoom, {folder, sizes.first, sizes.second});
        return false;
    }
    return true;
}
