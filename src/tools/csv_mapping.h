// One CSV row to the book the book dialog's Add would save from it.
#pragma once

#include <cstdint>
#include <string>

#include "tools/book_batch.h"
#include "tools/csv_reader.h"
#include "tools/csv_shapes.h"
#include "tools/csv_text.h"

namespace tome {

// A name given surname first ("Le Guin, Ursula K."), written as the dialog's
// NormaliseAuthorName writes it but with a surname of several words kept
// together; a name without a comma goes to NormaliseAuthorName unchanged.
std::string NormaliseImportedAuthor(const std::string& name);

// A date cell as a packed order date: YYYY-MM-DD, YYYY/MM/DD, [YYYY-MM-DD]
// (a time after it is ignored) or the dialog's m/d/y and m-d-y. Empty gives 0.
// False, with problem set, for a date the record cannot hold.
bool ImportedOrderDate(const std::string& text, uint16_t& packed, std::string& problem);

// A year cell ("1998", "c1998", "[1998]"); empty gives 0. False for text
// that is no year and for years beyond 2500.
bool ImportedPubYear(const std::string& text, uint16_t& year, std::string& problem);

// The row's book. False, with problem set for the user, for a row that
// cannot be a book: no title, no author, a date or year out of range.
bool BookFromRow(const CsvRow& row, const ColumnMap& map, TextEncoding encoding, ImportedBook& book,
                 Replacements& replaced, std::string& problem);

}  // namespace tome
