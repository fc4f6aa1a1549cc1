// How quickly the real Slicewise window answers while it divides, measured
// from another process (the benchmark script runs it):
//   responseprobe EXE SOURCE OUTPUT_FOLDER IDLE_SECONDS
// Starts EXE, sends WM_NULL with SendMessageTimeout every 10 ms to its window
// for IDLE_SECONDS while it is idle, then divides SOURCE into 100 MB parts in
// OUTPUT_FOLDER and keeps probing until the completion message appears.
// Prints one line per phase: answer times (median, 99th percentile, worst)
// and, for the divide, the seconds from the command to its completion message.
#include "tests/bench/ProbeSupport.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kUserDefined = 1012, kUserSize = 1004, kUnit = 1005, kSource = 1000, kFolder = 1002,
          kDivide = 1013;
const int kUnitMb = 2;
const DWORD kProbeEveryMs = 10;

// One WM_NULL round trip in milliseconds (the timeout when it does not answer).
double Probe(HWND window) {
    const double start = probe::Now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    return (probe::Now() - start) * 1000.0;
}

// Probes every 10 ms until done() or the time is up; returns the answer times.
template <class Done>
std::vector<double> ProbeUntil(HWND window, double seconds, Done done) {
    std::vector<double> answers;
    const double end = probe::Now() + seconds;
    while (probe::Now() < end && !done()) {
        const double took = Probe(window);
        answers.push_back(took);
        if (took < kProbeEveryMs)
            Sleep(static_cast<DWORD>(kProbeEveryMs - took));
    }
    return answers;
}

void Report(const char* phase, std::vector<double> answers, double seconds) {
    if (answers.empty()) {
        std::printf("%s samples=0\n", phase);
        return;
    }
    std::sort(answers.begin(), answers.end());
    const size_t n = answers.size();
    const double median = n % 2 ? answers[n / 2] : (answers[n / 2 - 1] + answers[n / 2]) / 2;
    const double p99 = answers[std::min(n - 1, (n * 99 + 99) / 100 - 1)];
    std::printf("%s samples=%u median_ms=%.3f p99_ms=%.3f worst_ms=%.3f seconds=%.3f\n", phase,
                static_cast<unsigned>(n), median, p99, answers.back(), seconds);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: responseprobe EXE SOURCE OUTPUT_FOLDER IDLE_SECONDS\n");
        return 2;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring command = std::wstring(L"\"") + argv[1] + L"\"";
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    HWND window = nullptr;
    for (int i = 0; i < 3000 && !window; ++i, Sleep(10))
        window = probe::DialogOf(process.dwProcessId, nullptr, true);
    if (!window)
        return 1;
    Sleep(500);   // let the first paint settle

    const double idleSeconds = _wtof(argv[4]);
    Report("idle", ProbeUntil(window, idleSeconds, [] { return false; }), idleSeconds);

    SendMessageW(GetDlgItem(window, kSource), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    const std::wstring folder = std::wstring(argv[3]) + L"\\...";
    SendMessageW(GetDlgItem(window, kFolder), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    SendMessageW(GetDlgItem(window, kUserDefined), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, kUserSize), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
    SendMessageW(GetDlgItem(window, kUnit), CB_SETCURSEL, kUnitMb, 0);

    const double start = probe::Now();
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(kDivide, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kDivide)));
    HWND box = nullptr;
    const std::vector<double> running = ProbeUntil(window, 600, [&] {
        box = probe::DialogOf(process.dwProcessId, window, true);
        return box != nullptr;
    });
    Report("divide", running, probe::Now() - start);

    if (box)
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    Sleep(200);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return box ? 0 : 1;
}
