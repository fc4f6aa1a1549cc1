#pragma once
// The set of part files that a chosen file belongs to, whichever of its
// parts was chosen: the sets this program divides ("name.00001.vtrl", ...)
// and the numbered sets that other splitters make ("name.001", "name.002",
// ..., three digits or more, as many as the chosen name has). A numbered
// file ending in zeros (".000") is the information file that some
// splitters write beside their parts: choosing it chooses its set. The
// volumes of a multi-volume archive ("name.part1.rar", "name.r00") are not
// raw byte ranges: only their archive program joins them.
#include "framework/TString.h"

enum class PartKind { kPart, kNotAPart, kArchiveVolume };

// The set's parts found in their folder: the highest number there, and the
// lowest number below it that is missing (0 for none).
struct PartCount {
    ULONGLONG last = 0;
    ULONGLONG missing = 0;
};

class PartSet {
public:
    PartSet() = default;
    // What the file at path is; set is filled in for a part.
    [[nodiscard]] static PartKind Recognise(const tstring& path, PartSet& set);

    // The path of part number (from 1 on).
    [[nodiscard]] tstring Part(ULONGLONG number) const;
    // The path of the joined file, beside the parts: by default the parts'
    // path before their number ("name" for "name.001").
    [[nodiscard]] const tstring& Joined() const { return joined_; }
    // A set of this program's: it always ends in a part shorter than part 1,
    // an empty one when the file filled its last part.
    [[nodiscard]] bool Ours() const { return !suffix_.empty(); }
    // Names the joined file otherwise (a bare file name), as a checksum file
    // of the set that names the original file may ask.
    void SetJoinedName(const tstring& name);
    // The number of the set's part that a file of the parts' folder is
    // named as (without folder, in any letter case); 0 when it is none.
    [[nodiscard]] ULONGLONG NumberOf(const tstring& fileName) const;
    // Lists the parts' folder for the set's parts.
    [[nodiscard]] PartCount CountParts() const;

private:
    PartSet(const tstring& stem, const tstring& suffix, size_t width);
    static size_t NumberWidth(const tstring& stem, const tstring& number);

    tstring stem_;     // the parts' path before "." and their number
    tstring suffix_;   // what follows the number: ".vtrl" or nothing
    size_t width_ = 0;   // the number's digits at least
    tstring joined_;
};
