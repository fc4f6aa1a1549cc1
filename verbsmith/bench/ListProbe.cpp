// How long the real Verbsmith takes from its start to a shown, filled entry
// list, and how long a reference command takes to run, both measured from
// this process (scripts/bench-verbsmith.sh runs it):
//   listprobe list EXE ROWS   starts EXE and polls its main window until it is
//                             visible and its list holds at least ROWS rows
//                             (0: until the count stays the same for 1 s),
//                             then closes it; prints "list seconds=... rows=...
//                             window=..." (window: until the hidden window existed)
//   listprobe search EXE ROWS TEXT
//                             starts EXE, waits as list does, then types TEXT
//                             into the search box one character at a time,
//                             three times over, each keystroke timed until the
//                             list has filtered and painted; prints "search
//                             median=... max=... keystrokes=... rows=..."
//                             (rows: what the whole TEXT leaves)
//   listprobe run COMMAND     runs COMMAND with its output going to NUL and
//                             waits for its end; prints "run seconds=..."
#include "tests/bench/ProbeSupport.h"
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kEntryList = 1000;
const int kSearchBox = 1016;
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

struct ShownList {
    HWND window = nullptr;
    int rows = -1;
    double found = 0, filled = 0;   // filled stays 0 when it never filled
};

// Polls the process's main window until it is visible with every row.
ShownList WaitForList(const PROCESS_INFORMATION& process, double start, int expectedRows) {
    ShownList shown;
    double lastChange = 0;
    while (probe::Now() - start < kGiveUpSeconds) {
        if (!shown.window && (shown.window = probe::DialogOf(process.dwProcessId, nullptr, false)) != nullptr)
            shown.found = probe::Now();
        if (shown.window && IsWindowVisible(shown.window)) {
            const int now = Rows(shown.window);
            if (now != shown.rows) {
                shown.rows = now;
                lastChange = probe::Now();
            }
            if (expectedRows > 0 && shown.rows >= expectedRows) {
                shown.filled = probe::Now();
                break;
            }
            if (expectedRows == 0 && probe::Now() - lastChange >= 1.0) {
                shown.filled = lastChange;
                break;
            }
        }
        Sleep(1);
    }
    return shown;
}

void Close(PROCESS_INFORMATION& process, HWND window) {
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    Finish(process);
}

int MeasureList(const wchar_t* exe, int expectedRows) {
    PROCESS_INFORMATION process = {};
    const double start = probe::Now();
    if (!Start(std::wstring(L"\"") + exe + L"\"", process))
        return 1;
    const ShownList shown = WaitForList(process, start, expectedRows);
    Close(process, shown.window);
    if (!shown.filled)
        return 1;
    std::printf("list seconds=%.4f rows=%d window=%.4f\n", shown.filled - start, shown.rows, shown.found - start);
    return 0;
}

// One keystroke: the box's text grows by a character, the window filters
// (EN_CHANGE, answered within WM_SETTEXT) and the list paints what it shows.
double TimedKeystroke(HWND box, HWND list, const std::wstring& text) {
    const double start = probe::Now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 10000,
                        &ignored);
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW);
    return probe::Now() - start;
}

int MeasureSearch(const wchar_t* exe, int expectedRows, const std::wstring& text) {
    PROCESS_INFORMATION process = {};
    if (!Start(std::wstring(L"\"") + exe + L"\"", process))
        return 1;
    const ShownList shown = WaitForList(process, probe::Now(), expectedRows);
    const HWND box = GetDlgItem(shown.window, kSearchBox);
    const HWND list = GetDlgItem(shown.window, kEntryList);
    if (!shown.filled || !box) {
        Close(process, shown.window);
        return 1;
    }
    std::vector<double> keystrokes;
    int rows = 0;
    for (int round = 0; round < 3; ++round) {
        for (size_t length = 1; length <= text.size(); ++length)
            keystrokes.push_back(TimedKeystroke(box, list, text.substr(0, length)));
        rows = Rows(shown.window);
        TimedKeystroke(box, list, std::wstring());
    }
    Close(process, shown.window);
    std::sort(keystrokes.begin(), keystrokes.end());
    std::printf("search median=%.4f max=%.4f keystrokes=%u rows=%d\n", keystrokes[keystrokes.size() / 2],
                keystrokes.back(), static_cast<unsigned>(keystrokes.size()), rows);
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
    if (argc == 5 && lstrcmpW(argv[1], L"search") == 0 && argv[4][0])
        return MeasureSearch(argv[2], _wtoi(argv[3]), argv[4]);
    if (argc == 3 && lstrcmpW(argv[1], L"run") == 0)
        return MeasureRun(argv[2]);
    std::fprintf(stderr, "usage: listprobe list EXE ROWS | listprobe search EXE ROWS TEXT | listprobe run COMMAND\n");
    return 2;
}
