// The tab control's four pages: creating them with their column lists and
// the custom list's filters, showing the page of the selected tab, and the
// tab changes from the tab control and from the View menu.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

// Inserts the four tabs and creates their pages and column lists on the
// main window. False when a page cannot be made.
bool CreateTabPages(HWND window);

// The handler of all four pages.
INT_PTR CALLBACK TabPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// WM_NOTIFY from the tab control: hides the old page on TCN_SELCHANGING,
// shows the new one on TCN_SELCHANGE, then acts on a change of tab.
void OnTabControlNotify(UINT code);

// View menu: tab t (1..4) becomes the visible one and its list is refilled.
void ShowTabFromMenu(int32_t t);

// Selects tab t (1..4) in the tab control and shows its page only.
void ShowTabInControl(int32_t t);

}  // namespace tome
