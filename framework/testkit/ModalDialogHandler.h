#pragma once
// ModalDialogHandler: drives the modal sub-dialogs that the code under test
// opens (the language dialog, an add/edit dialog, the About box).
//
// While the handler lives, every dialog window created on the test's thread
// is caught (WH_CBT hook). As soon as it is shown and its modal loop runs,
// the next queued action is called with the live dialog; the action reads
// and drives it (DialogDriver) and must end it, for example by clicking OK
// or Cancel. A dialog left open by its action, or one for which no action is
// queued, is a test failure and is cancelled so the test cannot hang.
//
//   ModalDialogHandler modal;                     // after creating the window under test
//   modal.Expect([](HWND dialog) {
//       DialogDriver language(dialog);
//       EXPECT_EQ(_T("English"), language.Text(1024));
//       language.PickComboText(1024, _T("Deutsch"));
//       language.Click(IDOK);
//   });
//   main.MenuCommand(32771);                      // opens the language dialog
//   EXPECT_EQ(1, modal.Handled());
//
// Message boxes go through the UI seam (RecordingUi), not through here.
// One handler at a time, on the thread that runs the dialogs.
#include "framework/TString.h"
#include <deque>
#include <functional>

class ModalDialogHandler {
public:
    using Action = std::function<void(HWND dialog)>;

    ModalDialogHandler();
    ~ModalDialogHandler();
    ModalDialogHandler(const ModalDialogHandler&) = delete;
    ModalDialogHandler& operator=(const ModalDialogHandler&) = delete;

    // Queues the action for the next dialog that opens.
    void Expect(Action action);
    // How many dialogs an action ran for.
    int Handled() const { return handled_; }
    // Caption of each dialog the handler saw, in order.
    const tstrings& Captions() const { return captions_; }

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Serve();
    void Run(HWND dialog);

    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::deque<HWND> waiting_;
    std::deque<Action> actions_;
    int handled_ = 0;
    tstrings captions_;
};
