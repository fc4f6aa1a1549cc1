#pragma once
// The entries the editor listed when it last closed, kept per user beside
// the backups, so that the next start can tell what appeared since. One
// identity (EntryIdentity.h) a line, between a first line that names the
// file and a last one that counts the lines between: a file cut short is
// told from a whole one. A character outside printable ASCII, and "%", is
// written "%" and its UTF-16 code in four hex digits, so that any name
// (tabs and line breaks included) comes back exactly.
#include "verbsmith/core/EntryIdentity.h"
#include <optional>
#include <utility>

class EntryMemory {
public:
    // "<local application data>\Vantorel\Verbsmith\Listed entries.dat";
    // empty when the system names no such folder.
    static tstring UserFile();

    // The folder is created when the file is first saved.
    explicit EntryMemory(tstring file) : file_(std::move(file)) {}

    // What was remembered; nothing when there is no file, or when it is not
    // one this class wrote whole (damaged, cut short, too large to be one).
    [[nodiscard]] std::optional<EntrySet> Load() const;
    // Remembers every row in place of what was remembered, through a file
    // beside it that then replaces it in one step: a failure leaves the old
    // file whole. The system's error code.
    [[nodiscard]] DWORD Save(const EntryList& rows) const;

private:
    tstring file_;
};

// The memory of the user (EntryMemory::UserFile), or the one a test installs.
const EntryMemory& EditorMemory();
// nullptr: the user's memory again. The memory must outlive its use.
void SetEditorMemory(const EntryMemory* memory);
