#pragma once
// The launcher program: one modal window; the program ends when it closes.
class CToolcrateApp {
public:
    // Runs the window; false: the program does not run on afterwards.
    bool InitInstance();
};
