#include "FakeHost.h"
#include "framework/SystemError.h"
#include "framework/testkit/RecordingUi.h"
#include "slicewise/core/Crc32.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/Md5.h"
#include "slicewise/core/Merge.h"
#include "slicewise/core/PartNames.h"
#include "slicewise/core/Sha256.h"
#include "tests/support/TempFolder.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

class MergeTest : public ::testing::Test {
protected:
    tstring Joined() const { return temp / _T("a.bin"); }
    tstring Part(ULONGLONG number) const { return PartName(Joined(), number); }
    tstring Checksums() const { return temp / _T("a.bin.sha256"); }

    // Writes the parts of source as Divide makes them.
    void WriteParts(const std::string& source, size_t partSize) {
        const size_t count = source.size() / partSize + 1;
        for (size_t n = 1; n <= count; ++n)
            files::Write(Part(n), source.substr((n - 1) * partSize, partSize));
    }

    tstrings Messages() const {
        tstrings texts;
        for (const auto& call : ui.messages) texts.push_back(call.text);
        return texts;
    }

    TempFolder temp;
    RecordingUi ui;
    FakeHost host;
};

}  // namespace

TEST_F(MergeTest, JoinsThePartsBesideThemAfterTheHint) {
    const std::string source = TestBytes(250000);
    WriteParts(source, 102400);
    ui.QueueOpenFile(Part(1));

    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
    EXPECT_EQ((tstrings{_T("T152"), _T("T165")}), Messages());
    EXPECT_EQ(_T("T5"), ui.messages[0].caption);
    EXPECT_EQ(_T("T5"), ui.messages[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), ui.messages[1].type);
    ASSERT_EQ(1u, ui.openFiles.size());
    EXPECT_EQ(tstring(_T("Divided files (*.00001.vtrl;*.001)|*.00001.vtrl;*.001|")) +
                  _T("Vantorel divided files (*.00001.vtrl)|*.00001.vtrl|All files (*.*)|*.*"),
              ui.openFiles[0].filter);
    EXPECT_EQ(61440u, ui.openFiles[0].bufferChars);
}

TEST_F(MergeTest, StatusStepsAndTheFolderBoxFlash) {
    files::Write(Part(1), TestBytes(2000));
    files::Write(Part(2), TestBytes(2000, 2));
    files::Write(Part(3), TestBytes(1500, 3));
    ui.QueueOpenFile(Part(1));
    host.folder = _T("E:\\out\\...");

    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    const std::vector<SliceStep> expected = {
        Step(155),       Step(161, 1, 50), Step(161, 1, 100), Step(160, 2), Step(161, 2, 50),
        Step(161, 2, 100), Step(160, 3),   Step(161, 3, 50),  Step(0)};
    EXPECT_EQ(expected, host.steps);
    EXPECT_EQ((tstrings{_T("<x>"), _T("E:\\out\\...")}), host.folderShown);

    // Parts below 1000 bytes: only the part starts.
    host.steps.clear();
    files::Write(Part(1), TestBytes(999));
    files::Write(Part(2), TestBytes(999));
    files::Write(Part(3), TestBytes(0));
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    const std::vector<SliceStep> small = {Step(155), Step(160, 2), Step(160, 3), Step(0)};
    EXPECT_EQ(small, host.steps);
    EXPECT_EQ(1998u, files::Read(Joined()).size());
}

TEST_F(MergeTest, PartsLongerThanACopyBlockStepAsByteByByte) {
    const std::string source = TestBytes(650000);
    WriteParts(source, 300000);
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
    EXPECT_EQ(ByteBySteps(155, 160, 161, 650000, 300000), host.steps);
}

