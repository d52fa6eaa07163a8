// The book list as a CSV (or tab-separated) file for spreadsheets.
#pragma once

#include <string>

#include "books/collection.h"

namespace tome {

// "want to read", "have read", "want to read, have read" or empty, as the
// record's flags say.
std::string StatusText(const BookRecord& record);

// One row per book that is not deleted, in sortIndex order, after the
// header row Author, Title, Call Number, Order Date, Pub Year, Publisher,
// Library, Category, Comments, Status. RFC 4180 (CR LF rows; fields quoted
// when they hold the separator, a quote, a line break or outer blanks;
// quotes doubled), as UTF-8 with a BOM.
std::string ExportCsv(const BookCollection& books, char delimiter);

}  // namespace tome
