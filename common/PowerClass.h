#pragma once
// Settings file, registry, shell links, files and number conversions: the
// helpers every dialog of the suite reaches its surroundings through. No
// operation shows a message; failures come back as results.
#include "common/WriteResult.h"
#include "framework/TString.h"

class PowerClass {
public:
    // Registry places by kind, over the typed places of common/RegistryPlace.h,
    // which code that names its own places uses directly. Kind 0 reads
    // HKEY_CURRENT_USER's "Shell Folders" key but writes and deletes under
    // HKEY_LOCAL_MACHINE\subKey.
    enum Kind { kShellFolders = 0, kCurrentUser = 1, kLocalMachine = 2, kClassesRoot = 4,
                kFullPath = 10 };

    tstring subKey;          // key path for the kinds that use it; ReadShortcut's description
    tstrings subKeyNames;    // filled by EnumerateKey
    tstrings valueNames;     // filled by EnumerateKey

    // Folder of the running executable without a trailing backslash.
    tstring GetProgramFolder() const;
    // The part of a full path before its last backslash ("" without one).
    static tstring FolderOfPath(const tstring& path);
    // Tests run the files of several programs from one executable: while set,
    // GetProgramFolder answers with this folder. Empty restores the real one.
    static void OverrideProgramFolder(const tstring& folder);

    // Settings file "config.ini" beside the executable: a key line, then its
    // value line. The write functions change existing value lines only; they
    // fail when the file could not be read or replaced.
    tstring ReadSetting(const tstring& key) const;
    WriteResult WriteSetting(const tstring& key, const tstring& value) const;
    WriteResult WriteModuleSetting(const tstring& subFolder, const tstring& key,
                                   const tstring& value) const;
    // "<program folder>\config.ini", the file the settings functions use.
    tstring SettingsFilePath() const;

    static bool FileHasLine(const tstring& path, const tstring& line);
    static bool FileExists(const tstring& path);
    static ULONGLONG FileSize(const tstring& path);

    tstring ReadRegistryText(int kind, const tstring& valueName) const;
    // The value with its type, whatever the type: text holds the text of a
    // REG_SZ or REG_EXPAND_SZ (unexpanded), nothing for other types. False
    // when the key or the value is missing.
    bool ReadRegistryValue(int kind, const tstring& valueName, DWORD& type, tstring& text) const;
    BYTE ReadRegistryByte(int kind, const tstring& valueName) const;
    void EnumerateKey(HKEY key);
    // The writing operations; a kind without a place for them fails with
    // ERROR_INVALID_PARAMETER. WriteRegistryValue writes a REG_SZ, or the
    // REG_EXPAND_SZ a caller asks for.
    WriteResult DeleteRegistryValue(int kind, const tstring& valueName) const;
    WriteResult DeleteClassesKeyTree(const tstring& keyName) const;
    WriteResult WriteRegistryValue(int kind, const tstring& valueName, const tstring& data,
                                   DWORD type = REG_SZ) const;
    WriteResult WriteRegistryFixed(int kind, const tstring& valueName, const tstring& data) const;

    static WriteResult CreateShortcut(const tstring& target, const tstring& linkPath,
                                      const tstring& description);
    // The shortcut at from, with only its target changed (arguments, working
    // folder, icon and description stay), saved as linkPath: written beside
    // it first and then put in its place, so a failure leaves linkPath as it
    // was. A file at from that is no shortcut gives a new one with target and
    // description.
    static WriteResult RetargetShortcut(const tstring& from, const tstring& linkPath,
                                        const tstring& target, const tstring& description);
    tstring ReadShortcut(const tstring& linkPath);

    static int ParseDecimal(const tstring& text);
    static int ParseHex(const tstring& text);
    static tstring PadWithZeros(const tstring& text, size_t width);

    static const TCHAR kKeyNotFound[];   // "Registry key was not found :-( "
    static const TCHAR kNoRegSz[];       // "No REG_SZ"
};

// Text files (settings and language files): 8-bit text, where each byte is
// one character of the same code in the wide programs and stays as it is in
// the narrow one; a file that begins with a UTF-16LE or a UTF-8 byte order
// mark is read in that encoding, the mark skipped (the narrow program gets
// its characters in the system code page). Lines end in CR LF or LF; a
// missing file reads as no lines. Writing gives 8-bit text.
namespace textfile {
// The lines of a file's bytes.
tstrings DecodeLines(const std::string& bytes);
// False when the file cannot be read (the cause stays in GetLastError).
bool ReadLines(const tstring& path, tstrings& lines);
// Writes every line followed by CR LF through a temp file beside the file,
// which then replaces it in one step. On failure the file is unchanged and
// the result is the system's error code; ERROR_SUCCESS otherwise.
DWORD WriteLines(const tstring& path, const tstrings& lines);
}
