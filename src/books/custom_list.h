// The custom list of the fourth tab: the books of one author or one category,
// optionally only those to read or only those read.
#pragma once

#include <cstdint>

#include "collection.h"

namespace tome {

enum class CustomListBy { Author, Category };

// Which books of the author or category: 0 all, 1 to read only, 2 read only.
// A book's state is 2 x HaveRead + WantToRead, and a filter of 1 or 2 takes
// only books whose state is exactly that, so a book marked both is left out.
constexpr int32_t AllStates = 0, OnlyWantToRead = 1, OnlyHaveRead = 2;

// The filter of the first state option that is on (all, to read, read); all
// books when none is.
int32_t StateFilterOf(bool allBooksOn, bool wantToReadOn, bool haveReadOn);

// Marks InCustomList on exactly the books whose author (or category) has the
// list number and whose state passes the filter. listNumber -1 (no choice
// made) marks nothing. Deleted books are marked like any other; the list
// never shows them. The collection is not marked changed.
void BuildCustomList(BookCollection& books, CustomListBy by, int32_t listNumber, int32_t stateFilter);

// Clears InCustomList on every book.
void ClearCustomList(BookCollection& books);

}  // namespace tome
