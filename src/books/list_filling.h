// Filling the visible list from the collection, and the status bar texts.
#pragma once

#include <cstdint>
#include <string>

#include "book_store.h"
#include "collection.h"
#include "visible_list.h"

namespace tome {

// What filling and Find keep of the visible list.
struct ListState {
    int32_t shownCount = 0;    // rows in the visible list
    int32_t lastFoundRow = 0;  // display position of the last Find hit
    bool settingFindTextBack = false;  // Find is putting the Find box's text back after a miss
};

// Everything list filling and Find work on: the collection, its file state,
// the visible list's state, the visible tab (1 all books, 2 want to read,
// 3 have read, 4 custom list, 0 before anything was loaded) and the screen
// behind small interfaces.
struct ListScreen {
    BookCollection& books;
    FileState& files;
    ListState& listState;
    int32_t activeTab;
    VisibleList& list;
    MainWindowTexts& window;
};

// Sets Shown on exactly the books the tab shows (never a Deleted one) and
// clears it on the rest; shownCount becomes their number.
void MarkShownBooks(BookCollection& books, int32_t activeTab, ListState& listState);

// Author, title, call number, publication year, order date and library,
// joined by TAB.
std::string RowText(const BookCollection& books, int32_t bookNumber);
// The same into text, replacing what it held: a fill reuses one buffer.
void WriteRowText(const BookCollection& books, int32_t bookNumber, std::string& text);

// The three status bar parts.
std::string FilenameStatus(const std::string& currentFile);
std::string CategoryStatus(const BookCollection& books, int32_t bookNumber);
std::string PositionStatus(int32_t row, int32_t shownCount);

// Refills the visible list with the tab's books in sortIndex order, selects
// the row of sortIndex position selectPosition (the first row when that book
// is not shown or selectPosition is 0), scrolls topPosition to the top and
// updates the status bar.
void FillList(const ListScreen& screen, int32_t selectPosition, int32_t topPosition);

void UpdateStatusBar(const ListScreen& screen);

}  // namespace tome
