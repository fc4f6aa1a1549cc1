#include "slicewise/core/SetChecks.h"
#include "common/PowerClass.h"
#include "framework/SafeFormat.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/SliceTexts.h"

namespace {

// The digests of parts 1, 2, ... up to the first part without a line.
template <class Digests>
auto PartLines(const Digests& digests, const PartSet& set) {
    std::vector<typename Digests::mapped_type> parts;
    for (ULONGLONG n = 1;; ++n) {
        const auto line = digests.find(FileNameOf(set.Part(n)));
        if (line == digests.end())
            return parts;
        parts.push_back(line->second);
    }
}

template <class Digests>
auto JoinedLine(const Digests& digests, const tstring& joinedName)
    -> std::optional<typename Digests::mapped_type> {
    const auto line = digests.find(joinedName);
    if (line == digests.end())
        return std::nullopt;
    return line->second;
}

}  // namespace

tstring SetChecks::Load(PartSet& set, SliceHost& host) {
    tstring refusal = LoadCrcFile(set, host);
    if (!refusal.empty())
        return refusal;
    const tstring folder = FolderOf(set.Part(1));
    const tstring joinedName = FileNameOf(set.Joined());
    // The set's own files must speak of it; a list of many files may not.
    const std::pair<tstring, bool> files[] = {{ManifestPath(set.Joined()), true},
                                              {set.Joined() + _T(".md5"), true},
                                              {folder + _T("SHA256SUMS"), false},
                                              {folder + _T("MD5SUMS"), false}};
    for (const auto& [path, own] : files) {
        if (!PowerClass::FileExists(path))
            continue;
        const SumFile sums = ReadSumFile(path, [&](const tstring& name) {
            return SameFileName(name, joinedName) || set.NumberOf(name) != 0;
        });
        if (!sums.pathName.empty())
            return FormatText(host.Text(slicetext::kChecksumPathName), {path, sums.pathName});
        if (AddSums(path, sums, set))
            host.Checking(path);
        else if (own)
            return FormatText(host.Text(slicetext::kForeignChecksums), {path});
    }
    return tstring();
}

// "report.001", "report.002", ... and "report.crc" for "report.pdf": the
// .crc file sits beside the set under the set's own name.
tstring SetChecks::LoadCrcFile(PartSet& set, SliceHost& host) {
    if (set.Ours())
        return tstring();
    const tstring path = set.Joined() + _T(".crc");
    if (!PowerClass::FileExists(path))
        return tstring();
    const CrcFileRead read = ReadCrcFile(path);
    if (!read.pathName.empty())
        return FormatText(host.Text(slicetext::kChecksumPathName), {path, read.pathName});
    if (!read.usable)
        return FormatText(host.Text(slicetext::kDamagedCrcFile), {path});
    set.SetJoinedName(read.info.fileName);
    crcPath_ = path;
    crc_ = read.info;
    host.Checking(path);
    return tstring();
}

bool SetChecks::AddSums(const tstring& path, const SumFile& sums, const PartSet& set) {
    auto checks = std::make_unique<SumChecks>();
    checks->file = path;
    const tstring joinedName = FileNameOf(set.Joined());
    const std::vector<Sha256Digest> shaParts = PartLines(sums.sha256, set);
    const std::vector<Md5Digest> md5Parts = PartLines(sums.md5, set);
    if (!shaParts.empty()) {
        // Every other part each, on two threads.
        for (ULONGLONG lane = 0; lane < 2; ++lane)
            checks->shaParts.emplace_back(new Named<PartChecks>(path, shaParts, 2, lane));
    } else {
        checks->sha = JoinedLine(sums.sha256, joinedName);
    }
    if (!md5Parts.empty())
        checks->md5Parts.reset(new Named<PartMd5Checks>(path, md5Parts));
    else
        checks->md5 = JoinedLine(sums.md5, joinedName);
    if (checks->shaParts.empty() && !checks->md5Parts && !checks->sha && !checks->md5)
        return false;
    sums_.push_back(std::move(checks));
    return true;
}

std::vector<BlockWorker*> SetChecks::Workers() {
    std::vector<BlockWorker*> workers;
    for (const auto& checks : sums_) {
        for (const auto& lane : checks->shaParts)
            workers.push_back(lane.get());
        if (checks->md5Parts)
            workers.push_back(checks->md5Parts.get());
        if (checks->sha)
            workers.push_back(&checks->wholeSha);
        if (checks->md5)
            workers.push_back(&checks->wholeMd5);
    }
    if (crc_)
        workers.push_back(&wholeCrc_);
    return workers;
}

void SetChecks::Verify(ULONGLONG lastPart, std::optional<ULONGLONG> joinedBytes) {
    for (const auto& checks : sums_) {
        for (const auto& lane : checks->shaParts)
            lane->Finish(lastPart);
        if (checks->md5Parts)
            checks->md5Parts->Finish(lastPart);
        if (!joinedBytes)
            continue;
        if ((checks->sha && checks->wholeSha.Final() != *checks->sha) ||
            (checks->md5 && checks->wholeMd5.Final() != *checks->md5))
            throw ChecksumMismatch{0, checks->file};
    }
    if (joinedBytes && crc_ && (*joinedBytes != crc_->size || wholeCrc_.Value() != crc_->crc))
        throw ChecksumMismatch{0, crcPath_};
}
