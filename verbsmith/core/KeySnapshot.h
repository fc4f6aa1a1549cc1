#pragma once
// A registry key with everything below it, read exactly, and the way back
// to that state. Keys are named in full (KeyNames.h) and seen in one
// registry view (0: the default one), which every open, create and delete
// of the key and its sub keys names.
#include "verbsmith/core/RegFile.h"
#include <windows.h>

struct KeySnapshot {
    bool existed = false;
    // Applied, this gives back the state read: the block that deletes the
    // key, then (when it existed) the key and every sub key, parents first,
    // each with all its values (type and raw bytes).
    RegDocument document;
};

// Reads the key of that full name. A missing key is no error: existed stays
// false and the document only deletes the key. A name below no root key gives
// ERROR_BAD_PATHNAME; a key or value that cannot be read, its error code.
DWORD TakeKeySnapshot(const std::wstring& name, KeySnapshot& snapshot, REGSAM view = 0);

// Applies a document as regedit does, block by block: a delete block removes
// the key with everything below it (a key already missing is no error), a
// key block creates the key and sets its values. Every key name is checked
// before anything changes (ERROR_BAD_PATHNAME); the first call that fails
// ends it with its error code.
DWORD ApplyRegDocument(const RegDocument& document, REGSAM view = 0);
