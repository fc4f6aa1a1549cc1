#include "slicewise/core/Manifest.h"
#include "common/WideText.h"

namespace {
const size_t kHexDigits = 64;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseLine(const std::string& line, tstring& name, Sha256Digest& digest) {
    if (line.size() < kHexDigits + 3 || line[kHexDigits] != ' ' ||
        (line[kHexDigits + 1] != ' ' && line[kHexDigits + 1] != '*'))
        return false;
    for (size_t i = 0; i < digest.size(); ++i) {
        const int high = HexValue(line[2 * i]), low = HexValue(line[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        digest[i] = static_cast<BYTE>(high * 16 + low);
    }
    std::wstring wide;
    if (!widetext::FromUtf8(line.substr(kHexDigits + 2), wide, true) || wide.empty())
        return false;
    name = widetext::FromWide(wide);
    return true;
}
}  // namespace

tstring ManifestPath(const tstring& stem) { return stem + _T(".sha256"); }

std::string ManifestText(const ManifestLines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += HexDigest(line.second) + "  " + widetext::ToUtf8(widetext::ToWide(line.first)) + "\n";
    return text;
}

ManifestDigests ParseManifest(const std::string& text) {
    ManifestDigests digests;
    size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;   // from an editor
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        tstring name;
        Sha256Digest digest;
        if (ParseLine(line, name, digest))
            digests[name] = digest;
        at = end + 1;
    }
    return digests;
}
