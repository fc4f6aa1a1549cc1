#pragma once
// Language text numbers of the splitter's window and of its Divide and
// Merge commands, and the fixed captions that are not translated.
#include "framework/TString.h"

namespace slicetext {
enum : int {
    kEmpty = 0,              // not a text: the status line is cleared
    kCaption = 5,            // caption of the command's messages
    kMissingInput = 130,     // no source file or no output folder
    kDividing = 135,         // status: the first part is open
    kNothingToDivide = 140,  // the source is not larger than the part size
    kZeroPartSize = 141,     // a part size of 0 bytes
    kDividePart = 145,       // status: part %d started
    kDivideProgress = 146,   // status: part %d, %d percent
    kDivided = 150,          // the division is complete
    kMergeHint = 152,        // shown before the open-file dialog
    kNotAPart = 153,         // the chosen file is not named like a part
    kMerging = 155,          // status: merging starts
    kMergePart = 160,        // status: part %d opened
    kMergeProgress = 161,    // status: part %d, %d percent
    kMerged = 165,           // merging is complete
    kMissingPart = 166,      // the next part (%s, its full name) is missing
    kEmptyFirstPart = 167,   // part 1 (%s) is empty
    kShortPart = 168,        // part %s is shorter than part 1 and another follows it
    kForeignChecksums = 169, // checksum file %s names neither the parts nor the joined file
    kDivideStopped = 170,    // dividing was stopped; its parts were removed
    kMergeStopped = 171,     // merging was stopped; no joined file was written
    kOutOfMemory = 172,      // a run ended for want of memory
    kUnexpected = 173,       // a run ended by an error of no known kind
    kPartMismatch = 300,     // part %s differs from its digest in checksum file %s
    kJoinedMismatch = 301,   // the joined bytes differ from the digest of %s in %s
    kNoRoom = 302,           // folder %s: the parts need %s, the drive has %s free
    kFileTooLarge = 303,     // folder %s, file system %s: files of at most %s, parts of %s
    kChecksumPathName = 310, // checksum file %s names %s, which is not a bare file name
    kDamagedCrcFile = 311,   // the name, size or CRC-32 in .crc file %s is missing or malformed
    kArchiveVolume = 320,    // %s is a volume of a multi-volume archive, not a part
    kLongPart = 321,         // part %s is longer than part 1 and another follows it
    kBadPartCount = 350,     // a number of parts not from 2 to the file's size (%s bytes)
};

// Texts of the main window: its menus, controls and run handling.
enum : int {
    kWelcome = 10,
    kIntroduction = 15,
    kSourceGroup = 20,
    kBrowseFile = 25,
    kFolderGroup = 30,
    kBrowseFolder = 35,
    kSizeGroup = 40,
    kMergeButton = 45,
    kDivideButton = 50,
    kSize100KB = 55,
    kSizeFloppy = 60,
    kSize500KB = 65,
    kSize1MB = 70,
    kSizeCD = 75,
    kSizeDVD = 80,
    kSizeUser = 85,
    kSize2MB = 90,
    kUnitBytes = 105,        // the units of the user-defined size, in list order
    kUnitKB = 110,
    kUnitMB = 115,
    kUnitGB = 120,
    kUnitParts = 121,        // the user size counts parts
    kUnitLabel = 122,        // names the unit list (hidden label)
    kFolderPrompt = 125,     // above the folder picker's tree
    kFileMenu = 200,
    kLanguageItem = 215,
    kExitItem = 220,
    kHelpMenu = 250,
    kHelpFileItem = 255,
    kWebsiteItem = 260,
    kAboutItem = 265,
    kCloseQuestion = 340,    // a run goes on: stop it and close?
    kStopButton = 341,       // the running command's button during the run
    kShutdownReason = 342,   // why the session should wait
    kProgressLine = 344,     // under the bar: %s MB/s, %s time left
    kDropOneFile = 351,      // several files or a folder were dropped
    kMergeDropped = 352,     // dropped file %s is a part: merge its set?
};
}  // namespace slicetext

// Caption of the completion message of Divide and of file-error reports.
extern const TCHAR kSlicewiseName[];   // "Vantorel Slicewise"

#include <vector>
// The main languages whose regional variants ("Dialects[...]" settings) the
// splitter's texts fold onto, in the order they are tried.
inline const std::vector<int>& SlicewiseDialects() {
    static const std::vector<int> dialects{1031, 1034, 1043, 1036};
    return dialects;
}