TEST_F(MergeTest, RoundTripsWithDivideAtTheBoundaries) {
    CreateDirectory((temp / _T("in")).c_str(), nullptr);
    const tstring source = temp / _T("in\\a.bin");
    for (int partSize : {100, 2000, 1234}) {
        const size_t ps = partSize;
        for (size_t size : {ps + 1, 2 * ps - 1, 2 * ps, 2 * ps + 1, 3 * ps - 1, 3 * ps, 3 * ps + 1}) {
            const std::string bytes = TestBytes(size, static_cast<unsigned>(size + ps));
            files::Write(source, bytes);
            DivideValues values;
            values.SourcePath = source;
            values.OutputFolder = temp.Path() + _T("\\...");
            values.SizeChoice = 7;
            values.UserSize = partSize;
            values.SizeUnit = 0;
            ASSERT_EQ(SliceOutcome::kDone, Divide(values, host));
            ui.QueueOpenFile(Part(1));
            ASSERT_EQ(SliceOutcome::kDone, Merge(host));
            EXPECT_EQ(bytes, files::Read(Joined())) << size << " bytes in parts of " << ps;
            for (ULONGLONG n = 1; files::Exists(Part(n)); ++n) DeleteFile(Part(n).c_str());
        }
    }
}

TEST_F(MergeTest, ChosenLaterPartJoinsFromPartOne) {
    const std::string source = TestBytes(5000);
    WriteParts(source, 1234);
    ui.QueueOpenFile(Part(3));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
}

TEST_F(MergeTest, ChosenFileNotNamedLikeAPartIsRefused) {
    files::Write(temp / _T("a.bin.vtrl"), "abc");
    files::Write(temp / _T("a.bin.0001.vtrl"), "abc");
    ui.QueueOpenFile(temp / _T("a.bin.vtrl"));
    ui.QueueOpenFile(temp / _T("a.bin.0001.vtrl"));
    EXPECT_EQ(SliceOutcome::kRefused, Merge(host));
    EXPECT_EQ(SliceOutcome::kRefused, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("T153"), _T("T152"), _T("T153")}), Messages());
    EXPECT_EQ(2u, files::List(temp.Path()).size());
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(MergeTest, CancelledDialogEndsAfterTheHint) {
    ui.QueueOpenFileCancel();
    EXPECT_EQ(SliceOutcome::kCancelled, Merge(host));
    EXPECT_EQ(tstrings{_T("T152")}, Messages());
    EXPECT_TRUE(host.steps.empty());
    EXPECT_TRUE(host.folderShown.empty());
}

TEST_F(MergeTest, MissingMiddlePartEndsWithItsNameAndNoSuccess) {
    const std::string source = TestBytes(450);
    WriteParts(source, 100);
    ASSERT_TRUE(DeleteFile(Part(3).c_str()));
    ui.QueueOpenFile(Part(1));

    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("missing ") + Part(3)}), Messages());
    EXPECT_FALSE(files::Exists(Joined()));
    EXPECT_EQ(Step(0), host.steps.back());
}

TEST_F(MergeTest, SetWithoutItsClosingEmptyPartNamesTheMissingOne) {
    const std::string source = TestBytes(300);
    WriteParts(source, 100);
    ASSERT_TRUE(DeleteFile(Part(4).c_str()));   // the empty part after three full ones
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("missing ") + Part(4)}), Messages());
    EXPECT_FALSE(files::Exists(Joined()));
}

TEST_F(MergeTest, SetThatCannotBeRightIsRefusedWritingNothing) {
    const std::string full = TestBytes(100), line = std::string(64, '0') + "  ";
    const struct {
        std::vector<std::string> parts;
        const char* checksums;   // nullptr: no checksum file
        tstring message;
    } kSets[] = {
        {{"", full, full, "1"}, nullptr, _T("empty ") + Part(1)},
        {{full, "12", full, "1"}, nullptr, _T("short ") + Part(2)},
        {{full, "1"}, "", _T("foreign ") + Checksums()},
        {{full, "1"}, "b.bin.00001.vtrl\n", _T("foreign ") + Checksums()},   // another set's
    };
    for (const auto& set : kSets) {
        files::RemoveTree(temp.Path());
        CreateDirectory(temp.Path().c_str(), nullptr);
        for (size_t n = 0; n < set.parts.size(); ++n) files::Write(Part(n + 1), set.parts[n]);
        if (set.checksums) files::Write(Checksums(), *set.checksums ? line + set.checksums : "");
        files::Write(Joined(), "kept as it was");
        const auto before = FolderContents(temp.Path());
        ui.messages.clear();
        ui.QueueOpenFile(Part(1));
        EXPECT_EQ(SliceOutcome::kRefused, Merge(host)) << set.message.c_str();
        EXPECT_EQ((tstrings{_T("T152"), set.message}), Messages());
        EXPECT_EQ(before, FolderContents(temp.Path())) << set.message.c_str();
    }
    EXPECT_TRUE(host.steps.empty());
}

