#pragma once
// What the editor's entry operations need of the window they run for: its
// language texts, a word to the user, a question, and a program started
// through the shell. The operations never open a box themselves; the window
// shows each one with the editor's caption (text 5) and as its owner.
#include "framework/UiSeam.h"

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The language text with this number.
    virtual tstring Text(int number) const = 0;
    // A message with the OK button and no icon.
    virtual void Tell(const tstring& text) = 0;
    void Tell(int textNumber) { Tell(Text(textNumber)); }
    // A question with Yes and No and the question icon: true for Yes.
    virtual bool Ask(const tstring& question) = 0;
    // ShellExecute of the start, owned by the window: its result (greater
    // than 32 on success).
    virtual INT_PTR Start(const ShellStart& start) = 0;
};
