#pragma once
// What every window test of the editor stands on: a sandboxed registry, a
// program folder of its own holding the shipped config.ini (set to English)
// and language file, an empty Send To folder named by the sandboxed
// "Shell Folders" key, a backup store and a memory of listed entries of its
// own, and the recording UI double.
#include "framework/testkit/RecordingUi.h"
#include "tests/support/ForcedElevation.h"
#include "tests/support/MachineClassesSandbox.h"
#include "tests/support/ProgramFolder.h"
#include "verbsmith/core/EditorBackups.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryMemory.h"
#include <gtest/gtest.h>

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A shell verb: location\name with its name as default value and the
    // command line under "\command".
    static void AddVerb(const tstring& location, const tstring& name, const tstring& command);
    // A handler key below location with the class identifier as default value.
    static void AddHandler(const tstring& location, const tstring& name, const tstring& value);
    // A file in the Send To folder that is no shell link.
    void AddUnreadableSendToFile(const tstring& name);
    // Replaces the "Language" value of the test's config.ini.
    void SetLanguage(const std::string& marker) { program_.SetLanguage(marker); }
    std::string ConfigFile() const { return program_.Settings(); }

    // The language text with this number, in the language the test set.
    static tstring Text(int number);
    // The boxes shown so far, each owned by owner, with the editor's caption
    // (text 5).
    void ExpectBoxes(HWND owner, const std::vector<RecordingUi::Box>& expected) const {
        ui_.ExpectBoxes(owner, Text(texts::kCaption), expected);
    }

    MachineClassesSandbox sandbox_;
    ProgramFolder program_{VERBSMITH_SOURCES, _T("Verbsmithtrl.ini")};
    TempFolder sendTo_;
    TempFolder backupFolder_;
    BackupStore backups_{backupFolder_.Path()};
    TempFolder memoryFolder_;
    EntryMemory memory_{memoryFolder_ / _T("Listed entries.dat")};
    RecordingUi ui_;
};

