#include "app/menus_win.h"

#include <commctrl.h>

#include <vector>

#include "app/commands.h"
#include "app/main_state_win.h"

namespace tome {

namespace {

void AppendEntry(HMENU menu, const MenuEntry& entry, const std::vector<HMENU>& popups) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
    info.fState = MFS_ENABLED;
    if (entry.text == "-") {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.wID = static_cast<UINT>(entry.commandId);
        info.dwTypeData = const_cast<char*>(entry.text.c_str());
        if (entry.submenu >= 0) info.hSubMenu = popups[static_cast<size_t>(entry.submenu)];
    }
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

}  // namespace

void BuildMenus(HWND mainWindow) {
    const std::vector<MenuPopup>& table = MenuPopups();
    HMENU bar = CreateMenu();
    std::vector<HMENU> popups;
    for (size_t i = 0; i < table.size(); ++i) popups.push_back(CreatePopupMenu());
    for (int i = 0; i < MenuBarPopups; ++i) {
        AppendEntry(bar, {table[static_cast<size_t>(i)].title, 0, i}, popups);
    }
    // Edit carries the List Maintenance submenu, so it is filled after it exists.
    for (size_t i = 0; i < table.size(); ++i) {
        for (const MenuEntry& entry : table[i].entries) AppendEntry(popups[i], entry, popups);
    }
    SetMenu(mainWindow, bar);

    mainState.hContextMenu = CreatePopupMenu();
    for (const MenuEntry& entry : ContextMenuEntries()) AppendEntry(mainState.hContextMenu, entry, popups);
}

LRESULT GetTabItem(HWND tabControl, int index, TCITEMA& item) {
    return SendMessageA(tabControl, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void DrawTabItem(HWND window, int controlId, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    HBRUSH brush = CreateSolidBrush(RGB(220, 230, 240));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    RECT area = item.rcItem;
    area.top += 3;  // the top strip keeps what the tab control painted

    if (item.itemState == ODS_SELECTED) {
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkColor(dc, RGB(220, 230, 240));
        FillRect(dc, &area, brush);
    } else {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    }

    char text[50] = "";
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = sizeof text;
    GetTabItem(GetDlgItem(window, controlId), static_cast<int>(item.itemID), tab);
    DrawTextA(dc, tab.pszText ? tab.pszText : text, -1, &area, DT_CENTER | DT_SINGLELINE);

    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

}  // namespace tome
