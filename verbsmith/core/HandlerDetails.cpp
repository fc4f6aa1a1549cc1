#include "verbsmith/core/HandlerDetails.h"
#include "framework/SafeFormat.h"
#include "verbsmith/core/CommandLineReader.h"
#include "verbsmith/core/EditorTexts.h"
#include "verbsmith/core/EntryModel.h"
#include "verbsmith/core/FileVersion.h"
#include "verbsmith/core/MergedClasses.h"
#include "verbsmith/core/ProgramLookup.h"
#include <algorithm>
#include <vector>

namespace {

bool IsClassId(const tstring& text) {
    return text.size() > 2 && text.front() == _T('{') && text.back() == _T('}');
}

std::optional<tstring> ClassIdOf(const EntryRow& row) {
    if (row.kind != EntryKind::kHandler)
        return std::nullopt;
    if (IsActiveHandlerValue(row.value))
        return row.value;
    if (IsDeactivatedHandlerValue(row.value))
        return row.value.substr(1);
    if (row.value.empty() && IsClassId(row.name))
        return row.name;
    return std::nullopt;
}

// The user's key first, as the merged classes show it. On 64-bit Windows
// the Explorer reads the 64-bit view, where this 32-bit program would
// otherwise be shown the 32-bit classes.
std::vector<RegistryPlace> ClassPlaces(const tstring& classId) {
    const tstring path = _T("CLSID\\") + classId;
    std::vector<RegistryPlace> places{classes::UserPlace(path), classes::MachinePlace(path)};
    for (RegistryPlace& place : places)
        place.view = Lookup().RunsUnderWow64() ? KEY_WOW64_64KEY : 0;
    return places;
}

tstring Unquoted(const tstring& text) {
    if (text.empty() || text.front() != _T('"'))
        return text;
    const size_t close = text.find(_T('"'), 1);
    return text.substr(1, close == tstring::npos ? tstring::npos : close - 1);
}

tstring WithLibraryExtension(const tstring& name) {
    const size_t folder = name.rfind(_T('\\'));
    const bool extension = name.find(_T('.'), folder == tstring::npos ? 0 : folder + 1) != tstring::npos;
    return extension ? name : name + _T(".dll");
}

tstring Variable(const TCHAR* name) {
    const DWORD size = GetEnvironmentVariable(name, nullptr, 0);
    tstring value(size, _T('\0'));
    const DWORD length = size ? GetEnvironmentVariable(name, &value[0], size) : 0;
    value.resize(length < size ? length : 0);
    return value;
}

// Where the loader looks for a file named without a folder.
tstrings SearchFolders() {
    tstrings folders{_T("%SystemRoot%\\System32"), _T("%SystemRoot%")};
    const tstring path = Variable(_T("PATH"));
    for (size_t start = 0; start < path.size();) {
        const size_t end = std::min(path.find(_T(';'), start), path.size());
        tstring folder = Unquoted(path.substr(start, end - start));
        while (!folder.empty() && folder.back() == _T('\\'))
            folder.pop_back();
        if (!folder.empty())
            folders.push_back(folder);
        start = end + 1;
    }
    return folders;
}

// A path is found as a quoted program of a command line is: expanded with
// the Explorer's program folders, and on 64-bit Windows System32 looked at
// through Sysnative, since the 64-bit Explorer loads from the 64-bit folder.
CommandLine Located(const tstring& path) { return ReadCommandLine(_T("\"") + path + _T("\"")); }

CommandLine ServerFile(const tstring& registered) {
    const tstring name = WithLibraryExtension(Unquoted(registered));
    if (name.find(_T('\\')) != tstring::npos)
        return Located(name);
    for (const tstring& folder : SearchFolders()) {
        const CommandLine inFolder = Located(folder + _T("\\") + name);
        if (inFolder.found)
            return inFolder;
    }
    CommandLine nowhere;
    nowhere.program = name;
    return nowhere;
}

// InprocServer32's default value in the first half that has one; a class
// served another way (a local server, a delegate) names no file.
std::optional<tstring> RegisteredFile(const std::vector<RegistryPlace>& places) {
    for (RegistryPlace place : places) {
        place.path += _T("\\InprocServer32");
        const std::optional<RegistryValue> value = registry::ReadValue(place, _T(""));
        if (value && (value->type == REG_SZ || value->type == REG_EXPAND_SZ) && !value->text.empty())
            return value->text;
    }
    return std::nullopt;
}

struct Found {
    HandlerDetails details;
    tstring location;   // where this program reaches the file
};

std::optional<Found> Locate(const EntryRow& row) {
    const std::optional<tstring> classId = ClassIdOf(row);
    if (!classId)
        return std::nullopt;
    Found found;
    found.details.classId = *classId;
    const std::vector<RegistryPlace> places = ClassPlaces(*classId);
    for (const RegistryPlace& place : places)
        found.details.classRegistered = found.details.classRegistered || registry::KeyExists(place);
    if (const std::optional<tstring> registered = RegisteredFile(places)) {
        const CommandLine file = ServerFile(*registered);
        found.details.file = file.program;
        found.details.fileFound = file.found;
        found.location = file.location;
    }
    return found;
}

tstring JoinedParts(const tstrings& parts) {
    tstring joined;
    for (const tstring& part : parts)
        if (!part.empty())
            joined += (joined.empty() ? tstring() : tstring(_T(", "))) + part;
    return joined;
}

}  // namespace

std::optional<HandlerDetails> LocateHandler(const EntryRow& row) {
    const std::optional<Found> found = Locate(row);
    return found ? std::optional<HandlerDetails>(found->details) : std::nullopt;
}

std::optional<HandlerDetails> DetailsOf(const EntryRow& row) {
    std::optional<Found> found = Locate(row);
    if (!found)
        return std::nullopt;
    if (found->details.fileFound) {
        const FileVersion about = VersionOf(found->location);
        found->details.description = about.description;
        found->details.company = about.company;
        found->details.version = about.version;
    }
    return found->details;
}

tstring DetailsLine(const CTranslation& translation, const std::optional<HandlerDetails>& details) {
    if (!details)
        return tstring();
    const auto line = [&](int text, std::initializer_list<FormatArg> args) {
        return FormatText(translation.GetText(text), args);
    };
    if (!details->classRegistered)
        return line(texts::kClassNotRegisteredLine, {details->classId});
    if (details->file.empty())
        return line(texts::kNoHandlerFileLine, {details->classId});
    if (!details->fileFound)
        return line(texts::kHandlerFileMissingLine, {details->file});
    const tstring version =
        details->version.empty() ? tstring() : line(texts::kHandlerVersion, {details->version});
    const tstring about = JoinedParts({details->description, details->company, version});
    return about.empty() ? line(texts::kHandlerFileLine, {details->file})
                         : line(texts::kHandlerFileAboutLine, {details->file, about});
}
