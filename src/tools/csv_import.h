// Adding the rows of a CSV file to a collection, each book as the book
// dialog's Add would add it; all or nothing unless bad rows may be skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "books/collection.h"
#include "tools/csv_text.h"

namespace tome {

struct ImportOptions {
    bool skipBad = false;         // leave bad rows out instead of refusing the file
    bool keepDuplicates = false;  // add rows whose author and title are already there
    std::vector<std::string> commentsFrom;  // further columns for Comments
};

struct SkippedRow {
    int64_t row = 0;
    int64_t line = 0;
    std::string why;  // UTF-8
};

struct ImportReport {
    std::string shape;     // how the file was read
    std::string encoding;
    char delimiter = ',';
    int64_t added = 0;
    std::vector<SkippedRow> duplicates;
    std::vector<SkippedRow> bad;
    Replacements replaced;  // in the books added
    std::string refusal;    // why nothing was imported, when it was refused as a whole
};

// Adds the books of the file's bytes to books. Refused (false) when the file
// cannot be read as books at all, or when any row is bad and skipBad is not
// set: books is then unchanged and the report says why and which rows.
bool ImportCsv(std::string bytes, BookCollection& books, const ImportOptions& options, ImportReport& report);

}  // namespace tome
