// The main window as built: its controls, tabs, pages, lists, status bar,
// menus and the state the set-up leaves.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/menus_win.h"
#include "main_window_fixture.h"

namespace tome_test {
namespace {

struct Expected {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    RECT rect;  // left, top, right, bottom in the parent's client area
};

RECT RectIn(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The window's own child with that ID, text and class (labels share ID -1).
HWND ChildWithText(HWND parent, int id, const char* text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char own[128] = "";
        GetWindowTextA(child, own, sizeof own);
        if (GetDlgCtrlID(child) == static_cast<uint16_t>(id) && std::string(own) == text) return child;
    }
    return nullptr;
}

void ExpectControls(HWND parent, const std::vector<Expected>& controls) {
    for (const Expected& e : controls) {
        SCOPED_TRACE(std::to_string(e.id) + " \"" + e.text + "\"");
        HWND control = ChildWithText(parent, e.id, e.text);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), e.className);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & e.style, e.style);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & e.exStyle, e.exStyle);
        const RECT r = RectIn(control);
        EXPECT_EQ(r.left, e.rect.left);
        EXPECT_EQ(r.top, e.rect.top);
        EXPECT_EQ(r.right, e.rect.right);
        if (ClassOf(control) != "ComboBox") {
            EXPECT_EQ(r.bottom, e.rect.bottom);
        }
    }
}

class MainWindowLayout : public MainWindowTest {};

TEST_F(MainWindowLayout, FixedSizeCaptionedWindowWithTheTopRow) {
    Run([] {
        HWND main = tome::mainState.hMainWindow;
        EXPECT_EQ(Text(main), "Tomecase");
        const DWORD style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
        const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        EXPECT_EQ(style & frame, frame);
        EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0u);
        EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);

        // The menu bar takes its height from the 720 x 480 client area; the
        // outer size stays the one computed without it.
        RECT outer, client, expected = {0, 0, 720, 480};
        GetWindowRect(main, &outer);
        GetClientRect(main, &client);
        AdjustWindowRectEx(&expected, style, FALSE, static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE)));
        EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
        EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
        EXPECT_EQ(client.right, 720);
        EXPECT_EQ(client.bottom, 480 - GetSystemMetrics(SM_CYMENU));

        ExpectControls(main, {
            {1000, "Static", "", SS_LEFTNOWORDWRAP, WS_EX_CLIENTEDGE, {0, 0, 718, 30}},
            {1001, "Button", "Add", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, {2, 2, 62, 27}},
            {1002, "Button", "Edit", BS_PUSHBUTTON | WS_TABSTOP, 0, {62, 2, 122, 27}},
            {1003, "Button", "View", BS_PUSHBUTTON | WS_TABSTOP, 0, {122, 2, 182, 27}},
            {1004, "Button", "Print", BS_PUSHBUTTON | WS_TABSTOP, 0, {200, 2, 260, 27}},
            {1005, "Button", "&Quit", BS_PUSHBUTTON | WS_TABSTOP, 0, {260, 2, 320, 27}},
            {-1, "Static", "Find:", SS_LEFT, 0, {380, 7, 405, 22}},
            {1006, "Edit", "Author/Title", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {410, 5, 560, 25}},
            {1007, "Static", "", SS_LEFT, 0, {570, 7, 640, 22}},
            {500, "SysTabControl32", "", WS_TABSTOP | TCS_OWNERDRAWFIXED, 0, {1, 37, 717, 435}},
        });
        EXPECT_EQ(GetWindowLongA(Control(1006), GWL_STYLE) & WS_BORDER, 0);
    });
}

