// The kinds of CSV file import recognises by their header rows, and which of
// their columns feed which field of a book.
#pragma once

#include <string>
#include <vector>

namespace tome {

enum class Shape {
    Tomecase,     // tomebook's own export
    ReadingSite,  // library export with Exclusive Shelf and Author l-f
    ReadingLog,   // Authors and Read Status
    Catalogue,    // tab-separated, Primary Author, Collections, Tags
    Spreadsheet,  // at least Title and Author
};

const char* ShapeName(Shape shape);

constexpr int NoColumn = -1;

// A comment column the user asked for, shown in Comments as "Name: value".
struct LabelledColumn {
    std::string label;
    int column = NoColumn;
};

struct ColumnMap {
    Shape shape = Shape::Spreadsheet;
    int title = NoColumn;
    int author = NoColumn;          // used when authorSurnameFirst is empty in a row
    int authorSurnameFirst = NoColumn;
    int callNumber = NoColumn;
    int orderDate = NoColumn;
    int pubYear = NoColumn;
    int pubYearFallback = NoColumn;  // when pubYear is empty in a row
    int publisher = NoColumn;
    int library = NoColumn;
    int category = NoColumn;
    int tags = NoColumn;            // the first tag is the category
    int status = NoColumn;
    std::vector<int> comments;      // joined by line breaks
    bool htmlComments = false;      // reviews written as HTML
    std::vector<LabelledColumn> extraComments;
};

// Header names compare without regard to case and blanks: "Date Added",
// "date added" and "DateAdded" are one name.
std::string HeaderKey(const std::string& name);

// Maps a header row (UTF-8). Fails, with problem saying why, when the file
// has no Title or Author column, or a --comments-from column is missing.
bool MapColumns(const std::vector<std::string>& header, const std::vector<std::string>& commentsFrom,
                ColumnMap& map, std::string& problem);

// What --help says about each shape.
extern const char ShapesHelp[];

}  // namespace tome