// Another splitter's numbered set, from whichever file is chosen: its last
// part may be as long as part 1 or longer; a gap or a part before the last
// of another length is named before anything is written.
TEST_F(MergeTest, NumberedSetsJoinOrNameTheirFault) {
    const std::string full = TestBytes(100), longer = TestBytes(150, 2);
    Sha256 hash;
    hash.Update((full + full + longer).data(), 350);
    const std::string digest = HexDigest(hash.Final()), sums = digest + "  a.bin\n";
    const tstring part2 = temp / _T("a.bin.002");
    // Another splitter's set "a.001", ... with its ".crc" naming the joined file.
    Crc32 crc;
    crc.Update((full + full + longer).data(), 350);
    char crcText[9];
    snprintf(crcText, sizeof crcText, "%08X", static_cast<unsigned>(crc.Value()));
    const auto crcFile = [&](const std::string& name, const std::string& size, const std::string& value) {
        return "filename=" + name + "\r\nsize=" + size + "\r\ncrc32=" + value + "\r\n";
    };
    const std::vector<std::pair<const TCHAR*, std::string>> crcSet = {
        {_T("a.001"), full}, {_T("a.002"), full}, {_T("a.003"), longer}};
    const auto with = [&](const TCHAR* name, const std::string& text) {
        auto files = crcSet;
        files.emplace_back(name, text);
        return files;
    };
    Md5 md5;
    md5.Update(full.data(), full.size());
    const std::string md5Hex = HexDigest(md5.Final());
    const tstring crcPath = temp / _T("a.crc");
    const struct {
        std::vector<std::pair<const TCHAR*, std::string>> files;
        const TCHAR* chosen;
        std::string joined;
        tstring message;   // empty: joined
    } kSets[] = {
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), full}, {_T("a.bin.003"), longer},
          {_T("a.bin.000"), "info"}, {_T("a.bin.sha256"), sums}},
         _T("a.bin.002"), full + full + longer, _T("")},
        // Windows takes a name in another letter case for the same file.
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), full}, {_T("a.bin.003"), longer},
          {_T("a.bin.sha256"), digest + "  A.Bin\n"}},
         _T("a.bin.001"), full + full + longer, _T("")},
        {{{_T("a.bin.0001"), full}, {_T("a.bin.0002"), full}}, _T("a.bin.0002"), full + full, _T("")},
        {{{_T("a.bin.001"), full}, {_T("a.bin.003"), full}}, _T("a.bin.001"), "", _T("missing ") + part2},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), "12"}, {_T("a.bin.003"), full}}, _T("a.bin.003"), "",
         _T("short ") + part2},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), longer}, {_T("a.bin.003"), full}}, _T("a.bin.001"), "",
         _T("long ") + part2},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), full},
          {_T("a.bin.sha256"), std::string(64, '0') + "  a.bin.001\n"}},
         _T("a.bin.001"), "", _T("mismatch ") + temp / _T("a.bin.001") + _T(" in ") + Checksums()},
        {{{_T("a.part1.rar"), full}}, _T("a.part1.rar"), "", _T("archive ") + temp / _T("a.part1.rar")},
        {with(_T("a.crc"), crcFile("a.bin", "350", crcText)), _T("a.002"), full + full + longer, _T("")},
        {with(_T("a.crc"), crcFile("a.bin", "350", "00000000")), _T("a.001"), "",
         _T("joined a.bin differs from ") + crcPath},
        {with(_T("a.crc"), crcFile("a.bin", "351", crcText)), _T("a.001"), "",
         _T("joined a.bin differs from ") + crcPath},
        {with(_T("a.crc"), crcFile("..\\a.bin", "350", crcText)), _T("a.001"), "",
         crcPath + _T(" names path ..\\a.bin")},
        {with(_T("a.crc"), "size=350\n"), _T("a.001"), "", _T("damaged ") + crcPath},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), full}, {_T("MD5SUMS"), md5Hex + "  a.bin.001\n" + md5Hex + "  a.bin.002\n"}},
         _T("a.bin.001"), full + full, _T("")},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), longer}, {_T("MD5SUMS"), md5Hex + "  a.bin.001\n" + md5Hex + "  a.bin.002\n"}},
         _T("a.bin.001"), "", _T("mismatch ") + part2 + _T(" in ") + temp / _T("MD5SUMS")},
        {{{_T("a.bin.001"), full}, {_T("a.bin.002"), full}, {_T("a.bin.md5"), md5Hex + "  other.bin\n"}},
         _T("a.bin.001"), "", _T("foreign ") + temp / _T("a.bin.md5")},
    };
    for (const auto& set : kSets) {
        files::RemoveTree(temp.Path());
        CreateDirectory(temp.Path().c_str(), nullptr);
        for (const auto& file : set.files) files::Write(temp / file.first, file.second);
        const auto before = FolderContents(temp.Path());
        ui.messages.clear();
        ui.QueueOpenFile(temp / set.chosen);
        EXPECT_EQ(set.message.empty(), Merge(host) == SliceOutcome::kDone) << set.chosen;
        EXPECT_EQ((tstrings{_T("T152"), set.message.empty() ? _T("T165") : set.message}), Messages());
        if (set.message.empty())
            EXPECT_EQ(set.joined, files::Read(Joined())) << set.chosen;
        else
            EXPECT_EQ(before, FolderContents(temp.Path())) << set.message.c_str();
    }
}

