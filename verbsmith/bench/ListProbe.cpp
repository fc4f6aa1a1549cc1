// How long the real Verbsmith takes from its start to a shown, filled entry
// list, and how long a reference command takes to run, both measured from
// this process (scripts/bench-verbsmith.sh runs it):
//   listprobe list EXE ROWS   starts EXE and polls its main window until it is
//                             visible and its list holds at least ROWS rows
//                             (0: until the count stays the same for 1 s),
//                             then closes it; prints "list seconds=... rows=...
//                             window=..." (window: until the hidden window existed)
//   listprobe run COMMAND     runs COMMAND with its output going to NUL and
//                             waits for its end; prints "run seconds=..."
#include "tests/bench/ProbeSupport.h"
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>

namespace {
const int kEntryList = 1000;
const double kGiveUpSeconds = 120;

int Rows(HWND window) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(GetDlgItem(window, kEntryList), LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 5000,
                        &count);
    return static_cast<int>(count);
}

bool Start(std::wstring command, PROCESS_INFORMATION& process, HANDLE output = nullptr) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = output;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    return CreateProcessW(nullptr, &command[0], nullptr, nullptr, output != nullptr, 0, nullptr,
                          nullptr, &startup, &process) != FALSE;
}

void Finish(PROCESS_INFORMATION& process) {
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

int MeasureList(const wchar_t* exe, int expectedRows) {
    PROCESS_INFORMATION process = {};
    const double start = probe::Now();
    if (!Start(std::wstring(L"\"") + exe + L"\"", process))
        return 1;
    HWND window = nullptr;
    int rows = -1;
    double found = 0, filled = 0, lastChange = 0;
    while (probe::Now() - start < kGiveUpSeconds) {
        if (!window && (window = probe::DialogOf(process.dwProcessId, nullptr, false)) != nullptr)
            found = probe::Now();
        if (window && IsWindowVisible(window)) {
            const int now = Rows(window);
            if (now != rows) {
                rows = now;
                lastChange = probe::Now();
            }
            if (expectedRows > 0 && rows >= expectedRows) {
                filled = probe::Now();
                break;
            }
            if (expectedRows == 0 && probe::Now() - lastChange >= 1.0) {
                filled = lastChange;
                break;
            }
        }
        Sleep(1);
    }
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    Finish(process);
    if (!filled)
        return 1;
    std::printf("list seconds=%.4f rows=%d window=%.4f\n", filled - start, rows, found - start);
    return 0;
}

int MeasureRun(const wchar_t* command) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherit, OPEN_EXISTING, 0, nullptr);
    if (nul == INVALID_HANDLE_VALUE)
        return 1;
    PROCESS_INFORMATION process = {};
    const double start = probe::Now();
    const bool started = Start(command, process, nul);
    CloseHandle(nul);   // the child holds its own copy
    if (!started)
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    const double end = probe::Now();
    Finish(process);
    std::printf("run seconds=%.4f\n", end - start);
    return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && lstrcmpW(argv[1], L"list") == 0)
        return MeasureList(argv[2], _wtoi(argv[3]));
    if (argc == 3 && lstrcmpW(argv[1], L"run") == 0)
        return MeasureRun(argv[2]);
    std::fprintf(stderr, "usage: listprobe list EXE ROWS | listprobe run COMMAND\n");
    return 2;
}
