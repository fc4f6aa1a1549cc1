#include "framework/UiSeam.h"
#include "framework/Pickers.h"
#include "framework/SystemFunction.h"
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
    bool ShellStartProcess(const ShellStart& start, HANDLE* process) override {
        SHELLEXECUTEINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.hwnd = start.owner;
        info.lpVerb = NullIfEmpty(start.verb);
        info.lpFile = start.file.c_str();
        info.lpParameters = NullIfEmpty(start.parameters);
        info.lpDirectory = NullIfEmpty(start.directory);
        info.nShow = start.show;
        const bool started = ShellExecuteEx(&info) != FALSE;
        if (process)
            *process = started ? info.hProcess : nullptr;
        else if (started && info.hProcess)
            CloseHandle(info.hProcess);
        return started;
    }
    DWORD ShellStartChecked(const ShellStart& start) override {
        return ShellStartProcess(start, nullptr) ? ERROR_SUCCESS : GetLastError();
    }
    void AllowForeground() override { AllowSetForegroundWindow(ASFW_ANY); }
    void BringToFront(HWND window) override { SetForegroundWindow(window); }
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
