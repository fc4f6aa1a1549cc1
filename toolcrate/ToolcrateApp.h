#pragma once
// The launcher program: shows the launcher's window modally and ends with it.

class CToolcrateApp {
public:
    int Run();
};
