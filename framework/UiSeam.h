#pragma once
// Everything that leaves the window for the user or the shell goes through
// one interface: message boxes, the open-file dialog, the folder browser and
// starting a program or document. The default is the real Win32 call; the
// test kit installs a recording double that answers as the test chose.
#include "framework/TString.h"

struct ShellStart {
    HWND owner = nullptr;
    tstring verb;          // "open"
    tstring file;
    tstring parameters;
    tstring directory;
    int show = SW_SHOWNORMAL;
};

class UiSeam {
public:
    virtual ~UiSeam() = default;
    // MessageBox: returns the button pressed (IDOK, IDYES, ...).
    virtual int ShowMessage(HWND owner, const tstring& text, const tstring& caption, UINT type) = 0;
    // Open-file dialog. filter in the "description|pattern|...|" form;
    // bufferChars is the file-name buffer size in characters. Returns false
    // for cancel and for every error (a path longer than the buffer too).
    virtual bool ChooseOpenFile(HWND owner, const tstring& filter, size_t bufferChars,
                                tstring& path) = 0;
    // Folder browser with a title. Returns false when nothing was chosen.
    virtual bool ChooseFolder(HWND owner, const tstring& title, tstring& path) = 0;
    // ShellExecute: returns its result (greater than 32 on success).
    virtual INT_PTR Shell(const ShellStart& start) = 0;
    // ShellExecuteEx with SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI:
    // ERROR_SUCCESS, or the error the start failed with (the verb "runas"
    // fails with ERROR_CANCELLED when the user declines the elevation).
    // After a start *process, unless null, is the started process (nullptr
    // when the shell gave none); the caller closes it.
    [[nodiscard]] virtual DWORD ShellStartProcess(const ShellStart& start, HANDLE* process) = 0;
    // Restarts the Explorer, the process of the shell's window, through the
    // Restart Manager, which lets it close its windows as at a sign-out and
    // starts it again: ERROR_SUCCESS, or the error it stopped with.
    [[nodiscard]] virtual DWORD RestartExplorer() = 0;
    // AllowSetForegroundWindow(ASFW_ANY): a program that is about to close
    // lets the one waiting for it come to the front.
    virtual void AllowForeground() = 0;
    // SetForegroundWindow.
    virtual void BringToFront(HWND window) = 0;
    // TrackPopupMenu at a point of the screen: the command chosen, 0 when
    // the menu was closed without one.
    [[nodiscard]] virtual UINT ChooseFromMenu(HWND owner, HMENU menu, POINT at) = 0;
    // ShutdownBlockReasonCreate / Destroy (Vista and later, looked up at run
    // time): while a window holds a reason, ending the session names it.
    // Failures are of no consequence and are ignored.
    virtual void BlockShutdown(HWND window, const tstring& reason) = 0;
    virtual void UnblockShutdown(HWND window) = 0;
};

// The seam in force; never null.
UiSeam& Ui();
// Installs a replacement (tests); nullptr restores the real implementation.
void SetUi(UiSeam* seam);
