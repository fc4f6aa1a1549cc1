#include "tests/support/ProgramFolder.h"
#include "common/PowerClass.h"
#include <stdexcept>

namespace {
// "/work/main/verbsmith" as Wine shows it: "Z:\work\main\verbsmith".
tstring WindowsPath(const char* linuxPath) {
    tstring path = _T("Z:");
    for (const char* c = linuxPath; *c; ++c)
        path += *c == '/' ? _T('\\') : static_cast<TCHAR>(*c);
    return path;
}
}  // namespace

tstring SourceFile(const char* sources, const tstring& name) {
    return WindowsPath(sources) + _T("\\") + name;
}

ProgramFolder::ProgramFolder(const char* sources, const tstring& languageFile,
                             const std::string& marker) {
    files::Write(folder_ / _T("config.ini"), files::Read(SourceFile(sources, _T("config.ini"))));
    files::Write(folder_ / languageFile, files::Read(SourceFile(sources, languageFile)));
    SetLanguage(marker);
    PowerClass::OverrideProgramFolder(folder_.Path());
}

ProgramFolder::~ProgramFolder() { PowerClass::OverrideProgramFolder(tstring()); }

void ProgramFolder::SetLanguage(const std::string& marker) {
    std::string config = Settings();
    const std::string key = "Language\r\n";
    const size_t at = config.find(key);
    if (at == std::string::npos)
        throw std::runtime_error("ProgramFolder: config.ini without \"Language\"");
    const size_t value = at + key.size();
    config.replace(value, config.find("\r\n", value) - value, marker);
    files::Write(folder_ / _T("config.ini"), config);
}
