// The author/title order the books are kept in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "collection.h"

namespace tome {

// The title without its leading "The ", then "A ", then "An " (each exact and
// case-sensitive, removed as often as it repeats), trimmed of blanks.
std::string_view StrippedTitle(std::string_view title);

// Lower-cased author + " " + stripped title.
std::string SortKey(std::string_view authorText, std::string_view title);

// Byte-wise unsigned comparison, a prefix being smaller: <0, 0 or >0.
int CompareSortKeys(std::string_view a, std::string_view b);

// Compares the key of a book in the collection with key, without building
// the book's key.
int CompareBookKey(const BookCollection& books, int32_t bookNumber, std::string_view key);

// The sortIndex position for a new book: after every book whose key is not
// greater, Deleted books included. Call it before the book is added (as
// AddBookAt expects): it looks at every present position and returns
// bookCount + 1 when the new book goes last. An empty author counts as " ".
int32_t InsertPosition(const BookCollection& books, const std::string& authorText, const std::string& title);

}  // namespace tome
