#pragma once
// The context-menu editor's application: it prepares the common controls and
// runs the main window; the program ends when that window closes.

class CVerbsmithApp {
public:
    int Run();
};
