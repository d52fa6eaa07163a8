// Main-window state: which tab is visible, the page, column list and list box
// that belong to it, and the control IDs through which the program reaches
// the main window's controls. Program-wide, user-interface thread only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "controls/column_list_win.h"

namespace tome {

// Control IDs of the main window and its pages.
constexpr int32_t TabControlId = 500;
constexpr int32_t AddButtonId = 1001;
constexpr int32_t EditButtonId = 1002;
constexpr int32_t ViewButtonId = 1003;
constexpr int32_t PrintButtonId = 1004;
constexpr int32_t QuitButtonId = 1005;
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

// Tabs: 1 all books, 2 want to read, 3 have read, 4 custom list. The tables
// are indexed 1..4; entry 0 is unused.
extern HWND hMainWindow;
extern std::array<HWND, TabCount + 1> tabPage;
extern std::array<cColumnList, TabCount + 1> tabList;
extern int32_t activeTab;  // 0 until a file is loaded, a book saved or a tab chosen
extern int32_t lastTab;    // the tab the tab-change handling last acted on
extern HWND hActivePage;
extern cColumnList* activeList;
// activeListId (the visible tab's list box) is declared with cColumnList,
// which reads it.
extern bool findActive;  // the Find box is in typing mode

// Makes tab t's (1..4) column list, list box ID and page the active ones.
void SelectTab(int32_t t);

}  // namespace tome