TEST_F(MergeTest, PartHeldOpenIsAFileError) {
    const std::string source = TestBytes(250);
    WriteParts(source, 100);
    HANDLE other = CreateFile(Part(2).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    CloseHandle(other);
    EXPECT_EQ((tstrings{_T("T152"),
                        FailureText(_T("A sharing violation occurred while accessing ") + Part(2) + _T("."),
                                    ERROR_SHARING_VIOLATION)}),
              Messages());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ui.messages[1].type);
    EXPECT_EQ(_T("Vantorel Slicewise"), ui.messages[1].caption);
    EXPECT_FALSE(files::Exists(Joined()));
}

TEST_F(MergeTest, MissingPartOneIsAFileError) {
    files::Write(Part(2), "abc");
    ui.QueueOpenFile(Part(2));
    EXPECT_EQ(SliceOutcome::kFailed, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), FailureText(Part(1) + _T(" was not found."), ERROR_FILE_NOT_FOUND)}),
              Messages());
    EXPECT_FALSE(files::Exists(Joined()));
}


TEST_F(MergeTest, EndingEarlyLeavesAnExistingJoinedFileAsItWas) {
    const struct {
        int stopAtCall;
        bool failWrite;
        void (*raise)();
        bool removePart3;
        tstring message;
        SliceOutcome outcome;
        int stopAtWait = 0;   // with the joined file's flush to the disk hanging
    } kEnds[] = {
        {2, false, nullptr, false, _T("T171"), SliceOutcome::kStopped},
        {0, true, nullptr, false,
         FailureText(_T("The disk is full while accessing ") + Joined() + _T("."), ERROR_DISK_FULL),
         SliceOutcome::kFailed},
        {0, true, ThrowOther, false, _T("T173"), SliceOutcome::kFailed},
        {0, false, nullptr, true, _T("missing ") + Part(3), SliceOutcome::kFailed},
        {0, false, nullptr, false, _T("T171"), SliceOutcome::kStopped, 2},
    };
    const std::string source = TestBytes(2500);
    for (const auto& end : kEnds) {
        files::RemoveTree(temp.Path());
        CreateDirectory(temp.Path().c_str(), nullptr);
        WriteParts(source, 1000);
        if (end.removePart3)
            DeleteFile(Part(3).c_str());
        files::Write(Joined(), "kept as it was");
        ui.messages.clear();
        host = FakeHost();
        host.stopAtCall = end.stopAtCall;
        host.stopAtWait = end.stopAtWait;
        ui.QueueOpenFile(Part(1));
        {
            std::unique_ptr<WriteSeam> writes;
            if (end.stopAtWait)
                writes.reset(new StalledWrites(StalledWrites::kFlush));
            else
                writes.reset(new FailingWrites(end.failWrite ? _T("a.bin.partial") : _T("?"), 1500,
                                               ERROR_DISK_FULL, end.raise));
            EXPECT_EQ(end.outcome, Merge(host));
        }
        EXPECT_EQ((tstrings{_T("T152"), end.message}), Messages());
        const size_t files = end.removePart3 ? 3u : 4u;   // parts and a.bin
        for (int i = 0; i < 1000 && files::List(temp.Path()).size() != files; ++i)
            Sleep(10);   // the run's temporary goes when the hanging call returns
        EXPECT_EQ("kept as it was", files::Read(Joined()));
        EXPECT_EQ(files, files::List(temp.Path()).size());
    }
}

