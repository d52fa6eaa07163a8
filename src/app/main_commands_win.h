// The commands of the menus, the context menu and the top-row buttons
// (WM_COMMAND with notification code 0), each run by one named handler.
#pragma once

#include <cstdint>

namespace tome {

// Runs the command of id; a button runs the command it stands for, and an
// ID without a command (IDOK from Enter, IDCANCEL from Escape) does nothing.
void RunCommand(int32_t id);

// View "&Book data", the "View" button, Enter on the list and a double-click:
// the selected book, read-only.
void ViewSelectedBook();

}  // namespace tome
