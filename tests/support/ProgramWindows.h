#pragma once
// Driving a real program of the suite from the test process: waiting for its
// windows, reading their texts and answering its message boxes. Every wait
// polls until its condition holds or the patience runs out.
#include "framework/TString.h"
#include <functional>

namespace program {
const DWORD kPatienceMs = 60000;

// The first window found() gives; nullptr when the patience ran out.
HWND WaitFor(const std::function<HWND()>& found, DWORD patienceMs = kPatienceMs);
bool WaitUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs);
// True once the window is gone.
bool WaitGone(HWND window, DWORD patienceMs = kPatienceMs);

// Starts exe in folder (its working folder) and waits for its main window
// and for the program's first idle moment: the dialog manager shows its
// window only when its queue first runs empty, and would undo a click sent
// before. nullptr when it did not start or showed no window in time; process
// is filled in as soon as it started.
HWND StartInFolder(const tstring& exe, const tstring& folder, PROCESS_INFORMATION& process,
                   DWORD patienceMs = kPatienceMs);

// A visible dialog window of the process owned by owner (nullptr: a
// top-level one), other than except.
HWND DialogOf(DWORD process, HWND owner, HWND except = nullptr);
tstring TextOf(HWND window);
// The texts of all the window's controls, one a line.
tstring TextsOf(HWND window);
// The first visible edit field among the window's descendants.
HWND FirstEdit(HWND parent);
// A click on the dialog's button as it reaches the dialog (posted).
void Press(HWND dialog, int id);
// Waits for the next message box of the process owned by owner (other than
// except), answers it with button and returns its text ("<no message>" when
// none came).
tstring AnswerMessage(DWORD process, HWND owner, int button = IDOK, HWND except = nullptr);
}  // namespace program
