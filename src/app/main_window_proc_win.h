// The main window's handler: a table of messages, each calling a named handler.
#pragma once

#include <windows.h>

namespace tome {

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tome
