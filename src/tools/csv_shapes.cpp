#include "tools/csv_shapes.h"

#include <cctype>

namespace tome {
namespace {

const char* const OwnHeader[] = {"author",    "title",   "callnumber", "orderdate", "pubyear",
                                 "publisher", "library", "category",   "comments",  "status"};

class Header {
public:
    explicit Header(const std::vector<std::string>& names) {
        for (const std::string& name : names) keys_.push_back(HeaderKey(name));
    }
    int Find(const char* key) const {
        for (size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == key) return static_cast<int>(i);
        }
        return NoColumn;
    }
    bool Has(const char* key) const { return Find(key) != NoColumn; }
    bool IsOwn() const {
        if (keys_.size() != sizeof OwnHeader / sizeof OwnHeader[0]) return false;
        for (size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] != OwnHeader[i]) return false;
        }
        return true;
    }

private:
    std::vector<std::string> keys_;
};

void MapReadingSite(const Header& h, ColumnMap& map) {
    map.title = h.Find("title");
    map.author = h.Find("author");
    map.authorSurnameFirst = h.Find("authorl-f");
    map.publisher = h.Find("publisher");
    map.pubYear = h.Find("yearpublished");
    map.pubYearFallback = h.Find("originalpublicationyear");
    map.orderDate = h.Find("dateadded");
    map.status = h.Find("exclusiveshelf");
    for (const char* key : {"myreview", "privatenotes"}) {
        if (h.Has(key)) map.comments.push_back(h.Find(key));
    }
    map.htmlComments = true;
}

void MapReadingLog(const Header& h, ColumnMap& map) {
    map.title = h.Find("title");
    map.author = h.Find("authors");
    map.orderDate = h.Find("dateadded");
    map.status = h.Find("readstatus");
}

void MapCatalogue(const Header& h, ColumnMap& map) {
    map.title = h.Find("title");
    map.authorSurnameFirst = h.Find("primaryauthor");
    map.pubYear = h.Find("date");
    map.publisher = h.Find("publication");
    map.tags = h.Find("tags");
    map.status = h.Find("collections");
    map.orderDate = h.Find("entrydate");
}

void MapByOwnNames(const Header& h, ColumnMap& map) {
    map.title = h.Find("title");
    map.author = h.Find("author");
    map.callNumber = h.Find("callnumber");
    map.orderDate = h.Find("orderdate");
    map.pubYear = h.Find("pubyear");
    map.publisher = h.Find("publisher");
    map.library = h.Find("library");
    map.category = h.Find("category");
    map.status = h.Find("status");
    if (h.Has("comments")) map.comments.push_back(h.Find("comments"));
}

}  // namespace

const char* ShapeName(Shape shape) {
    switch (shape) {
        case Shape::Tomecase: return "tomebook's own export";
        case Shape::ReadingSite: return "a reading site's library export (Exclusive Shelf)";
        case Shape::ReadingLog: return "a reading log export (Read Status)";
        case Shape::Catalogue: return "a catalogue export (Primary Author)";
        case Shape::Spreadsheet: return "a spreadsheet with Title and Author columns";
    }
    return "";
}

std::string HeaderKey(const std::string& name) {
    std::string key;
    for (char c : name) {
        if (c == ' ' || c == '\t') continue;
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

bool MapColumns(const std::vector<std::string>& names, const std::vector<std::string>& commentsFrom,
                ColumnMap& map, std::string& problem) {
    const Header h(names);
    map = ColumnMap();
    if (h.IsOwn()) {
        map.shape = Shape::Tomecase;
        MapByOwnNames(h, map);
    } else if (h.Has("exclusiveshelf") || h.Has("authorl-f")) {
        map.shape = Shape::ReadingSite;
        MapReadingSite(h, map);
    } else if (h.Has("readstatus") && h.Has("authors")) {
        map.shape = Shape::ReadingLog;
        MapReadingLog(h, map);
    } else if (h.Has("primaryauthor")) {
        map.shape = Shape::Catalogue;
        MapCatalogue(h, map);
    } else {
        map.shape = Shape::Spreadsheet;
        MapByOwnNames(h, map);
    }
    if (map.title == NoColumn) {
        problem = "it has no Title column";
        return false;
    }
    if (map.author == NoColumn && map.authorSurnameFirst == NoColumn) {
        problem = "it has no Author column";
        return false;
    }
    for (const std::string& name : commentsFrom) {
        const int column = h.Find(HeaderKey(name).c_str());
        if (column == NoColumn) {
            problem = "it has no column \"" + name + "\" for --comments-from";
            return false;
        }
        map.extraComments.push_back({names[static_cast<size_t>(column)], column});
    }
    return true;
}

const char ShapesHelp[] =
    "How import reads a file (by header names, in any order, ignoring case and\n"
    "blanks; the separator is the header row's: tab, comma or semicolon):\n"
    "  tomebook's own export (exactly its header row: Author, Title, Call Number,\n"
    "      Order Date, Pub Year, Publisher, Library, Category, Comments, Status):\n"
    "      every field as written, texts kept as they stand (they are Tomecase's).\n"
    "  a reading site's library export (Exclusive Shelf or Author l-f):\n"
    "      Author l-f (else Author) -> Author, Title, Publisher, Year Published\n"
    "      (else Original Publication Year) -> Pub Year, Date Added -> Order Date,\n"
    "      My Review and Private Notes -> Comments (HTML made text), Exclusive\n"
    "      Shelf: read -> have read, to-read and currently-reading -> want to read,\n"
    "      any other shelf -> want to read with the shelf as Category when empty.\n"
    "  a reading log (Authors and Read Status): first of Authors -> Author,\n"
    "      Title, Date Added -> Order Date; Read Status: read -> have read,\n"
    "      did-not-finish -> have read with Category \"did-not-finish\" when empty,\n"
    "      others -> want to read.\n"
    "  a catalogue (Primary Author): Primary Author -> Author, Title, Date ->\n"
    "      Pub Year, Publication up to its first \"(\" -> Publisher, first of Tags\n"
    "      -> Category, Entry Date -> Order Date; Collections naming Read (\"Read\",\n"
    "      \"Read but unowned\") -> have read, else want to read.\n"
    "  a spreadsheet with Title and Author: also Call Number, Order Date, Pub Year,\n"
    "      Publisher, Library, Category, Comments, Status (\"have read\" or \"read\"\n"
    "      -> have read, otherwise want to read) where present.\n"
    "Authors and titles are written as the book dialog's Add writes them (\"Smith,\n"
    "John\"; \"The Name of the Rose\"); a surname before a comma is kept whole\n"
    "(\"Le Guin, Ursula K.\"). Dates may be YYYY-MM-DD, YYYY/MM/DD, [YYYY-MM-DD]\n"
    "or m/d/y and must lie in 1980-2107; years from 0 to 2500. Columns not named\n"
    "here are left out unless --comments-from NAME adds them to Comments as\n"
    "\"NAME: value\" (a cell written =\"...\" counts as its inner text).\n"
    "A row whose author and title (ignoring case) are in the book file already, or\n"
    "in an earlier row, is skipped unless --keep-duplicates. A bad row (no title or\n"
    "author, a date or year out of range, a full list, a malformed quoted field)\n"
    "refuses the whole import unless --skip-bad; the rows are named either way.\n";

}  // namespace tome
