// Console driver of the Divide and Merge engine for the benchmark script:
//   slicebench idle
//   slicebench divide SOURCE OUTPUT_FOLDER SIZE_CHOICE USER_SIZE UNIT [OPTION...]
//   slicebench merge PART [OPTION...]     (any part of a set Merge recognises)
// Options: --portable-sha hashes with the portable SHA-256 even where the
// processor has SHA instructions; --no-checksums divides without writing
// the checksum file (a merge without one is a set without it).
// Prints one line: outcome, seconds spent in the command, status steps seen,
// the checksum files a merge checked (by extension, such as "crc+sha256",
// or "none"), the SHA-256 path and the process's peak working set in bytes.
// Messages go to stderr.
#include "framework/SafeFormat.h"
#include "framework/SystemError.h"
#include "slicewise/core/Divide.h"
#include "slicewise/core/Merge.h"
#include "slicewise/core/Sha256.h"
#include <psapi.h>
#include <shellapi.h>
#include <cstdio>
#include <string>

namespace {

std::string Narrow(const tstring& text) {
    std::string out;
    for (TCHAR c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// Prints the messages and answers the file dialog with the path given on
// the command line.
class ConsoleHost : public SliceHost {
public:
    explicit ConsoleHost(const tstring& chosen) : chosen_(chosen) {}
    void Tell(const tstring& text, const tstring& caption) override {
        std::fprintf(stderr, "[%s] %s\n", Narrow(caption).c_str(), Narrow(text).c_str());
    }
    void TellFileError(const FileError& error) override {
        Tell(FailureText(error.Message(), error.osError), _T("file error"));
    }
    bool ChooseFile(const tstring&, size_t, tstring& path) override {
        path = chosen_;
        return !chosen_.empty();
    }
    tstring Text(int number) override { return FormatText(_T("text %d"), {number}); }
    void Status(const SliceStep&) override { ++steps; }
    void Checking(const tstring& path) override {
        const tstring name = path.substr(path.find_last_of(_T("\\")) + 1);
        checks += (checks.empty() ? "" : "+") + Narrow(name.substr(name.find_last_of(_T('.')) + 1));
    }
    bool KeepGoing() override { return true; }
    tstring FolderBox() override { return folder_; }
    void SetFolderBox(const tstring& text) override { folder_ = text; }

    unsigned long long steps = 0;
    std::string checks;

private:
    tstring chosen_;
    tstring folder_;
};

const char* OutcomeName(SliceOutcome outcome) {
    switch (outcome) {
    case SliceOutcome::kDone: return "done";
    case SliceOutcome::kRefused: return "refused";
    case SliceOutcome::kCancelled: return "cancelled";
    case SliceOutcome::kFailed: return "failed";
    case SliceOutcome::kStopped: return "stopped";
    }
    return "?";
}

unsigned long long PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: slicebench idle\n"
                 "       slicebench divide SOURCE OUTPUT_FOLDER SIZE_CHOICE USER_SIZE UNIT"
                 " [--portable-sha] [--no-checksums]\n"
                 "       slicebench merge PART [--portable-sha]\n");
    return 2;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 2) return Usage();
    const tstring command = args[1];
    bool portable = false, checksums = true;
    while (count > 2 && tstring(args[count - 1]).compare(0, 2, _T("--")) == 0) {
        const tstring option = args[--count];
        if (option == _T("--portable-sha"))
            portable = true;
        else if (option == _T("--no-checksums"))
            checksums = false;
        else
            return Usage();
    }
    ChooseSha256Blocks(portable);
    ConsoleHost host(command == _T("merge") && count == 3 ? args[2] : _T(""));
    SliceOutcome outcome = SliceOutcome::kDone;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (command == _T("divide") && count == 7) {
        DivideValues values;
        values.SourcePath = args[2];
        values.OutputFolder = tstring(args[3]) + _T("\\...");
        values.SizeChoice = _wtoi(args[4]);
        values.UserSize = _wtoi(args[5]);
        values.SizeUnit = _wtoi(args[6]);
        values.WriteManifest = checksums;
        outcome = Divide(values, host);
    } else if (command == _T("merge") && count == 3) {
        outcome = Merge(host);
    } else if (command != _T("idle")) {
        return Usage();
    }
    QueryPerformanceCounter(&end);
    const double seconds =
        static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("outcome=%s seconds=%.3f steps=%llu checks=%s sha=%s peak_working_set=%llu\n",
                OutcomeName(outcome), seconds, host.steps,
                host.checks.empty() ? "none" : host.checks.c_str(), Sha256PathName(), PeakWorkingSet());
    LocalFree(args);
    return outcome == SliceOutcome::kDone ? 0 : 1;
}
