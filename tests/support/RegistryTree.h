#pragma once
// Whole key trees for checks, read and written with plain API calls: type and
// raw bytes of every value.
#include "tests/support/RegistrySandbox.h"

namespace reg {
// The key with every sub key and value as sorted text lines (paths relative
// to the key; "<missing>" when it does not exist), so that two states
// compare as texts and a difference prints readably.
tstring Tree(HKEY root, const tstring& key);
// Creates the key and sets the value with exactly these bytes.
void SetRaw(HKEY root, const tstring& key, const tstring& name, DWORD type, const std::string& bytes);
}
