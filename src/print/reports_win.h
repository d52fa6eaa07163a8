// The main window's print commands. Each job asks for a printer in the print
// dialog and runs on a cTPrint of its own.
#pragma once

#include <cstdint>

#include "books/collection.h"
#include "controls/column_list_win.h"

namespace tome {

// File "&Print" and the "Print" button: the list of the visible tab
// (activeTab) from the program's collection.
void PrintBookList();
// Context menu "Print Book": the book at a display position of activeList;
// called only when a row is selected.
void PrintBook(int32_t position);

// The same for a collection, tab and list the caller names.
void PrintBookList(const BookCollection& books, int32_t tab);
void PrintBook(const BookCollection& books, const cColumnList& list, int32_t position);

}  // namespace tome
