#pragma once
#include <vector>

// The main languages whose regional variants ("Dialects[...]" settings) the
// launcher's texts fold onto, in the order they are tried.
inline const std::vector<int>& LauncherDialects() {
    static const std::vector<int> dialects{1031, 1036};
    return dialects;
}
