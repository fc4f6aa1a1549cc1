#pragma once
// The editor's windows as the host of its entry operations: every message
// and question with the editor's caption (text 5), owned by the window, and
// the programs it starts, through the framework's seam.
#include "common/Translation.h"
#include "framework/Dialog.h"
#include "verbsmith/core/EditorHost.h"

class WindowEditorHost : public EditorHost {
public:
    // The window's handle is read at each call: the host may be made before
    // the window is created. Both must outlive the host.
    WindowEditorHost(const Dialog& window, const CTranslation& texts)
        : window_(window), texts_(texts) {}

    using EditorHost::Tell;
    tstring Text(int number) const override { return texts_.GetText(number); }
    void Tell(const tstring& text) override;
    bool Ask(const tstring& question) override;
    INT_PTR Start(const ShellStart& start) override;

private:
    int Show(const tstring& text, UINT type) const;

    const Dialog& window_;
    const CTranslation& texts_;
};
