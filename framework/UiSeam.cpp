#include "framework/UiSeam.h"
#include "framework/Pickers.h"
#include "framework/Handles.h"
#include "framework/SystemFunction.h"
#include <restartmanager.h>
#include <shellapi.h>

namespace {

// The real calls.
class Win32Ui : public UiSeam {
public:
    int ShowMessage(HWND owner, const tstring& text, const tstring& caption, UINT type) override {
        return MessageBox(owner, text.c_str(), caption.c_str(), type);
    }
    bool ChooseOpenFile(HWND owner, const tstring& filter, size_t bufferChars,
                        tstring& path) override {
        return RunOpenFileDialog(owner, filter, bufferChars, path);
    }
    bool ChooseFolder(HWND owner, const tstring& title, tstring& path) override {
        return RunFolderBrowser(owner, title, path);
    }
    INT_PTR Shell(const ShellStart& start) override {
        return reinterpret_cast<INT_PTR>(ShellExecute(
            start.owner, NullIfEmpty(start.verb), start.file.c_str(),
            NullIfEmpty(start.parameters), NullIfEmpty(start.directory), start.show));
    }
    DWORD ShellStartProcess(const ShellStart& start, HANDLE* process) override {
        SHELLEXECUTEINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.hwnd = start.owner;
        info.lpVerb = NullIfEmpty(start.verb);
        info.lpFile = start.file.c_str();
        info.lpParameters = NullIfEmpty(start.parameters);
        info.lpDirectory = NullIfEmpty(start.directory);
        info.nShow = start.show;
        if (!ShellExecuteEx(&info)) {
            if (process)
                *process = nullptr;
            // A failed start must never read as a started one.
            const DWORD error = GetLastError();
            return error != ERROR_SUCCESS ? error : ERROR_FUNCTION_FAILED;
        }
        if (process)
            *process = info.hProcess;
        else if (info.hProcess)
            CloseHandle(info.hProcess);
        return ERROR_SUCCESS;
    }
    DWORD RestartExplorer() override {
        RM_UNIQUE_PROCESS explorer = {};
        if (!ShellProcess(explorer))
            return GetLastError();
        DWORD session = 0;
        WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
        DWORD rc = RmStartSession(&session, 0, key);
        if (rc != ERROR_SUCCESS)
            return rc;
        rc = RmRegisterResources(session, 0, nullptr, 1, &explorer, 0, nullptr);
        if (rc == ERROR_SUCCESS)
            rc = RmShutdown(session, 0, nullptr);
        if (rc == ERROR_SUCCESS)
            rc = RmRestart(session, 0, nullptr);
        RmEndSession(session);
        return rc;
    }
    void AllowForeground() override { AllowSetForegroundWindow(ASFW_ANY); }
    void BringToFront(HWND window) override { SetForegroundWindow(window); }
    UINT ChooseFromMenu(HWND owner, HMENU menu, POINT at) override {
        return static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    }
    void BlockShutdown(HWND window, const tstring& reason) override {
        using Create = BOOL(WINAPI*)(HWND, LPCWSTR);
        if (const auto create = User32<Create>("ShutdownBlockReasonCreate"))
            create(window, ToWide(reason).c_str());
    }
    void UnblockShutdown(HWND window) override {
        using Destroy = BOOL(WINAPI*)(HWND);
        if (const auto destroy = User32<Destroy>("ShutdownBlockReasonDestroy"))
            destroy(window);
    }

private:
    // The process that owns the shell's window, named as the Restart
    // Manager names it: by its id and its start time.
    static bool ShellProcess(RM_UNIQUE_PROCESS& process) {
        DWORD id = 0;
        const HWND shell = GetShellWindow();
        if (!shell || !GetWindowThreadProcessId(shell, &id)) {
            SetLastError(ERROR_NOT_FOUND);
            return false;
        }
        const KernelHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
        FILETIME exited, kernel, user;
        if (!handle || !GetProcessTimes(handle.Get(), &process.ProcessStartTime, &exited, &kernel, &user))
            return false;
        process.dwProcessId = id;
        return true;
    }
    template <class Function>
    static Function User32(const char* name) {
        return SystemFunction<Function>(_T("user32.dll"), name);
    }
    // The reason is wide whatever the program's width.
    static std::wstring ToWide(const tstring& text) {
#ifdef UNICODE
        return text;
#else
        std::wstring wide(text.size() + 1, L'\0');
        const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0],
                                               static_cast<int>(wide.size()));
        wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
        return wide;
#endif
    }
    static const TCHAR* NullIfEmpty(const tstring& text) {
        return text.empty() ? nullptr : text.c_str();
    }
};

Win32Ui realUi;
UiSeam* current = &realUi;

}  // namespace

UiSeam& Ui() { return *current; }

void SetUi(UiSeam* seam) { current = seam ? seam : &realUi; }
