// The main window's state: which tab is visible, the page, column list and
// list box that belong to it, the visible list's counts and Find's state,
// and the window's own resources; and the control IDs through which the
// program reaches the main window's controls. User-interface thread only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "books/list_filling.h"
#include "controls/column_list_win.h"

namespace tome {

// Control IDs of the main window and its pages (the top row's buttons carry
// their commands' IDs, cmd::AddButton to cmd::QuitButton).
constexpr int32_t TabControlId = 500;
constexpr int32_t FindBoxId = 1006;
constexpr int32_t FindResultId = 1007;
constexpr int32_t StatusBarId = 2000;
constexpr int32_t AllBooksOptionId = 2030;
constexpr int32_t WantToReadOptionId = 2031;
constexpr int32_t HaveReadOptionId = 2032;
constexpr int32_t ByAuthorOptionId = 3001;
constexpr int32_t ByCategoryOptionId = 3002;
constexpr int32_t CustomChoiceId = 3003;  // drop-down list of authors or categories
constexpr int32_t ClearButtonId = 3004;

constexpr int32_t TabCount = 4;
// List box of each tab's column list (index 1..4; its headings follow it).
constexpr std::array<int32_t, TabCount + 1> TabListId = {0, 2040, 2050, 2060, 2070};

// The Find box's text colours: the grey cue, black while typing.
constexpr COLORREF FindIdleColour = RGB(128, 128, 128);
constexpr COLORREF FindTypingColour = RGB(0, 0, 0);

// Tabs: 1 all books, 2 want to read, 3 have read, 4 custom list. The tables
// are indexed 1..4; entry 0 is unused.
struct MainWindowState {
    MainWindowState() = default;
    // activeList points into tabList.
    MainWindowState(const MainWindowState&) = delete;
    MainWindowState& operator=(const MainWindowState&) = delete;

    HWND hMainWindow = nullptr;
    std::array<HWND, TabCount + 1> tabPage = {};
    std::array<cColumnList, TabCount + 1> tabList;
    int32_t activeTab = 0;  // 0 until a file is loaded, a book saved or a tab chosen
    int32_t lastTab = 1;    // the tab the tab-change handling last acted on
    HWND hActivePage = nullptr;
    cColumnList* activeList = &tabList[1];
    int32_t activeListId = 0;  // the visible tab's list box, by which every column list finds its own
    ListState list;            // rows shown and Find's last hit
    bool findActive = false;   // the Find box is in typing mode
    COLORREF findBoxColour = FindIdleColour;
    HBRUSH mainBrush = nullptr;     // the background, RGB(200, 200, 255)
    HMENU hContextMenu = nullptr;   // created once; lives until the program ends
    char helpFilePath[MAX_PATH] = {};  // the working directory at set-up + "\Tomecase.chm"
};
extern MainWindowState mainState;

}  // namespace tome
