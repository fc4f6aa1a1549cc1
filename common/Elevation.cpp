#include "common/Elevation.h"
#include "framework/Handles.h"

namespace {

template <class Information>
bool ReadToken(HANDLE token, TOKEN_INFORMATION_CLASS kind, Information& information) {
    DWORD size = 0;
    return GetTokenInformation(token, kind, &information, sizeof information, &size) != FALSE;
}

class ProcessToken : public ElevationSeam {
public:
    // A token that cannot be read counts as elevated: the program then acts
    // as it always did, and Windows' own refusal still reaches the user.
    Elevation Read() const override {
        KernelHandle token;
        TOKEN_ELEVATION elevation = {};
        TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()) ||
            !ReadToken(token.Get(), TokenElevation, elevation) ||
            !ReadToken(token.Get(), TokenElevationType, type) || elevation.TokenIsElevated)
            return Elevation::kElevated;
        // Only a split token has the limited half; a plain unelevated token
        // belongs to a user who is no administrator (or runs without UAC).
        return type == TokenElevationTypeLimited ? Elevation::kFilteredAdministrator
                                                 : Elevation::kStandardUser;
    }
};

ProcessToken processToken;
ElevationSeam* current = &processToken;

}  // namespace

ElevationSeam& ProcessElevation() { return *current; }

void SetProcessElevation(ElevationSeam* seam) { current = seam ? seam : &processToken; }
