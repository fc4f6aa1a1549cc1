#pragma once
// The Slicewise program: shows the main window modally and ends with it.

class CSlicewiseApp {
public:
    int Run();
};