// A set divided by the command, its checksum file beside it, damaged or
// described in several ways.
class MergeChecks : public MergeTest {
protected:
    MergeChecks() {
        CreateDirectory((temp / _T("in")).c_str(), nullptr);
        files::Write(temp / _T("in\\a.bin"), source);
        DivideSource(3);   // 100 KB: three parts
    }
    void DivideSource(int sizeChoice, int userSize = 0) {
        DivideValues values;
        values.SourcePath = temp / _T("in\\a.bin");
        values.OutputFolder = temp.Path() + _T("\\...");
        values.SizeChoice = sizeChoice;
        values.UserSize = userSize;
        values.SizeUnit = 0;   // bytes
        EXPECT_EQ(SliceOutcome::kDone, Divide(values, host));
        ui.messages.clear();
    }
    void ChangeByte(ULONGLONG part, size_t at) {
        std::string bytes = files::Read(Part(part));
        bytes[at] ^= 1;
        files::Write(Part(part), bytes);
    }
    // The line of the checksum file that names the file name (and its LF).
    std::string LineOf(const std::string& name) const {
        const std::string text = files::Read(Checksums());
        const size_t at = text.find("  " + name + "\n");
        const size_t start = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
        return text.substr(start, at + name.size() + 3 - start);
    }

    const std::string source = TestBytes(250000, 7);
};

TEST_F(MergeChecks, PartsThatDoNotMatchAreNamedAndNothingIsJoined) {
    const tstring part2 = Part(2), part3 = Part(3);
    const struct {
        std::function<void()> damage;
        tstring message;   // empty: the merge succeeds
    } kCases[] = {
        {[] {}, _T("")},
        {[this] { ChangeByte(2, 5); }, _T("mismatch ") + part2 + _T(" in ") + Checksums()},
        {[this, part3] { files::Write(part3, files::Read(part3).substr(1)); },
         _T("mismatch ") + part3 + _T(" in ") + Checksums()},
        // A checksum file of the whole only (made by the user): the joined bytes are checked.
        {[this] { files::Write(Checksums(), LineOf("a.bin")); }, _T("")},
        {[this] { files::Write(Checksums(), LineOf("a.bin")); ChangeByte(3, 0); },
         _T("joined a.bin differs from ") + Checksums()},
    };
    const std::string checksums = files::Read(Checksums());
    const tstrings parts = {Part(1), Part(2), Part(3)};
    std::vector<std::string> kept;
    for (const tstring& part : parts) kept.push_back(files::Read(part));
    for (const auto& check : kCases) {
        for (size_t n = 0; n < parts.size(); ++n) files::Write(parts[n], kept[n]);
        files::Write(Checksums(), checksums);
        DeleteFile(Joined().c_str());
        ui.messages.clear();
        check.damage();
        ui.QueueOpenFile(Part(1));
        const SliceOutcome outcome = Merge(host);
        if (check.message.empty()) {
            EXPECT_EQ(SliceOutcome::kDone, outcome);
            EXPECT_EQ((tstrings{_T("T152"), _T("T165")}), Messages());
            EXPECT_TRUE(files::Exists(Joined()));
        } else {
            EXPECT_EQ(SliceOutcome::kFailed, outcome);
            EXPECT_EQ((tstrings{_T("T152"), check.message}), Messages());
            EXPECT_FALSE(files::Exists(Joined()));
        }
    }
}

