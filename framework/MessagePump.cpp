#include "framework/MessagePump.h"

void PumpPendingMessages() {
    MSG message;
    while (PeekMessage(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!PeekMessage(&message, nullptr, 0, 0, PM_REMOVE))
            return;
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        // As the modal dialog loop does: the thread's message filters first
        // (framework/KeyFilter.h), then the dialog keys.
        if (CallMsgFilter(&message, MSGF_DIALOGBOX))
            continue;
        const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessage(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
}
