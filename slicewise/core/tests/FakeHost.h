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

// The steps a byte-by-byte copy shows for a set of parts of partSize bytes
// (the last one shorter): a step at every 1000th byte of a part, then the
// next part's start. Texts: the first line, part start, progress.
inline std::vector<SliceStep> ByteBySteps(int first, int partStart, int progress,
                                          ULONGLONG total, ULONGLONG partSize) {
    std::vector<SliceStep> steps = {Step(first)};
    ULONGLONG part = 1;
    for (ULONGLONG done = 0; done < total; done += partSize, ++part) {
        if (part > 1) steps.push_back(Step(partStart, part));
        const ULONGLONG bytes = total - done < partSize ? total - done : partSize;
        for (ULONGLONG counter = 1000; counter <= bytes; counter += 1000)
            steps.push_back(Step(progress, part, counter * 100 / partSize));
    }
    if (total % partSize == 0) steps.push_back(Step(partStart, part));
    steps.push_back(Step(0));
    return steps;
}
