#pragma once
// RecordingUi: the test double of the UI seam (framework/UiSeam.h).
//
// Constructing one installs it with SetUi; destroying it puts the real
// implementation back. Every call is recorded in order; the answers come from
// queues the test fills beforehand. When a queue is empty the double answers
// as a user pressing Enter or Esc would:
//   ShowMessage        the box's default button (MB_DEFBUTTON1..4 of its type)
//   ChooseOpenFile     cancel (false)
//   ChooseFolder       cancel (false)
//   Shell              42 (success)
//   ShellStartProcess  started, no process handle
//
//   RecordingUi ui;
//   ui.QueueButton(IDYES);
//   ui.QueueOpenFile(_T("C:\\data\\big.bin"));
//   ... run the code under test ...
//   ui.ExpectBoxes(owner, caption, {{_T("Saved.")}, {question, MB_YESNO | MB_ICONQUESTION}});
#include "framework/UiSeam.h"
#include <deque>

class RecordingUi : public UiSeam {
public:
    struct MessageCall {
        HWND owner;
        tstring text;
        tstring caption;
        UINT type;   // buttons | icon | default button, as passed
    };
    struct OpenFileCall {
        HWND owner;
        tstring filter;   // as passed, in the "description|pattern|" form
        size_t bufferChars;
    };
    struct FolderCall {
        HWND owner;
        tstring title;
    };
    struct ShellCall {
        ShellStart start;
        bool withProcess;   // true: ShellStartProcess, false: Shell
    };

    RecordingUi();
    ~RecordingUi() override;
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    // Answers, used in the order queued.
    void QueueButton(int button);
    void QueueOpenFile(const tstring& path);
    void QueueOpenFileCancel();
    void QueueFolder(const tstring& path);
    void QueueFolderCancel();
    void QueueShellResult(INT_PTR result);
    // The error ShellStartProcess answers with (ERROR_SUCCESS: started). The
    // process handle is handed to the code under test, which closes it.
    void QueueProcess(DWORD error, HANDLE process = nullptr);
    // The command ChooseFromMenu answers with (0: the menu closed).
    void QueueMenuChoice(UINT command) { menuChoices_.push_back(command); }
    // Runs while the next message box is "shown" (before it answers), for
    // tests that act while the owner is blocked.
    void OnNextMessage(void (*action)(void* context), void* context);

    std::vector<MessageCall> messages;
    std::vector<OpenFileCall> openFiles;
    std::vector<FolderCall> folders;
    std::vector<ShellCall> shells;
    // The foreground calls in order: "allow" for AllowForeground, "front"
    // for BringToFront (of frontWindows' window at the same index).
    std::vector<std::string> foreground;
    std::vector<HWND> frontWindows;
    // The menus offered, each as its items' texts, a disabled one after "-"
    // ("-&Remove"), a separator as "".
    std::vector<tstrings> menus;
    // Shutdown blocks: each reason given, and "" for each release, in order.
    tstrings shutdownBlocks;
    // How often the Explorer was restarted, and the answer to each restart.
    int explorerRestarts = 0;
    DWORD explorerRestartError = ERROR_SUCCESS;

    int ShowMessage(HWND owner, const tstring& text, const tstring& caption, UINT type) override;
    bool ChooseOpenFile(HWND owner, const tstring& filter, size_t bufferChars,
                        tstring& path) override;
    bool ChooseFolder(HWND owner, const tstring& title, tstring& path) override;
    INT_PTR Shell(const ShellStart& start) override;
    DWORD ShellStartProcess(const ShellStart& start, HANDLE* process) override;
    DWORD RestartExplorer() override {
        ++explorerRestarts;
        return explorerRestartError;
    }
    void AllowForeground() override { foreground.push_back("allow"); }
    void BringToFront(HWND window) override {
        foreground.push_back("front");
        frontWindows.push_back(window);
    }
    UINT ChooseFromMenu(HWND owner, HMENU menu, POINT at) override;
    void BlockShutdown(HWND, const tstring& reason) override { shutdownBlocks.push_back(reason); }
    void UnblockShutdown(HWND) override { shutdownBlocks.push_back(tstring()); }

    // An expected box: its text, buttons and icon (not its default button).
    struct Box {
        tstring text;
        UINT type = MB_OK;
    };
    // Compares the boxes shown so far, in order, with the expected ones, each
    // owned by owner and with this caption; a failure prints both lists whole.
    void ExpectBoxes(HWND owner, const tstring& caption, const std::vector<Box>& expected) const;

    // The button a user pressing Enter gets in a box of this type.
    static int DefaultButton(UINT type);

private:
    struct PathAnswer {
        bool chosen;
        tstring path;
    };
    struct ProcessAnswer {
        DWORD error;
        HANDLE process;
    };
    std::deque<int> buttons_;
    std::deque<UINT> menuChoices_;
    std::deque<PathAnswer> openFileAnswers_;
    std::deque<PathAnswer> folderAnswers_;
    std::deque<INT_PTR> shellResults_;
    std::deque<ProcessAnswer> processes_;
    void (*messageAction_)(void*) = nullptr;
    void* messageContext_ = nullptr;
};
