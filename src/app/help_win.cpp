#include "app/help_win.h"

#include <htmlhelp.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/main_state_win.h"

namespace tome {

void SetHelpFilePath() {
    // Asked for its length first: a deep working directory must still give
    // the leading 259 characters of the path, not nothing.
    std::string path(GetCurrentDirectoryA(0, nullptr), '\0');
    path.resize(GetCurrentDirectoryA(static_cast<DWORD>(path.size()), &path[0]));
    path += '\\';
    path += HelpFileName;
    const size_t kept = std::min(path.size(), sizeof mainState.helpFilePath - 1);
    std::memcpy(mainState.helpFilePath, path.data(), kept);
    mainState.helpFilePath[kept] = '\0';
}

HWND ShowHelpContents() { return HtmlHelpA(mainState.hMainWindow, mainState.helpFilePath, HH_DISPLAY_TOPIC, 0); }

}  // namespace tome
