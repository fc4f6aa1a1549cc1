#pragma once
// The texts of one language section of the program's language file, handed
// out by number. Every dialog that shows text owns one and calls Load when it
// initialises its window.
#include "common/PowerClass.h"
#include <utility>
#include <vector>

// "<program folder>\<Product ID>trl.ini", the program's language file.
tstring LanguageFilePath(const PowerClass& power);

class CTranslation {
public:
    // dialects: the main languages (Windows language identifiers) whose
    // "Dialects[<id>]" settings fold regional variants onto them, in order.
    explicit CTranslation(std::vector<int> dialects);

    // Picks the section from the "Language" setting ("[----]": the system
    // language) and replaces the loaded entries by its entries.
    void Load();
    // Text of the first loaded entry with that number; empty when none.
    tstring GetText(int number) const;

    tstring LanguageFilePath() const { return ::LanguageFilePath(power_); }

private:
    tstring ChooseSection(const tstring& languageFile) const;
    tstring SystemLanguageMarker() const;

    std::vector<int> dialects_;
    std::vector<std::pair<int, tstring>> entries_;
    PowerClass power_;
};
