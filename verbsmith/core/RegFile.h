#pragma once
// The registry's own exchange format, as regedit writes and reads it: the
// header "Windows Registry Editor Version 5.00", UTF-16LE text with a byte
// order mark and CR LF line ends. A user can apply such a file without the
// editor. Only text here: reading and writing keys is KeySnapshot's work.
#include <windows.h>
#include <string>
#include <vector>

struct RegValue {
    std::wstring name;   // empty: the key's default value ("@")
    DWORD type = REG_NONE;
    std::string data;    // the raw bytes exactly as stored
};

// One "[...]" block. A delete block ("[-...]") removes the key with
// everything below it and carries no values.
struct RegKeyBlock {
    std::wstring name;   // full key name: "HKEY_CURRENT_USER\Software\Classes\..."
    bool remove = false;
    std::vector<RegValue> values;
};

struct RegDocument {
    std::vector<std::wstring> comments;   // the ";" lines at the top, without the ";"
    std::vector<RegKeyBlock> keys;
};

// The file's bytes. Values are written in the short forms only where those
// give back exactly the stored bytes: "text" for a REG_SZ of one terminated
// string, dword: for a 4-byte REG_DWORD, hex: for REG_BINARY, and hex(N):
// for everything else. ERROR_INVALID_DATA when a comment, key or value name
// holds a line break, which no line of the format can carry.
DWORD FormatRegFile(const RegDocument& document, std::string& bytes);

// Reads what FormatRegFile and regedit write; hex data may be wrapped onto
// continuation lines (",\") or stand on one line. ";" lines before the first
// key are the comments; ";" lines further down are skipped. Anything else
// that is not understood gives ERROR_INVALID_DATA rather than a guess.
DWORD ParseRegFile(const std::string& bytes, RegDocument& document);

// Only the comments at the top, from the first bytes of a file cut off
// anywhere: the header and the ";" lines up to the first other line, of
// whole lines only. ERROR_INVALID_DATA without the header.
DWORD ParseRegComments(const std::string& start, std::vector<std::wstring>& comments);
