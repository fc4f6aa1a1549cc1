#include "verbsmith/WindowEditorHost.h"
#include "verbsmith/core/EditorTexts.h"

void WindowEditorHost::Tell(const tstring& text) { Show(text, MB_OK); }

bool WindowEditorHost::Ask(const tstring& question) {
    return Show(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

INT_PTR WindowEditorHost::Start(const ShellStart& start) {
    ShellStart owned = start;
    owned.owner = window_.Handle();
    return Ui().Shell(owned);
}

int WindowEditorHost::Show(const tstring& text, UINT type) const {
    return Ui().ShowMessage(window_.Handle(), text, texts_.GetText(texts::kCaption), type);
}
