#pragma once
// The checksum file of a divided set, in the format of GNU sha256sum, so
// that a user can check the set without this program: UTF-8 without a byte
// order mark, one line per file, "<64 lower-case hex digits>  <name>\n",
// the name without a folder. Divide writes a line for each part and one for
// the whole source; Merge checks the parts against it.
#include "framework/TString.h"
#include "slicewise/core/Sha256.h"
#include <map>
#include <utility>
#include <vector>

using ManifestLines = std::vector<std::pair<tstring, Sha256Digest>>;
// Digests by file name, as read back.
using ManifestDigests = std::map<tstring, Sha256Digest>;

// The checksum file of the set whose parts are named after stem.
tstring ManifestPath(const tstring& stem);
std::string ManifestText(const ManifestLines& lines);
// Lines in another form are skipped, as sha256sum skips them; a line with
// the binary marker ("<digest> *<name>") and a CR before the LF are read as
// sha256sum reads them.
ManifestDigests ParseManifest(const std::string& text);
