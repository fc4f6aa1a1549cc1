#pragma once
// The Verbsmith program: shows the editor's main window modally and ends
// with it.

class CVerbsmithApp {
public:
    int Run();
};
