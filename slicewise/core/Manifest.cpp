#include "slicewise/core/Manifest.h"
#include "common/WideText.h"
#include "framework/BufferedFile.h"
#include <cstring>

namespace {
const size_t kHexDigits = 64;
const char kByteOrderMark[] = "\xEF\xBB\xBF";   // from an editor
const size_t kReadPiece = 64 * 1024;

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

void ManifestReader::Take(const char* bytes, size_t count) {
    while (count > 0) {
        const char* end = static_cast<const char*>(std::memchr(bytes, '\n', count));
        const size_t length = end ? static_cast<size_t>(end - bytes) : count;
        if (!tooLong_ && line_.size() + length > kLongestManifestLine) {
            tooLong_ = true;
            std::string().swap(line_);
        }
        if (!tooLong_)
            line_.append(bytes, length);
        if (!end)
            return;
        EndLine();
        bytes = end + 1;
        count -= length + 1;
    }
}

ManifestDigests ManifestReader::Finish() {
    if (!line_.empty())
        EndLine();
    return std::move(digests_);
}

void ManifestReader::EndLine() {
    if (!tooLong_) {
        if (!line_.empty() && line_.back() == '\r')
            line_.pop_back();
        if (firstLine_ && line_.compare(0, 3, kByteOrderMark) == 0)
            line_.erase(0, 3);
        tstring name;
        Sha256Digest digest;
        if (ParseLine(line_, name, digest) && keep_(name))
            digests_[name] = digest;
    }
    firstLine_ = false;
    tooLong_ = false;
    line_.clear();
}

ManifestDigests ReadManifest(const tstring& path, const ManifestFilter& keep) {
    BufferedFile file;
    file.Open(path, BufferedFile::kRead);
    ManifestReader reader(keep);
    std::vector<char> piece(kReadPiece);
    while (const size_t count = file.Read(piece.data(), piece.size()))
        reader.Take(piece.data(), count);
    file.Close();
    return reader.Finish();
}
