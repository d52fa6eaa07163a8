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

// What SelectTab changes besides the active list, list ID and page.
enum TabSelection : uint32_t {
    TabShown = 1,      // activeTab = t
    TabActedOn = 2,    // lastTab = t: the tab-change handling will not act on t again
    TabInControl = 4,  // the tab control selects t and shows its page only (when there is one)
};

// The one routine that switches tabs: tab t's (1..4) column list, list ID and
// page become the active ones, and what also names.
void SelectTab(int32_t t, uint32_t also = 0);

// View menu: tab t (1..4) becomes the visible one and its list is refilled.
void ShowTabFromMenu(int32_t t);

}  // namespace tome
