#pragma once
#include <vector>

// Language text numbers of the launcher's window; the module table names
// each module's own texts.
namespace launchertext {
enum : int {
    kCaption = 5,               // caption of the launcher's messages
    kCleaningGroup = 10,
    kTuningGroup = 11,
    kFilesGroup = 12,
    kStartFirstLine = 20,       // the description before the mouse moves
    kStartSecondLine = 22,
    kOutsideFirstLine = 30,     // the description outside every module's area
    kOutsideSecondLine = 32,
    kHelpFirstLine = 80,        // the description on F1
    kHelpSecondLine = 82,
    kBackgroundActive1 = 110,   // a module's background part runs: two paragraphs
    kBackgroundActive2 = 115,
    kStartFailed = 116,         // the module's program %s could not be started
    kNotMarked = 117,           // the handshake value for %s could not be written
    kUacQuestion1 = 195,        // three paragraphs asked when UAC is on
    kUacQuestion2 = 196,
    kUacQuestion3 = 197,
    kFileMenu = 200,
    kLanguageItem = 202,
    kExitItem = 205,
    kModuleMenu = 210,
    kHelpMenu = 245,
    kHelpFilesItem = 250,
    kWebsiteItem = 255,
    kAboutItem = 260,
};
}  // namespace launchertext

// The main languages whose regional variants ("Dialects[...]" settings) the
// launcher's texts fold onto, in the order they are tried.
inline const std::vector<int>& LauncherDialects() {
    static const std::vector<int> dialects{1031, 1036};
    return dialects;
}
