#pragma once
// The texts of one language section of the program's language file, handed
// out by number. Every dialog that shows text owns one and calls Load when it
// initialises its window.
//
// A program carries a copy of its shipped language file as the RCDATA
// resource IDR_BUILTIN_TEXTS (common/SharedDialogIds.h); its "[1033]"
// section gives the English text of every number the loaded section lacks,
// so that a missing or unreadable language file leaves no message, heading
// or list entry empty.
#include "common/LanguageFile.h"
#include "common/PowerClass.h"
#include <vector>

// "<program folder>\<Product ID>trl.ini", the program's language file.
tstring LanguageFilePath(const PowerClass& power);

class CTranslation {
public:
    // dialects: the main languages (Windows language identifiers) whose
    // "Dialects[<id>]" settings fold regional variants onto them, in order.
    explicit CTranslation(std::vector<int> dialects);

    // Picks the section from the "Language" setting ("[----]": the system
    // language; a marker the file lacks: "[1033]") and replaces the loaded
    // entries by its entries.
    void Load();
    // True when the last Load found a section with texts in the language file.
    bool Loaded() const { return !entries_.empty(); }
    // True when the loaded section has a text of that number.
    bool Has(int number) const { return Find(entries_, number) != nullptr; }
    // Text of the first loaded entry with that number; the program's built-in
    // English text when the section has none; empty when neither has it.
    tstring GetText(int number) const;

    tstring LanguageFilePath() const { return ::LanguageFilePath(power_); }

private:
    using Entries = languagefile::Entries;
    static const tstring* Find(const Entries& entries, int number);

    tstring SystemLanguageMarker() const;

    std::vector<int> dialects_;
    Entries entries_;
    Entries builtIn_;
    PowerClass power_;
};
