#pragma once
// The checksum file of a divided set, in the format of GNU sha256sum, so
// that a user can check the set without this program: UTF-8 without a byte
// order mark, one line per file, "<64 lower-case hex digits>  <name>\n",
// the name without a folder. Divide writes a line for each part and one for
// the whole source; Merge checks the parts against it, and against the
// sha256sum and md5sum files that sets made elsewhere come with.
#include "framework/TString.h"
#include "slicewise/core/Md5.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/Sha256.h"
#include <functional>
#include <map>
#include <utility>
#include <vector>

using ManifestLines = std::vector<std::pair<tstring, Sha256Digest>>;
// Digests by file name, as read back: found as Windows finds the files, in
// any letter case.
template <class Digest>
using DigestsByName = std::map<tstring, Digest, FileNameLess>;
using ManifestDigests = DigestsByName<Sha256Digest>;
// Whether a file name's line is kept.
using ManifestFilter = std::function<bool(const tstring&)>;

// What a checksum file holds, by the length of its digests.
struct SumFile {
    ManifestDigests sha256;
    DigestsByName<Md5Digest> md5;
    // The first name that is not a bare file name: when there is one, the
    // file cannot vouch for the files beside it, and is not used at all.
    tstring pathName;
};

// Whether name is a file's own name, which a checksum file beside the files
// may name and a joined file may take: not empty, no folder, drive or stream
// (a backslash, "/", ":"), no control character or wildcard, no dot or blank at the
// end (Windows drops them, so "..." names the folder itself and "a." names
// "a"), and no device such as CON or NUL, with or without an extension.
[[nodiscard]] bool IsBareFileName(const tstring& name);

// The longest line read, without its LF: a byte order mark, the digest, two
// blanks, the longest file name (32,767 UTF-16 units, each at most 3 bytes
// of UTF-8) and a CR. A longer line cannot be a checksum line and is skipped
// without being stored.
const size_t kLongestManifestLine = 3 + 64 + 2 + 32767 * 3 + 1;

// The checksum file of the set whose parts are named after stem.
tstring ManifestPath(const tstring& stem);
std::string ManifestText(const ManifestLines& lines);

// Reads checksum lines of 64 hex digits (sha256sum) or 32 (md5sum) from
// bytes handed over in pieces of any size. Lines in another form are
// skipped, as sha256sum skips them; a line with the binary marker
// ("<digest> *<name>") and a CR before the LF are read as sha256sum reads
// them. A name sha256sum had to escape (its line starts with a backslash)
// holds a backslash or a line break, so it is never a bare file name.
class ManifestReader {
public:
    explicit ManifestReader(ManifestFilter keep) : keep_(std::move(keep)) {}
    void Take(const char* bytes, size_t count);
    // After the last bytes: the kept lines' digests, and a name of any line
    // that is not a bare file name.
    [[nodiscard]] SumFile Finish();

private:
    void EndLine();
    template <class Digest>
    void Keep(const tstring& name, bool escaped, const Digest& digest,
              DigestsByName<Digest>& digests);

    ManifestFilter keep_;
    SumFile sums_;
    std::string line_;
    bool firstLine_ = true;
    bool tooLong_ = false;
};

// Reads the checksum file at path through a buffer of fixed size, keeping
// the lines of the names keep accepts. Raises FileError when it cannot be read.
[[nodiscard]] SumFile ReadSumFile(const tstring& path, const ManifestFilter& keep);
// The same, for this program's own file: its SHA-256 lines.
[[nodiscard]] ManifestDigests ReadManifest(const tstring& path, const ManifestFilter& keep);
