// The printed list of the visible tab: the books whose Shown flag is set, in
// display order, one column per page with call number, year, order date and
// library for the want-to-read tab, two columns per page for the others.
#pragma once

#include <cstdint>
#include <string>

#include "books/collection.h"
#include "print/text_printer.h"

namespace tome {

// Title of tab 1..4: "All books", "Books to read", "Current books read",
// "Custom list"; "" for any other number.
std::string BookListTitle(int32_t activeTab);

// The entry of a book: author, " - ", title. An author that is only a comma
// (outer blanks aside) prints as nothing.
std::string BookListEntry(const BookCollection& books, int32_t bookNumber);

// Asks for a printer and prints the list; nothing happens when the dialog is
// cancelled or activeTab is not 1..4 (no list is visible yet).
void PrintBookList(TextPrinter& printer, const BookCollection& books, int32_t activeTab);

}  // namespace tome
