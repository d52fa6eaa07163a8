#include "app/tab_pages_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cassert>
#include <string>

#include "app/main_state_win.h"
#include "app/main_window_win.h"
#include "app/screen_win.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"

namespace tome {

namespace {

constexpr int32_t ColumnCount = 6;
constexpr int32_t ColumnPercentages[ColumnCount] = {23, 32, 12, 9, 12, 12};
// Code 2 in front marks a date column.
const std::string ColumnHeadings[ColumnCount] = {"Author",      "Title", "Call No", "\x02Pub Date",
                                                 "\x02  Ordered", "  Library"};

// Blanks included: the owner-drawn tabs centre them.
const char* const TabTexts[TabCount + 1] = {nullptr, "  All Books          ", " Want to read        ",
                                            " Have read        ", " Custom list          "};

constexpr int32_t ListWidth = mainWidth - 4;
constexpr int32_t ListHeight = mainHeight - 82;
constexpr int32_t CustomListTop = 80;

HWND TabControl() { return GetDlgItem(mainState.hMainWindow, TabControlId); }

HWND PageOfItem(int index) {
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(TabControl(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(item.lParam);
}

int CurrentTabIndex() { return static_cast<int>(SendMessageA(TabControl(), TCM_GETCURSEL, 0, 0)); }

void ShowPage(int index, int show) {
    if (HWND page = PageOfItem(index)) ShowWindow(page, show);
}

// Selects tab t in the tab control (which sends no notification for it) and
// shows its page only.
void ShowTabInControl(int32_t t) {
    const int shown = CurrentTabIndex();
    SendMessageA(TabControl(), TCM_SETCURSEL, static_cast<WPARAM>(t - 1), 0);
    if (shown != t - 1) ShowPage(shown, SW_HIDE);
    ShowPage(t - 1, SW_SHOW);
}

// The tab control's display area, in the main window's client coordinates.
RECT PageArea(HWND tabs) {
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void AddCustomListFilters(HWND page) {
    const auto add = [page](const char* className, const char* text, int32_t id, uint32_t style, uint32_t exStyle,
                            int x, int y, int width, int height) {
        AddPixelControl(page, PixelControl(className, text, id, style | WS_TABSTOP, exStyle, x, y, width, height));
    };
    add("BUTTON", "List by author", ByAuthorOptionId, BS_AUTORADIOBUTTON | WS_GROUP, 0, 20, 10, 90, 20);
    add("BUTTON", "List by category", ByCategoryOptionId, BS_AUTORADIOBUTTON, 0, 20, 30, 90, 20);
    CheckRadioButton(page, ByAuthorOptionId, ByCategoryOptionId, ByAuthorOptionId);
    add("BUTTON", "All books", AllBooksOptionId, BS_AUTORADIOBUTTON | WS_GROUP, 0, 150, 10, 80, 20);
    add("BUTTON", "Want to read", WantToReadOptionId, BS_AUTORADIOBUTTON, 0, 150, 30, 80, 20);
    add("BUTTON", "Have read", HaveReadOptionId, BS_AUTORADIOBUTTON, 0, 150, 50, 80, 20);
    CheckRadioButton(page, AllBooksOptionId, HaveReadOptionId, AllBooksOptionId);
    // 300 high with its list dropped down.
    add("COMBOBOX", "", CustomChoiceId, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_GROUP, WS_EX_CLIENTEDGE, 270,
        20, 200, 300);
    add("BUTTON", "&Clear", ClearButtonId, BS_PUSHBUTTON, 0, 500, 18, 60, 25);
}

HWND InsertTabPage(HWND window, HWND tabs, int32_t t) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>(TabTexts[t]);
    item.iImage = -1;
    const int index = t - 1;
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));

    HWND page = CreateChildDialog(window, TabPageProc, 0, PageArea(tabs));
    if (page == nullptr) return nullptr;
    item.mask = TCIF_PARAM;
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (index == 0) ShowWindow(page, SW_SHOW);
    mainState.tabPage[static_cast<size_t>(t)] = page;
    mainState.hActivePage = page;
    return page;
}

// Acts once per actual change: the tab control sends several notifications
// for one change, all but one naming the tab acted on last.
void OnTabChange() {
    const int32_t t = CurrentTabIndex() + 1;
    // A notification naming the tab acted on last only confirms it as shown.
    if (t == mainState.lastTab) {
        SelectTab(t, TabShown);
        return;
    }
    SelectTab(t, TabShown | TabActedOn);
    FillList(0, 0);
    if (t == 4) FillDropDown(mainState.hActivePage, CustomChoiceId, collection.authors);
}

}  // namespace

bool CreateTabPages(HWND window) {
    HWND tabs = AddPixelControl(
        window, PixelControl(WC_TABCONTROLA, "", TabControlId, WS_TABSTOP | TCS_OWNERDRAWFIXED, 0, 1, 37, ListWidth,
                             ListHeight));
    if (tabs == nullptr) return false;
    SendMessageA(tabs, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);

    for (int32_t t = 1; t <= TabCount; ++t) {
        HWND page = InsertTabPage(window, tabs, t);
        if (page == nullptr) return false;
        const size_t i = static_cast<size_t>(t);
        if (t < TabCount) {
            mainState.tabList[i].Create(page, TabListId[i], 2, 0, ListWidth, ListHeight, ColumnPercentages, ColumnHeadings,
                              ColumnCount);
        } else {
            AddCustomListFilters(page);
            mainState.tabList[i].Create(page, TabListId[i], 2, CustomListTop, ListWidth, ListHeight - 85, ColumnPercentages,
                              ColumnHeadings, ColumnCount);
        }
    }
    return true;
}

void OnTabControlNotify(UINT code) {
    if (code == TCN_SELCHANGING) ShowPage(CurrentTabIndex(), SW_HIDE);
    if (code == TCN_SELCHANGE) ShowPage(CurrentTabIndex(), SW_SHOW);
    OnTabChange();
}

void SelectTab(int32_t t, uint32_t also) {
    assert(t >= 1 && t <= TabCount);
    const size_t i = static_cast<size_t>(t);
    mainState.activeList = &mainState.tabList[i];
    mainState.activeListId = TabListId[i];
    mainState.hActivePage = mainState.tabPage[i];
    if (also & TabShown) mainState.activeTab = t;
    if (also & TabActedOn) mainState.lastTab = t;
    if ((also & TabInControl) && TabControl() != nullptr) ShowTabInControl(t);
}

void ShowTabFromMenu(int32_t t) {
    SelectTab(t, TabShown);
    SetFocus(TabControl());
    ShowTabInControl(t);
    mainState.list.shownCount = mainState.activeList->RowCount();
    FillList(0, 0);
}

}  // namespace tome
