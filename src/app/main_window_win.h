// The main window: built in memory with its top row, tab control, four tab
// pages with their column lists and the custom list's filters, then set up
// (icon, menus, status bar, data folder, brush, keyboard hook, last book file)
// when it receives WM_INITDIALOG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "books/user_prompts.h"
#include "dialogs/dialog_template.h"

namespace tome {

// Layout size of the main window's client area, from which the controls are sized.
constexpr int32_t mainWidth = 720;
constexpr int32_t mainHeight = 480;

// What the main window reaches outside itself; tests put their own in place
// so that no message box or file dialog shows and no real data folder is used.
struct MainWindowLinks {
    UserPrompts* prompts;
    std::string (*commonDocumentsFolder)();  // "" when the shell has none
};
extern MainWindowLinks mainLinks;

// Creates the main window hidden with all its controls and pages; sets
// mainState.hMainWindow, mainState.tabPage and mainState.tabList. Null when the window cannot be made.
HWND CreateMainWindow();

// The set-up that WM_INITDIALOG of MainWindowProc runs.
void SetUpMainWindow(HWND window);

// A control of the main window or a page, placed in pixels.
ControlSpec PixelControl(const char* className, const char* text, int32_t id, uint32_t style, uint32_t exStyle,
                         int x, int y, int width, int height);

// Right edges of the status bar's three parts for a window width.
struct StatusParts {
    int32_t edges[3];
};
StatusParts StatusPartEdges(int32_t width);

}  // namespace tome
