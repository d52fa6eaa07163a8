// The collection as a JSON document (UTF-8) and back: what tomebook dumps and
// builds. Keys: spareCount, sortIndex, books (book-number order, each with
// flags, author, callNumber, orderDate, pubYear, publisher, library, reserved,
// category, title, comments), authors, callNumbers, publishers, libraries,
// categories. List counts are the lengths of the arrays.
#pragma once

#include <string>

#include "books/collection.h"

namespace tome {

// One top-level key per line, one book or list entry per line; ends with a
// newline. Equal collections give equal text.
std::string CollectionToJson(const BookCollection& books);

// Reads such a document. Anything that would not make a valid collection
// (malformed JSON, missing, unknown or repeated keys, wrong types, numbers out
// of their field's range, a list number beyond its list, a sortIndex that is
// not a permutation, characters outside Windows-1252) is refused: out is left
// as it was and reason names what is wrong.
bool CollectionFromJson(const std::string& text, BookCollection& out, std::string& reason);

}  // namespace tome