TEST_F(MainWindowLayout, FourTabsWithTheirPagesAndLists) {
    Run([] {
        HWND tabs = Control(tome::TabControlId);
        const char* texts[4] = {"  All Books          ", " Want to read        ", " Have read        ",
                                " Custom list          "};
        ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
        RECT area;
        GetClientRect(tabs, &area);
        SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        OffsetRect(&area, 1, 37);
        for (int t = 1; t <= 4; ++t) {
            SCOPED_TRACE(t);
            char text[64] = "";
            TCITEMA item = {};
            item.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(t - 1), reinterpret_cast<LPARAM>(&item)));
            EXPECT_STREQ(item.pszText, texts[t - 1]);
            EXPECT_EQ(item.iImage, -1);
            EXPECT_EQ(reinterpret_cast<HWND>(item.lParam), Page(t));
            // Pages belong to the main window, over the tab control's display area.
            EXPECT_EQ(GetParent(Page(t)), tome::mainState.hMainWindow);
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(Page(t), GWL_STYLE)) & (WS_CHILD | DS_CONTROL),
                      static_cast<DWORD>(WS_CHILD | DS_CONTROL));
            const RECT page = RectIn(Page(t));
            EXPECT_TRUE(EqualRect(&page, &area));
            EXPECT_EQ(PageVisible(t), t == 1);

            HWND list = ListBox(t);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(ClassOf(list), "ListBox");
            int32_t x = 0, y = 0;
            tome::mainState.tabList[static_cast<size_t>(t)].GetListOrigin(x, y);
            const RECT r = RectIn(list);
            EXPECT_EQ(r.left, 2);
            EXPECT_EQ(r.top, y);
            EXPECT_EQ(r.right - r.left, 716 - 8);
            // The list box keeps to whole rows within the height it was given.
            const int rowHeight = y - (t == 4 ? 80 : 0);
            const int given = (t == 4 ? 313 : 398) - rowHeight - 10;
            const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
            EXPECT_LE(r.bottom - r.top, given);
            EXPECT_GE(r.bottom - r.top, given - itemHeight);
            char heading[32] = "";
            GetWindowTextA(GetDlgItem(Page(t), tome::TabListId[static_cast<size_t>(t)] + 4), heading, sizeof heading);
            EXPECT_STREQ(heading, "  Pub Date");
        }
        EXPECT_EQ(tome::mainState.tabList[4].ParentHandle(), Page(4));
    });
}

TEST_F(MainWindowLayout, CustomListFiltersOnTheFourthPage) {
    Run([] {
        // A radio button is a tab stop only while it is checked (the button
        // control moves WS_TABSTOP with the check), and the combo box hands
        // its scroll bar and edge to its own list and frame.
        ExpectControls(Page(4), {
            {3001, "Button", "List by author", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0, {20, 10, 110, 30}},
            {3002, "Button", "List by category", BS_AUTORADIOBUTTON, 0, {20, 30, 110, 50}},
            {2030, "Button", "All books", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0, {150, 10, 230, 30}},
            {2031, "Button", "Want to read", BS_AUTORADIOBUTTON, 0, {150, 30, 230, 50}},
            {2032, "Button", "Have read", BS_AUTORADIOBUTTON, 0, {150, 50, 230, 70}},
            {3003, "ComboBox", "", CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP | WS_GROUP, 0, {270, 20, 470, 0}},
            {3004, "Button", "&Clear", BS_PUSHBUTTON | WS_TABSTOP, 0, {500, 18, 560, 43}},
        });
        EXPECT_EQ(IsDlgButtonChecked(Page(4), 3001), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(Page(4), 3002), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(Page(4), 2030), BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageA(Page(4), 3003, CB_GETCOUNT, 0, 0), 0);
    });
}

TEST_F(MainWindowLayout, StatusBarInThreeParts) {
    Run([] {
        HWND bar = Control(tome::StatusBarId);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(ClassOf(bar), "msctls_statusbar32");
        int edges[4] = {};
        ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
        EXPECT_EQ(edges[0], 359);
        EXPECT_EQ(edges[1], 611);
        EXPECT_EQ(edges[2], 719);
        // Along the bottom of the client area.
        RECT client, r = RectIn(bar);
        GetClientRect(tome::mainState.hMainWindow, &client);
        EXPECT_EQ(r.bottom, client.bottom);
    });
}

TEST_F(MainWindowLayout, SetUpLeavesTabOneActiveAndTheProgramWideValues) {
    Run([&] {
        // Each list took its own ID when created; the set-up puts tab 1's back.
        EXPECT_EQ(tome::mainState.activeListId, 2040);
        EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[1]);
        EXPECT_EQ(tome::mainState.hActivePage, Page(1));
        EXPECT_EQ(tome::mainState.lastTab, 1);
        EXPECT_EQ(tome::mainState.activeTab, 0);  // no book file yet
        EXPECT_FALSE(tome::mainState.findActive);
        EXPECT_EQ(tome::fileState.dataFolder, DataFolder());
        EXPECT_TRUE(IsFolder(DataFolder()));
        EXPECT_EQ(tome::fileState.settingsFile, DataFolder() + "\\Tomecase.ini");
        EXPECT_NE(tome::hKeyboardHook, nullptr);

        LOGBRUSH brush = {};
        ASSERT_TRUE(GetObjectA(tome::mainState.mainBrush, sizeof brush, &brush));
        EXPECT_EQ(brush.lbColor, RGB(200, 200, 255));
        HDC dc = GetDC(tome::mainState.hMainWindow);
        EXPECT_EQ(SendMessageA(tome::mainState.hMainWindow, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(tome::mainState.hMainWindow)),
                  reinterpret_cast<LRESULT>(tome::mainState.mainBrush));
        ReleaseDC(tome::mainState.hMainWindow, dc);
        EXPECT_TRUE(prompts.asked.empty());
    });
}

