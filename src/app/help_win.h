// Help "&Contents": the compiled help file, looked for in the working
// directory the program started in (not the program's own folder).
#pragma once

#include <windows.h>

namespace tome {

constexpr char HelpFileName[] = "Tomecase.chm";

// Called by the main window's set-up, as its first step.
void SetHelpFilePath();

// Opens mainState.helpFilePath in the help viewer over mainState.hMainWindow. A missing file
// shows nothing and reports nothing. Returns the viewer's window or nullptr;
// the Help command ignores it.
HWND ShowHelpContents();

}  // namespace tome
