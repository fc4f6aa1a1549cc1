#pragma once
// A stand-in for the Slicewise window: records the status steps and the
// folder box, answers texts as "T<number>" and can ask for a stop.
#include "framework/SafeFormat.h"
#include "slicewise/core/SliceHost.h"
#include "slicewise/core/SliceTexts.h"
#include <vector>

class FakeHost : public SliceHost {
public:
    HWND Owner() override { return nullptr; }
    tstring Text(int number) override {
        if (number == slicetext::kMissingPart)
            return _T("missing %s");
        return FormatText(_T("T%d"), {number});
    }
    void Status(const SliceStep& step) override { steps.push_back(step); }
    bool KeepGoing() override { return ++keepGoingCalls != stopAtCall; }
    tstring FolderBox() override { return folder; }
    void SetFolderBox(const tstring& text) override {
        folder = text;
        folderShown.push_back(text);
    }

    std::vector<SliceStep> steps;
    int keepGoingCalls = 0;
    int stopAtCall = 0;   // KeepGoing answers false on this call (1 = the first)
    tstring folder = _T("C:\\out\\...");
    tstrings folderShown;
};

// Deterministic bytes that differ from position to position.
inline std::string TestBytes(size_t count, unsigned seed = 1) {
    std::string bytes(count, '\0');
    unsigned value = seed * 2654435761u + 12345;
    for (size_t i = 0; i < count; ++i) {
        value = value * 1103515245u + 12345;
        bytes[i] = static_cast<char>(value >> 16);
    }
    return bytes;
}

inline SliceStep Step(int text, ULONGLONG part = 0, ULONGLONG percent = 0) {
    return SliceStep{text, part, percent};
}
