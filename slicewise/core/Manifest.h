#pragma once
// The checksum file of a divided set, in the format of GNU sha256sum, so
// that a user can check the set without this program: UTF-8 without a byte
// order mark, one line per file, "<64 lower-case hex digits>  <name>\n",
// the name without a folder. Divide writes a line for each part and one for
// the whole source; Merge checks the parts against it.
#include "framework/TString.h"
#include "slicewise/core/Sha256.h"
#include <functional>
#include <map>
#include <utility>
#include <vector>

using ManifestLines = std::vector<std::pair<tstring, Sha256Digest>>;
// Digests by file name, as read back.
using ManifestDigests = std::map<tstring, Sha256Digest>;
// Whether a file name's line is kept.
using ManifestFilter = std::function<bool(const tstring&)>;

// The longest line read, without its LF: a byte order mark, the digest, two
// blanks, the longest file name (32,767 UTF-16 units, each at most 3 bytes
// of UTF-8) and a CR. A longer line cannot be a checksum line and is skipped
// without being stored.
const size_t kLongestManifestLine = 3 + 64 + 2 + 32767 * 3 + 1;

// The checksum file of the set whose parts are named after stem.
tstring ManifestPath(const tstring& stem);
std::string ManifestText(const ManifestLines& lines);

// Reads checksum lines from bytes handed over in pieces of any size. Lines
// in another form are skipped, as sha256sum skips them; a line with the
// binary marker ("<digest> *<name>") and a CR before the LF are read as
// sha256sum reads them.
class ManifestReader {
public:
    explicit ManifestReader(ManifestFilter keep) : keep_(std::move(keep)) {}
    void Take(const char* bytes, size_t count);
    // After the last bytes: the kept lines' digests.
    ManifestDigests Finish();

private:
    void EndLine();

    ManifestFilter keep_;
    ManifestDigests digests_;
    std::string line_;
    bool firstLine_ = true;
    bool tooLong_ = false;
};

// Reads the checksum file at path through a buffer of fixed size, keeping
// the lines of the names keep accepts. Raises FileError when it cannot be read.
ManifestDigests ReadManifest(const tstring& path, const ManifestFilter& keep);
