// The menu bar, the book lists' context menu, and the owner-drawn tabs.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tome {

// Builds the menu bar onto the main window and creates mainState.hContextMenu.
void BuildMenus(HWND mainWindow);

// Paints one tab of the tab control controlId (WM_DRAWITEM).
void DrawTabItem(HWND window, int controlId, const DRAWITEMSTRUCT& item);

LRESULT GetTabItem(HWND tabControl, int index, TCITEMA& item);

}  // namespace tome
