#include "FakeHost.h"
#include "framework/Handles.h"
#include "slicewise/core/JoinScript.h"
#include "slicewise/core/PartNames.h"
#include "tests/support/TempFolder.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A plain ASCII name, written into the script, and one that is not, which
// the script takes from its own name.
const tstring kAsciiName = _T("x & y %z! ^(w) +,;=.bin");
const tstring kOtherName = _T("\u00e9 \u0416 & ! ^ (w).bin");

Sha256Digest DigestOf(const std::string& bytes) {
    Sha256 hash;
    hash.Update(bytes.data(), bytes.size());
    return hash.Final();
}

// cmd runs with the stand-in's folder first on its PATH.
class PathFirst {
public:
    explicit PathFirst(const tstring& folder) {
        TCHAR path[32767];
        old_.assign(path, GetEnvironmentVariable(_T("PATH"), path, 32767));
        SetEnvironmentVariable(_T("PATH"), (folder + _T(";") + old_).c_str());
    }
    ~PathFirst() { SetEnvironmentVariable(_T("PATH"), old_.c_str()); }

private:
    tstring old_;
};

struct Ran {
    DWORD exitCode;
    std::string output;
};

// The set in "set", run from the temp folder as a double-click runs it
// (cmd /c), its pause answered by an input at its end.
class JoinScriptTest : public ::testing::Test {
protected:
    JoinScriptTest() { CreateDirectory(Folder().c_str(), nullptr); }
    tstring Folder() const { return temp / _T("set"); }
    tstring Stem(const tstring& name) const { return Folder() + _T("\\") + name; }

    void WriteSet(const tstring& name, const std::string& bytes, size_t partSize) {
        for (size_t n = 1; (n - 1) * partSize <= bytes.size(); ++n)
            files::Write(PartName(Stem(name), n), bytes.substr((n - 1) * partSize, partSize));
        files::Write(JoinScriptPath(Stem(name)),
                     JoinScriptText(JoinSet{name, bytes.size(), partSize, DigestOf(bytes)}));
    }

    Ran Run(const tstring& name) {
        const tstring outputPath = temp / _T("output.txt");
        SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
        const FileHandle input(CreateFile(_T("NUL"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          &inherited, OPEN_EXISTING, 0, nullptr));
        FileHandle output(CreateFile(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                     CREATE_ALWAYS, 0, nullptr));
        STARTUPINFO startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input.Get();
        startup.hStdOutput = startup.hStdError = output.Get();
        tstring command = _T("cmd.exe /c \"\"") + JoinScriptPath(Stem(name)) + _T("\"\"");
        PROCESS_INFORMATION process = {};
        Ran ran = {99, ""};
        if (!CreateProcess(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                           temp.Path().c_str(), &startup, &process))
            return ran;
        const KernelHandle thread(process.hThread), child(process.hProcess);
        WaitForSingleObject(child.Get(), INFINITE);
        GetExitCodeProcess(child.Get(), &ran.exitCode);
        output = FileHandle();
        ran.output = files::Read(outputPath);
        return ran;
    }

    TempFolder temp;
};

bool Says(const Ran& ran, const char* text) { return ran.output.find(text) != std::string::npos; }

}  // namespace

// Wine's certutil gives no digest, as a Windows without certutil gives none.
TEST_F(JoinScriptTest, AwkwardNamesJoinByteForByteAndTheCheckIsSkippedWithoutCertutil) {
    for (const tstring& name : {kAsciiName, kOtherName}) {
        for (size_t size : {250, 200}) {   // the last part short, and empty
            files::RemoveTree(Folder());
            CreateDirectory(Folder().c_str(), nullptr);
            const std::string bytes = TestBytes(size, static_cast<unsigned>(size));
            WriteSet(name, bytes, 100);
            const size_t setFiles = files::List(Folder()).size();

            const Ran ran = Run(name);
            EXPECT_EQ(0u, ran.exitCode) << ran.output;
            EXPECT_TRUE(Says(ran, "the check was skipped")) << ran.output;
            EXPECT_EQ(bytes, files::Read(Stem(name))) << size;
            EXPECT_EQ(setFiles + 1, files::List(Folder()).size());   // no temporary file
        }
    }
}

