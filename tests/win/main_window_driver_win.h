// Reading and driving the running main window as a user sees and uses it:
// its controls, the rows of a tab's list, the status bar, tab clicks and
// commands. Shared by the Windows-side tests and the Windows benchmark.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/main_state_win.h"

namespace tome_test::window {

inline HWND Control(int id) { return GetDlgItem(tome::mainState.hMainWindow, id); }
inline HWND Page(int t) { return tome::mainState.tabPage[static_cast<size_t>(t)]; }
inline HWND ListBox(int t) { return GetDlgItem(Page(t), tome::TabListId[static_cast<size_t>(t)]); }
inline int RowsShown(int t) { return static_cast<int>(SendMessageA(ListBox(t), LB_GETCOUNT, 0, 0)); }
inline int SelectedRow(int t) { return static_cast<int>(SendMessageA(ListBox(t), LB_GETCURSEL, 0, 0)) + 1; }

// Row 1.. of tab t's list as the list box holds it; "<none>" past its rows.
inline std::string Row(int t, int row) {
    HWND box = ListBox(t);
    const LRESULT length = SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(row - 1), 0);
    if (length == LB_ERR) return "<none>";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

inline std::string StatusPart(int part) {
    char text[512] = "";
    SendMessageA(Control(tome::StatusBarId), SB_GETTEXTA, static_cast<WPARAM>(part - 1),
                 reinterpret_cast<LPARAM>(text));
    return text;
}

inline int SelectedTabIndex() {
    return static_cast<int>(SendMessageA(Control(tome::TabControlId), TCM_GETCURSEL, 0, 0));
}

// A command as a menu item sends it.
inline void Command(int id) { SendMessageA(tome::mainState.hMainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// Clicks tab t (1..4) of the tab control with the mouse, as a user does.
inline void ClickTab(int t) {
    HWND tabs = Control(tome::TabControlId);
    RECT r;
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(t - 1), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
}

}  // namespace tome_test::window