TEST_F(MainWindowLayout, FindBoxGreyAndFindResultRedOnTheirDefaultBackgrounds) {
    Run([] {
        HDC dc = GetDC(tome::mainState.hMainWindow);
        const LRESULT editBrush = SendMessageA(tome::mainState.hMainWindow, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(Control(1006)));
        EXPECT_NE(editBrush, 0);
        EXPECT_EQ(GetTextColor(dc), RGB(128, 128, 128));
        EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));

        SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT labelBrush = SendMessageA(tome::mainState.hMainWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                reinterpret_cast<LPARAM>(Control(1007)));
        EXPECT_NE(labelBrush, 0);
        EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
        EXPECT_NE(labelBrush, reinterpret_cast<LRESULT>(tome::mainState.mainBrush));
        ReleaseDC(tome::mainState.hMainWindow, dc);
    });
}

// The menu bar and context menu, item by item, as the main window carries them.
std::string ItemText(HMENU menu, int position) {
    char text[64] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

void ExpectItems(HMENU menu, const std::vector<tome::MenuEntry>& entries) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(entries.size()));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const tome::MenuEntry& e = entries[static_cast<size_t>(i)];
        SCOPED_TRACE(e.text);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
        EXPECT_EQ(info.fState & (MFS_GRAYED | MFS_CHECKED), 0u);
        if (e.text == "-") {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR);
        EXPECT_EQ(ItemText(menu, i), e.text);
        if (e.submenu < 0) {
            EXPECT_EQ(info.wID, static_cast<UINT>(e.commandId));
            EXPECT_EQ(info.hSubMenu, nullptr);
        }
    }
}

TEST_F(MainWindowLayout, MenuBarItemsInOrderWithTheirCommands) {
    Run([] {
        HMENU bar = GetMenu(tome::mainState.hMainWindow);
        ASSERT_NE(bar, nullptr);
        const std::vector<tome::MenuPopup>& popups = tome::MenuPopups();
        ASSERT_EQ(GetMenuItemCount(bar), 4);
        const char* titles[4] = {"&File", "&Edit", "&View", "&Help"};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(titles[i]);
            EXPECT_EQ(ItemText(bar, i), titles[i]);
            ExpectItems(GetSubMenu(bar, i), popups[static_cast<size_t>(i)].entries);
        }
        HMENU edit = GetSubMenu(bar, 1);
        EXPECT_EQ(ItemText(edit, 3), "List &Maintenance");
        HMENU maintenance = GetSubMenu(edit, 3);
        ASSERT_NE(maintenance, nullptr);
        ExpectItems(maintenance, popups[4].entries);
        EXPECT_EQ(GetMenuItemID(maintenance, 0), 211u);
        EXPECT_EQ(GetMenuItemID(maintenance, 4), 215u);
        // View's custom list and book data, and File's exit, by ID.
        EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 2), 3), 304u);
        EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 2), 5), 306u);
        EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 5), 107u);
    });
}

TEST_F(MainWindowLayout, ContextMenuOfTheBookLists) {
    Run([] {
        ASSERT_NE(tome::mainState.hContextMenu, nullptr);
        ExpectItems(tome::mainState.hContextMenu, tome::ContextMenuEntries());
        EXPECT_EQ(ItemText(tome::mainState.hContextMenu, 0), "View Book");
        EXPECT_EQ(GetMenuItemID(tome::mainState.hContextMenu, 0), 306u);
        EXPECT_EQ(GetMenuItemID(tome::mainState.hContextMenu, 2), 203u);
        EXPECT_EQ(GetMenuItemID(tome::mainState.hContextMenu, 4), 204u);
    });
}

}  // namespace
}  // namespace tome_test
