// The main window's print commands. Each job asks for a printer in the print
// dialog and runs on a cTPrint of its own.
#pragma once

#include <cstdint>

#include "books/collection.h"
#include "controls/column_list_win.h"

namespace tome {

// File "&Print" and the "Print" button: the list of a tab (1..4) from books.
void PrintBookList(const BookCollection& books, int32_t tab);
// Context menu "Print Book": the book at a display position of list; called
// only when a row is selected.
void PrintBook(const BookCollection& books, const cColumnList& list, int32_t position);

}  // namespace tome
