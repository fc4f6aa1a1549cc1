#pragma once
// What the Explorer loads for a context-menu handler: the class its entry
// names, the file that serves the class and what that file says of itself.
// A missing class or file is the usual cause of a slow or failing menu.
#include "common/Translation.h"
#include "verbsmith/core/EntryScan.h"
#include <optional>

struct HandlerDetails {
    tstring classId;
    bool classRegistered = false;   // in the user's or the machine's classes
    tstring file;                   // as the loader takes it; empty when the class names none
    bool fileFound = false;
    tstring description, company, version;   // from the file's version resource
};

// The class is the value without a deactivating "-", or the name of a key
// named by its class with an empty value; it is looked up in the user's
// classes before the machine's, in the view of the Explorer that loads it
// (the 64-bit one on 64-bit Windows). The file is InprocServer32's default
// value: expanded, quotes around it removed, ".dll" added to a name without
// an extension, and a name without a folder searched for in the system
// folder, the Windows folder and the folders of PATH. Nothing for a row that
// is no handler or names no class. The file itself is not read.
[[nodiscard]] std::optional<HandlerDetails> LocateHandler(const EntryRow& row);
// The same with what the file's version resource says: a few milliseconds,
// for the selected row.
[[nodiscard]] std::optional<HandlerDetails> DetailsOf(const EntryRow& row);
// The line under the list: the file with its description, company and
// version, or what is missing; empty for no handler.
[[nodiscard]] tstring DetailsLine(const CTranslation& translation,
                                  const std::optional<HandlerDetails>& details);
