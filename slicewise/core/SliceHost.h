#pragma once
// What the Divide and Merge commands need of the window that runs them.
// The commands report every status step as plain values; the window keeps
// the latest one and shows it (StatusLine) when it repaints, which it does by
// time in KeepGoing, not per step. The commands show nothing themselves:
// their messages and the open-file dialog go through the host too.
#include "framework/BufferedFile.h"

// One status-line step. text is a language text number of slicetext, or
// slicetext::kEmpty for an empty status line; part and percent are the
// numbers the text is formatted with (unused ones are 0).
struct SliceStep {
    int text = 0;
    ULONGLONG part = 0;
    ULONGLONG percent = 0;

    bool operator==(const SliceStep& other) const {
        return text == other.text && part == other.part && percent == other.percent;
    }
};

enum class SliceOutcome {
    kDone,        // completion message shown
    kRefused,     // a refusal message shown before any copying
    kCancelled,   // the user cancelled the file dialog
    kFailed,      // a file error or a missing part was reported
    kStopped,     // KeepGoing asked to stop; this run's files removed, reported
};

class SliceHost {
public:
    virtual ~SliceHost() = default;
    // A message of the command: OK button, no icon.
    virtual void Tell(const tstring& text, const tstring& caption) = 0;
    // A file error the command met, with its reason (ReportFileError).
    virtual void TellFileError(const FileError& error) = 0;
    // The open-file dialog with a filter in the "description|pattern|" form
    // and a path buffer of bufferChars: false when nothing was chosen.
    virtual bool ChooseFile(const tstring& filter, size_t bufferChars, tstring& path) = 0;
    // The language text with this number (CTranslation GetText).
    virtual tstring Text(int number) = 0;
    // Every step in order: each part start, each 1000-byte step, the end.
    // Called up to once per 1000 bytes copied, so it must be cheap.
    virtual void Status(const SliceStep& step) = 0;
    // Called after every copied block (kCopyBlock at most) and part change:
    // the window repaints and dispatches pending messages when due. false
    // asks the command to stop: it then removes the files this run made
    // (a divide its parts, a merge its unfinished joined file) and says so.
    virtual bool KeepGoing() = 0;
    // Called about every 100 ms while the copy waits for a slow write (a
    // hung network share, a pulled drive): the window answers as in
    // KeepGoing, and false stops the run at once, even while the write
    // stays blocked.
    virtual bool KeepWaiting() { return KeepGoing(); }
    // The progress of the whole run, after every copied block: bytes done
    // of the bytes the run copies in all (a merge counts the parts it found
    // at its start). Called just before KeepGoing, so it must be cheap.
    virtual void Progress(ULONGLONG done, ULONGLONG total) {
        (void)done;
        (void)total;
    }
    // Each checksum file a merge will check the set against, as it is read
    // before the copy (the console driver names them in its line).
    virtual void Checking(const tstring& path) { (void)path; }
    // The output folder value, and setting it (with the controls updated):
    // Merge flashes "<x>" in the folder box at its start.
    virtual tstring FolderBox() = 0;
    virtual void SetFolderBox(const tstring& text) = 0;
};

// The status line of a step: its text formatted with part and percent
// ("" for kEmpty).
tstring StatusLine(const SliceStep& step, const tstring& text);