TEST_F(MergeChecks, GnuSha256sumChecksThePartsAndTheJoinedFile) {
    EXPECT_EQ("a.bin.00001.vtrl: OK\na.bin.00002.vtrl: OK\na.bin.00003.vtrl: OK\nexit=0\n",
              GnuSha256Check(temp.Path(), _T("a.bin.sha256"), _T("--ignore-missing")));
    ui.QueueOpenFile(Part(1));
    ASSERT_EQ(SliceOutcome::kDone, Merge(host));
    EXPECT_EQ(source, files::Read(Joined()));
    EXPECT_EQ("a.bin.00001.vtrl: OK\na.bin.00002.vtrl: OK\na.bin.00003.vtrl: OK\na.bin: OK\nexit=0\n",
              GnuSha256Check(temp.Path(), _T("a.bin.sha256")));
    // A damaged part is what GNU sha256sum finds too.
    ChangeByte(2, 0);
    EXPECT_NE(std::string::npos,
              GnuSha256Check(temp.Path(), _T("a.bin.sha256")).find("a.bin.00002.vtrl: FAILED"));
}

// One pass for both digests, or the whole on a thread of its own (portable
// code, or parts that do not end on a 64-byte block): the same checksums.
TEST_F(MergeChecks, EveryWayOfHashingWritesTheSameChecksums) {
    const std::string oneBlockPass = files::Read(Checksums());
    ChooseSha256Blocks(true);
    DivideSource(3);
    ChooseSha256Blocks(false);
    EXPECT_EQ(oneBlockPass, files::Read(Checksums()));
    const std::string whole = LineOf("a.bin");
    DivideSource(7, 100001);   // user-defined, in bytes
    EXPECT_EQ(whole, LineOf("a.bin"));
    EXPECT_EQ("a.bin.00001.vtrl: OK\na.bin.00002.vtrl: OK\na.bin.00003.vtrl: OK\nexit=0\n",
              GnuSha256Check(temp.Path(), _T("a.bin.sha256"), _T("--ignore-missing")));
}

TEST_F(MergeTest, StopRequestClosesTheFilesAndSaysSo) {
    const std::string source = TestBytes(2500);
    WriteParts(source, 1000);
    host.stopAtCall = 2;
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kStopped, Merge(host));
    EXPECT_EQ((tstrings{_T("T152"), _T("T171")}), Messages());
    EXPECT_EQ(Step(0), host.steps.back());
    EXPECT_EQ(3u, files::List(temp.Path()).size());   // the parts alone
    EXPECT_TRUE(DeleteFile(Part(3).c_str()));         // closed
}

TEST_F(MergeTest, ProgressOfTheWholeRunCountsThePartsFoundAtTheStart) {
    WriteParts(TestBytes(650000), 300000);
    ui.QueueOpenFile(Part(1));
    EXPECT_EQ(SliceOutcome::kDone, Merge(host));
    ASSERT_FALSE(host.progress.empty());
    for (const auto& progress : host.progress) EXPECT_EQ(650000u, progress.second);
    EXPECT_EQ(650000u, host.progress.back().first);
}

TEST(StatusLine, FormatsTheStepWithItsNumbers) {
    EXPECT_EQ(_T("Writing part 2: 50%"), StatusLine(Step(146, 2, 50), _T("Writing part %d: %d%%")));
    EXPECT_EQ(_T("Opening part 3..."), StatusLine(Step(160, 3), _T("Opening part %d...")));
    EXPECT_EQ(_T("Merging..."), StatusLine(Step(155), _T("Merging...")));
    EXPECT_EQ(_T(""), StatusLine(Step(0), _T("anything")));
}
