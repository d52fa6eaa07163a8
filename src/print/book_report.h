// The printed page of one book: heading, eight label and value rows, and the
// source/comments text wrapped at 4.5 inches.
#pragma once

#include <cstdint>

#include "books/collection.h"
#include "print/text_printer.h"

namespace tome {

// Asks for a printer and prints book bookNumber (the item value of the
// selected row); nothing happens when the dialog is cancelled or there is
// no such book.
void PrintBook(TextPrinter& printer, const BookCollection& books, int32_t bookNumber);

}  // namespace tome
