#pragma once
// What Divide asks of the volume that takes the parts, before it creates
// any: room for the whole set and the size of file its file system holds.
// The questions go through one seam, so that tests can report a full drive
// or a FAT32 volume.
#include "framework/TString.h"
#include "slicewise/core/SliceHost.h"

class VolumeSeam {
public:
    virtual ~VolumeSeam() = default;
    // GetDiskFreeSpaceEx: the bytes free to this user; false when unknown.
    virtual bool FreeBytes(const tstring& folder, ULONGLONG& bytes) = 0;
    // GetVolumeInformation of the folder's volume: the name of its file
    // system ("NTFS", "FAT32"); empty when unknown.
    virtual tstring FileSystem(const tstring& folder) = 0;
};

// The seam in force; never null.
VolumeSeam& Volumes();
// Installs a replacement (tests); nullptr restores the real calls.
void SetVolumes(VolumeSeam* seam);

// The largest file the file system holds; 0 when it sets no limit that a
// part could reach.
ULONGLONG LargestFile(const tstring& fileSystem);

// What the parts of one divide take.
struct SetSize {
    ULONGLONG bytes;      // parts and checksum file together
    ULONGLONG largest;    // the largest part
};

// true when the volume of folder (a folder path ending in a backslash) can
// take the set; otherwise the refusal (texts 302 or 303, caption 5) is shown.
// A volume that cannot be asked is not refused: creating the parts reports
// what is wrong with it.
bool RoomForSet(SliceHost& host, const tstring& folder, const SetSize& set);