TEST_F(JoinScriptTest, MissingOrShortPartJoinsNothingAndLeavesTheOriginal) {
    for (const std::string& part2 : {std::string("gone"), std::string(99, 'x')}) {
        WriteSet(kAsciiName, TestBytes(250), 100);
        if (part2 == "gone")
            DeleteFile(PartName(Stem(kAsciiName), 2).c_str());
        else
            files::Write(PartName(Stem(kAsciiName), 2), part2);
        files::Write(Stem(kAsciiName), "original");
        const tstrings before = files::List(Folder());

        const Ran ran = Run(kAsciiName);
        EXPECT_NE(0u, ran.exitCode);
        EXPECT_TRUE(Says(ran, "Part 00002 is missing or has the wrong size.")) << ran.output;
        EXPECT_EQ("original", files::Read(Stem(kAsciiName)));
        EXPECT_EQ(before, files::List(Folder()));
    }
}

// A stand-in prints what certutil prints: older Windows with blanks between
// the bytes, newer without.
TEST_F(JoinScriptTest, CertutilsDigestIsComparedWithoutRegardToBlanksAndCase) {
    const std::string bytes = TestBytes(250);
    const std::string right = HexDigest(DigestOf(bytes)), wrong = HexDigest(DigestOf("other"));
    std::string spaced;
    for (size_t i = 0; i < right.size(); ++i)
        spaced += std::string(i % 2 || !i ? "" : " ") + static_cast<char>(toupper(right[i]));
    const struct {
        std::string printed;
        DWORD exitCode;
        const char* says;
    } kCases[] = {
        {spaced, 0, "The SHA-256 of the joined file matches."},
        {right, 0, "The SHA-256 of the joined file matches."},
        {wrong, 1, "The SHA-256 of the joined file does not match"},
    };
    const tstring standIn = temp / _T("bin");
    CreateDirectory(standIn.c_str(), nullptr);
    const PathFirst path(standIn);
    for (const auto& certutil : kCases) {
        WriteSet(kOtherName, bytes, 100);
        files::Write(Stem(kOtherName), "original");
        files::Write(standIn + _T("\\certutil.cmd"),
                     "@echo off\r\necho SHA256 hash of %~2:\r\necho " + certutil.printed +
                         "\r\necho CertUtil: -hashfile command completed successfully.\r\n");

        const Ran ran = Run(kOtherName);
        EXPECT_EQ(certutil.exitCode, ran.exitCode) << certutil.printed;
        EXPECT_TRUE(Says(ran, certutil.says)) << ran.output;
        EXPECT_EQ(certutil.exitCode ? "original" : bytes, files::Read(Stem(kOtherName)));
        EXPECT_EQ(5u, files::List(Folder()).size());   // three parts, script, joined
    }
}

// Lines stay below cmd's 8,191 characters with the names put in, and name
// every part once, in order; the text is ASCII with CR LF lines.
TEST(JoinScriptText, ManyPartsOfALongNameStayWithinCmdsLines) {
    for (const tstring& name : {kOtherName + tstring(223, _T('n')), tstring(240, _T('%'))}) {
        const std::string text = JoinScriptText(JoinSet{name, 3000, 1, {}});
        const std::string asIs(name.size(), 'n');
        ULONGLONG next = 1;
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = text.substr(start, end - start);
            EXPECT_EQ(std::string::npos, line.find('\n'));
            EXPECT_LT(line.size(), 8191u);
            std::string expanded = line;
            for (size_t at; (at = expanded.find("%name%")) != std::string::npos;)
                expanded.replace(at, 6, asIs);
            EXPECT_LT(expanded.size(), 8191u);
            if (line.compare(0, 10, "copy /y /b") == 0)
                for (size_t at = 0; (at = line.find(".vtrl\"", at)) != std::string::npos; ++at, ++next) {
                    size_t digits = at;
                    while (isdigit(line[digits - 1])) --digits;
                    EXPECT_EQ(next, std::stoull(line.substr(digits, at - digits)));
                }
        }
        EXPECT_EQ(3002u, next);
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0 && c < 0x7F; }));
    }
}
