#include "framework/testkit/RecordingUi.h"
#include <gtest/gtest.h>

namespace {

tstring Number(UINT_PTR value) {
    const std::string digits = std::to_string(value);
    return tstring(digits.begin(), digits.end());
}

// One line per box, so that a failure prints both sequences whole.
tstring BoxLine(HWND owner, const tstring& caption, UINT type, const tstring& text) {
    return Number(reinterpret_cast<UINT_PTR>(owner)) + _T(" ") + caption + _T(" ") +
           Number(type & (MB_TYPEMASK | MB_ICONMASK)) + _T(": ") + text;
}

}  // namespace

RecordingUi::RecordingUi() { SetUi(this); }

RecordingUi::~RecordingUi() { SetUi(nullptr); }

void RecordingUi::QueueButton(int button) { buttons_.push_back(button); }
void RecordingUi::QueueOpenFile(const tstring& path) { openFileAnswers_.push_back({true, path}); }
void RecordingUi::QueueOpenFileCancel() { openFileAnswers_.push_back({false, tstring()}); }
void RecordingUi::QueueFolder(const tstring& path) { folderAnswers_.push_back({true, path}); }
void RecordingUi::QueueFolderCancel() { folderAnswers_.push_back({false, tstring()}); }
void RecordingUi::QueueShellResult(INT_PTR result) { shellResults_.push_back(result); }
void RecordingUi::QueueProcess(DWORD error, HANDLE process) {
    processes_.push_back({error, process});
}

void RecordingUi::OnNextMessage(void (*action)(void*), void* context) {
    messageAction_ = action;
    messageContext_ = context;
}

void RecordingUi::ExpectBoxes(HWND owner, const tstring& caption,
                              const std::vector<Box>& expected) const {
    tstrings wanted, shown;
    for (const Box& box : expected)
        wanted.push_back(BoxLine(owner, caption, box.type, box.text));
    for (const MessageCall& call : messages)
        shown.push_back(BoxLine(call.owner, call.caption, call.type, call.text));
    EXPECT_EQ(wanted, shown);
}

int RecordingUi::DefaultButton(UINT type) {
    static const int kButtons[][3] = {
        {IDOK, 0, 0},                    // MB_OK
        {IDOK, IDCANCEL, 0},             // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},    // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},         // MB_YESNOCANCEL
        {IDYES, IDNO, 0},                // MB_YESNO
        {IDRETRY, IDCANCEL, 0},          // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE},  // MB_CANCELTRYCONTINUE
    };
    const UINT kind = type & MB_TYPEMASK;
    const UINT position = (type & MB_DEFMASK) >> 8;   // 0 for MB_DEFBUTTON1
    if (kind >= sizeof kButtons / sizeof kButtons[0])
        return IDOK;
    const int button = position <= 2 ? kButtons[kind][position] : 0;
    return button != 0 ? button : kButtons[kind][0];
}

UINT RecordingUi::ChooseFromMenu(HWND, HMENU menu, POINT) {
    tstrings items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        TCHAR text[128] = {};
        GetMenuString(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR)
            items.push_back(tstring());
        else
            items.push_back((state & MF_GRAYED) ? _T("-") + tstring(text) : tstring(text));
    }
    menus.push_back(items);
    if (menuChoices_.empty())
        return 0;
    const UINT command = menuChoices_.front();
    menuChoices_.pop_front();
    return command;
}

int RecordingUi::ShowMessage(HWND owner, const tstring& text, const tstring& caption, UINT type) {
    messages.push_back({owner, text, caption, type});
    if (messageAction_) {
        auto action = messageAction_;
        messageAction_ = nullptr;
        action(messageContext_);
    }
    if (buttons_.empty())
        return DefaultButton(type);
    const int button = buttons_.front();
    buttons_.pop_front();
    return button;
}

bool RecordingUi::ChooseOpenFile(HWND owner, const tstring& filter, size_t bufferChars,
                                 tstring& path) {
    openFiles.push_back({owner, filter, bufferChars});
    if (openFileAnswers_.empty())
        return false;
    const PathAnswer answer = openFileAnswers_.front();
    openFileAnswers_.pop_front();
    // The real dialog never hands back more than its buffer holds.
    if (!answer.chosen || answer.path.size() >= bufferChars)
        return false;
    path = answer.path;
    return true;
}

bool RecordingUi::ChooseFolder(HWND owner, const tstring& title, tstring& path) {
    folders.push_back({owner, title});
    if (folderAnswers_.empty())
        return false;
    const PathAnswer answer = folderAnswers_.front();
    folderAnswers_.pop_front();
    if (answer.chosen)
        path = answer.path;
    return answer.chosen;
}

INT_PTR RecordingUi::Shell(const ShellStart& start) {
    shells.push_back({start, false});
    if (shellResults_.empty())
        return 42;
    const INT_PTR result = shellResults_.front();
    shellResults_.pop_front();
    return result;
}

DWORD RecordingUi::ShellStartProcess(const ShellStart& start, HANDLE* process) {
    shells.push_back({start, true});
    ProcessAnswer answer = {ERROR_SUCCESS, nullptr};
    if (!processes_.empty()) {
        answer = processes_.front();
        processes_.pop_front();
    }
    if (process)
        *process = answer.error == ERROR_SUCCESS ? answer.process : nullptr;
    return answer.error;
}

