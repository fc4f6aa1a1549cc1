#pragma once
// Registry keys named by what they are: a root, a key path below it and the
// view it is seen in. Reads say by their result whether the value was there;
// changes return the system's error code and go through the write seam
// (framework/WriteSeam.h) first, so a test can refuse them as Windows would.
#include "common/WriteResult.h"
#include "framework/TString.h"
#include <optional>

struct RegistryPlace {
    HKEY root = nullptr;
    tstring path;          // empty: the root itself
    REGSAM view = 0;       // 0, KEY_WOW64_64KEY or KEY_WOW64_32KEY
};

struct RegistryValue {
    DWORD type = REG_NONE;
    tstring text;              // of a REG_SZ or REG_EXPAND_SZ (unexpanded); empty otherwise
    std::vector<BYTE> data;    // as stored
};

struct RegistryNames {
    tstrings subKeys;
    tstrings values;   // "" is the default value
};

namespace registry {
// The user's "Shell Folders" key of the Explorer, which names the special
// folders (the Send To folder among them).
RegistryPlace UserShellFolders();
// Nothing when the key or the value is missing. A text ends at its first NUL
// or at the end of its data; long values are read whole.
std::optional<RegistryValue> ReadValue(const RegistryPlace& place, const tstring& name);
// The text of a REG_SZ value; nothing for a missing value or another type.
std::optional<tstring> ReadText(const RegistryPlace& place, const tstring& name);
// Creates the key when needed; type REG_SZ or REG_EXPAND_SZ. The wide
// interface keeps the key, the name and the text whatever their characters.
WriteResult WriteText(const RegistryPlace& place, const tstring& name, const tstring& text,
                      DWORD type = REG_SZ);
// A narrow REG_SZ of always 350 bytes: the text (cut to 349 bytes), its NUL
// and zero bytes, the form the modules of the suite read the handshake in.
WriteResult WriteFixedText(const RegistryPlace& place, const tstring& name, const tstring& text);
WriteResult DeleteValue(const RegistryPlace& place, const tstring& name);
// The sub key name of parent with everything below it, in parent's view; an
// empty name is refused, as it would take parent itself.
WriteResult DeleteKeyTree(const RegistryPlace& parent, const tstring& name);
// The same below an open key, for a caller that asked the write seam itself;
// the system's error code.
LONG DeleteTree(HKEY parent, const tstring& path, REGSAM view);
// True when the key is there (and may be read).
[[nodiscard]] bool KeyExists(const RegistryPlace& place);
// The names below an open key; a name that cannot be read is left out.
RegistryNames ListNames(HKEY key);
// Nothing when the key cannot be opened.
std::optional<RegistryNames> ListNames(const RegistryPlace& place);
}  // namespace registry
