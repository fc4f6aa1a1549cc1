#include "slicewise/core/Manifest.h"
#include "common/WideText.h"
#include "framework/BufferedFile.h"
#include <cstring>

namespace {
const char kByteOrderMark[] = "\xEF\xBB\xBF";   // from an editor
const size_t kReadPiece = 64 * 1024;
const TCHAR kNotInNames[] = _T("\\/:*?\"<>|");

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads "<digest>  <name>" or "<digest> *<name>" from line at `at`, the
// digest as hex digits of its length.
template <size_t Bytes>
bool ParseLine(const std::string& line, size_t at, std::array<BYTE, Bytes>& digest, tstring& name) {
    const size_t digits = 2 * Bytes;
    if (line.size() < at + digits + 3 || line[at + digits] != ' ' ||
        (line[at + digits + 1] != ' ' && line[at + digits + 1] != '*'))
        return false;
    for (size_t i = 0; i < Bytes; ++i) {
        const int high = HexValue(line[at + 2 * i]), low = HexValue(line[at + 2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        digest[i] = static_cast<BYTE>(high * 16 + low);
    }
    std::wstring wide;
    if (!widetext::FromUtf8(line.substr(at + digits + 2), wide, true) || wide.empty())
        return false;
    name = widetext::FromWide(wide);
    return true;
}

// The name before the first dot, without the blanks before it, in capitals.
tstring DeviceStem(const tstring& name) {
    tstring stem = name.substr(0, name.find(_T('.')));
    while (!stem.empty() && stem.back() == _T(' '))
        stem.pop_back();
    for (TCHAR& c : stem)
        if (c >= _T('a') && c <= _T('z'))
            c = static_cast<TCHAR>(c - _T('a') + _T('A'));
    return stem;
}

bool IsDevice(const tstring& name) {
    const tstring stem = DeviceStem(name);
    if (stem == _T("CON") || stem == _T("PRN") || stem == _T("AUX") || stem == _T("NUL"))
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, _T("COM")) == 0 || stem.compare(0, 3, _T("LPT")) == 0) &&
           stem[3] >= _T('1') && stem[3] <= _T('9');
}
}  // namespace

bool IsBareFileName(const tstring& name) {
    if (name.empty() || name.back() == _T('.') || name.back() == _T(' '))
        return false;
    for (const TCHAR c : name)
        if (static_cast<unsigned>(c) < 32 || _tcschr(kNotInNames, c))
            return false;
    return !IsDevice(name);
}

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

SumFile ManifestReader::Finish() {
    if (!line_.empty())
        EndLine();
    return std::move(sums_);
}

template <class Digest>
void ManifestReader::Keep(const tstring& name, bool escaped, const Digest& digest,
                          DigestsByName<Digest>& digests) {
    if (escaped || !IsBareFileName(name)) {
        if (sums_.pathName.empty())
            sums_.pathName = name;
    } else if (keep_(name)) {
        digests[name] = digest;
    }
}

void ManifestReader::EndLine() {
    if (!tooLong_) {
        if (!line_.empty() && line_.back() == '\r')
            line_.pop_back();
        if (firstLine_ && line_.compare(0, 3, kByteOrderMark) == 0)
            line_.erase(0, 3);
        const bool escaped = !line_.empty() && line_[0] == '\\';
        const size_t at = escaped ? 1 : 0;
        tstring name;
        Sha256Digest sha256;
        Md5Digest md5;
        if (ParseLine(line_, at, sha256, name))
            Keep(name, escaped, sha256, sums_.sha256);
        else if (ParseLine(line_, at, md5, name))
            Keep(name, escaped, md5, sums_.md5);
    }
    firstLine_ = false;
    tooLong_ = false;
    line_.clear();
}

SumFile ReadSumFile(const tstring& path, const ManifestFilter& keep) {
    BufferedFile file;
    file.Open(path, BufferedFile::kRead);
    ManifestReader reader(keep);
    std::vector<char> piece(kReadPiece);
    while (const size_t count = file.Read(piece.data(), piece.size()))
        reader.Take(piece.data(), count);
    file.Close();
    return reader.Finish();
}

ManifestDigests ReadManifest(const tstring& path, const ManifestFilter& keep) {
    return ReadSumFile(path, keep).sha256;
}
