#include "StagedFiles.h"
#include "tests/support/TempFolder.h"
#include <algorithm>

const TCHAR kLanguageFileName[] = _T("toolcratetrl.ini");

tstring SourceFile(const tstring& name) {
    // Wine shows the Linux root as drive Z:.
    tstring path = _T("Z:") + tstring(_T(TOOLCRATE_SOURCE_DIR)) + _T("/") + name;
    std::replace(path.begin(), path.end(), _T('/'), _T('\\'));
    return path;
}

void StageLauncherFiles(const tstring& folder, const tstring& marker) {
    std::string config = files::Read(SourceFile(_T("config.ini")));
    const std::string key = "Language\r\n";
    const size_t value = config.find(key) + key.size();
    config.replace(value, config.find("\r\n", value) - value,
                   std::string(marker.begin(), marker.end()));
    files::Write(folder + _T("\\config.ini"), config);
    files::Write(folder + _T("\\") + kLanguageFileName,
                 files::Read(SourceFile(kLanguageFileName)));
}
