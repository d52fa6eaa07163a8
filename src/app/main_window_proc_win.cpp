#include "app/main_window_proc_win.h"

#include "app/commands.h"
#include "app/find_box_win.h"
#include "app/keyboard_hook_win.h"
#include "app/main_commands_win.h"
#include "app/main_state_win.h"
#include "app/main_window_win.h"
#include "app/menus_win.h"
#include "app/screen_win.h"
#include "app/tab_pages_win.h"

#include <windowsx.h>

#include <algorithm>

namespace tome {

namespace {

// No top-row button keeps the default-button frame that a click or Enter gave it.
void ResetButtons(HWND window) {
    for (int32_t id = cmd::AddButton; id <= cmd::QuitButton; ++id) {
        SendDlgItemMessageA(window, id, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
}

void OnCommand(HWND window, int32_t id, UINT code) {
    if (id == FindBoxId && code == EN_SETFOCUS) OnFindBoxFocus();
    if (id == FindBoxId && code == EN_KILLFOCUS) OnFindBoxFocusLost();
    if (id == FindBoxId && code == EN_CHANGE) FindNext();
    if (code == 0) {
        RunCommand(id);
        ResetButtons(window);
    }
}

// A close with unsaved changes asks first; 1 keeps the window open. The low
// four bits are the system's own, as the dialog engine also knows.
INT_PTR OnSysCommand(WPARAM wParam) {
    if ((wParam & 0xFFF0) != SC_CLOSE) return 0;
    return MainFileFlows().MayQuit() ? 0 : 1;
}

// The context menu's place when it was asked for from the keyboard (Shift+F10,
// the menu key): below the selected row, or at the list's top-left corner
// when no row is selected.
POINT KeyboardMenuPoint() {
    HWND box = GetDlgItem(mainState.hActivePage, mainState.activeListId);
    POINT at = {0, 0};
    RECT row;
    const LRESULT selected = SendMessageA(box, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR && SendMessageA(box, LB_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        RECT inside;
        GetClientRect(box, &inside);
        at = {row.left, std::min(row.bottom, inside.bottom)};
    }
    ClientToScreen(box, &at);
    return at;
}

// A right-click in the visible list selects the row under the pointer and
// offers the book commands. Right-clicks elsewhere, the headings included,
// show nothing. Screen coordinates are signed: a monitor left of or above the
// primary one has negative ones. From the keyboard (-1, -1) the menu shows
// for the selected row, which stays as it is.
void OnContextMenu(HWND from, LPARAM lParam) {
    if (from != mainState.hActivePage) return;
    if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
        const POINT at = KeyboardMenuPoint();
        TrackPopupMenu(mainState.hContextMenu, 0, at.x, at.y, 0, mainState.hMainWindow, nullptr);
        return;
    }
    const int screenX = GET_X_LPARAM(lParam);
    const int screenY = GET_Y_LPARAM(lParam);
    POINT at = {screenX, screenY};
    ScreenToClient(from, &at);
    int32_t originX = 0, originY = 0;
    mainState.activeList->GetListOrigin(originX, originY);
    at.x -= originX;
    at.y -= originY;
    if (at.y < 0) return;
    // The high word flags a point below the last row; the nearest row is taken.
    const LRESULT item = SendDlgItemMessageA(mainState.hActivePage, mainState.activeListId, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    mainState.activeList->SelectRow(LOWORD(item) + 1, 0);
    UpdateStatusBar();
    TrackPopupMenu(mainState.hContextMenu, 0, screenX, screenY, 0, mainState.hMainWindow, nullptr);
}

void OnDestroy() {
    DeleteObject(mainState.mainBrush);
    mainState.mainBrush = nullptr;
    UnhookWindowsHookEx(hKeyboardHook);
    hKeyboardHook = nullptr;
}

}  // namespace

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: SetUpMainWindow(window); return 0;
        case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(mainState.mainBrush);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(
                FindControlColours(window, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_DRAWITEM:
            if (wParam == TabControlId) DrawTabItem(window, TabControlId, *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return 0;
        case WM_NOTIFY:
            if (wParam == TabControlId) OnTabControlNotify(reinterpret_cast<NMHDR*>(lParam)->code);
            return 0;
        case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            if (mainState.findActive) LeaveTypingMode();
            return 0;
        case WM_SYSCOMMAND: return OnSysCommand(wParam);
        case WM_CONTEXTMENU: OnContextMenu(reinterpret_cast<HWND>(wParam), lParam); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        default: return 0;
    }
}

}  // namespace tome
