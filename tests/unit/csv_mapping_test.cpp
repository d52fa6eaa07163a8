// From a CSV row to the book the dialog's Add would save: names, dates,
// years and the status columns of each shape.
#include <gtest/gtest.h>

#include "books/book_record.h"
#include "books/collection.h"
#include "books/normalise.h"
#include "tools/csv_mapping.h"

namespace tome {
namespace {

TEST(CsvImportedAuthor, IsTheDialogsNormalisationForOneWordSurnames) {
    for (const char* name : {"john q smith", "smith, john", "smith,  john", "mcbain, ed", "macdonald", "mack bolan",
                             "Herbert, Frank", "Ursula K. Le Guin", "smith, john, jr.", ",", ", john"}) {
        EXPECT_EQ(NormaliseImportedAuthor(name), NormaliseAuthorName(name)) << name;
    }
}

TEST(CsvImportedAuthor, KeepsASurnameOfSeveralWordsTogether) {
    EXPECT_EQ(NormaliseImportedAuthor("Le Guin, Ursula K."), "Le Guin, Ursula K.");
    EXPECT_EQ(NormaliseImportedAuthor("de la  mare, walter"), "De La Mare, Walter");
    EXPECT_EQ(NormaliseImportedAuthor("mcdonald smith, john d."), "McDonald Smith, John D.");
    EXPECT_EQ(NormaliseImportedAuthor("Van Gogh,"), "Van Gogh");
}

uint16_t Packed(int year, int month, int day) { return static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day); }

TEST(CsvImportedDates, ReadsEachShapesFormatIntoThePackedDate) {
    std::string problem;
    uint16_t packed = 1;
    for (const char* text : {"2005/02/03", "2005-02-03", "[2005-02-03]", "2005-02-03 14:22:01", "02-03-2005", "2/3/05"}) {
        ASSERT_TRUE(ImportedOrderDate(text, packed, problem)) << text << ": " << problem;
        EXPECT_EQ(packed, Packed(2005, 2, 3)) << text;
    }
    ASSERT_TRUE(ImportedOrderDate("  ", packed, problem));
    EXPECT_EQ(packed, 0);
    ASSERT_TRUE(ImportedOrderDate("2107/12/31", packed, problem));
    EXPECT_EQ(packed, Packed(2107, 12, 31));
}

TEST(CsvImportedDates, RefusesWhatThePackedDateCannotHold) {
    std::string problem;
    uint16_t packed = 0;
    for (const char* text : {"1979/12/31", "2108/01/01", "2005/13/01", "2005/02/32", "2005/02", "yesterday", "0/0/0"}) {
        problem.clear();
        EXPECT_FALSE(ImportedOrderDate(text, packed, problem)) << text;
        EXPECT_NE(problem.find(text), std::string::npos) << problem;
    }
}

TEST(CsvImportedYears, ReadsPlainAndCatalogueYearsUpTo2500) {
    std::string problem;
    uint16_t year = 0;
    const std::pair<const char*, uint16_t> good[] = {{"1998", 1998}, {"c1998", 1998}, {"[1998]", 1998},
                                                     {"c. 1998", 1998}, {"", 0}, {"2500", 2500}, {"1998-05-01", 1998}};
    for (const auto& [text, expected] : good) {
        ASSERT_TRUE(ImportedPubYear(text, year, problem)) << text;
        EXPECT_EQ(year, expected) << text;
    }
    for (const char* text : {"2501", "65536", "99999", "unknown", "-44"}) {
        EXPECT_FALSE(ImportedPubYear(text, year, problem)) << text;
    }
}

// One row through a shape's header.
ImportedBook FromRow(const std::vector<std::string>& header, const std::vector<std::string>& cells,
                     std::vector<std::string> commentsFrom = {}) {
    ColumnMap map;
    std::string problem;
    EXPECT_TRUE(MapColumns(header, commentsFrom, map, problem)) << problem;
    ImportedBook book;
    Replacements replaced;
    EXPECT_TRUE(BookFromRow({cells, 2, 2}, map, TextEncoding::Utf8, book, replaced, problem)) << problem;
    return book;
}

TEST(CsvShapes, ReadingSiteShelvesAndNames) {
    const std::vector<std::string> header = {"Book Id", "Title",         "Author",   "Author l-f",
                                             "ISBN",    "Year Published", "Original Publication Year",
                                             "Date Added", "Exclusive Shelf", "My Review"};
    ImportedBook read = FromRow(header, {"1", "the left hand of darkness", "Ursula K. Le Guin", "Le Guin, Ursula K.",
                                         "=\"0441478123\"", "", "1969", "2019/07/04", "read", "Loved it &amp; more<br/>x"});
    EXPECT_EQ(read.title, "The Left Hand of Darkness");
    EXPECT_EQ(read.author, "Le Guin, Ursula K.");
    EXPECT_EQ(read.pubYear, 1969);  // the original year when the edition's is empty
    EXPECT_EQ(read.orderDate, Packed(2019, 7, 4));
    EXPECT_EQ(read.flags, HaveRead);
    EXPECT_EQ(read.comments, "Loved it & more\r\nx");

    ImportedBook shelved = FromRow(header, {"2", "Dune", "Frank Herbert", "", "", "2005", "1965", "", "favourites", ""},
                                   {"ISBN", "Book Id"});
    EXPECT_EQ(shelved.author, "Herbert, Frank");  // from Author when Author l-f is empty
    EXPECT_EQ(shelved.flags, WantToRead);
    EXPECT_EQ(shelved.category, "favourites");
    EXPECT_EQ(shelved.pubYear, 2005);
    EXPECT_EQ(shelved.comments, "Book Id: 2");  // an empty ISBN adds nothing

    ImportedBook isbn = FromRow(header, {"3", "Neuromancer", "William Gibson", "Gibson, William", "=\"0441013597\"",
                                         "", "", "", "currently-reading", ""}, {"ISBN"});
    EXPECT_EQ(isbn.comments, "ISBN: 0441013597");
    EXPECT_EQ(isbn.flags, WantToRead);
    EXPECT_EQ(isbn.category, "");
}

TEST(CsvShapes, ReadingLogAndCatalogueStatuses) {
    const std::vector<std::string> log = {"Title", "Authors", "Read Status", "Date Added", "Last Date Read"};
    ImportedBook dnf = FromRow(log, {"Ulysses", "James Joyce, Someone Else", "did-not-finish", "2021-01-02", ""});
    EXPECT_EQ(dnf.author, "Joyce, James");
    EXPECT_EQ(dnf.flags, HaveRead);
    EXPECT_EQ(dnf.category, "did-not-finish");
    EXPECT_EQ(dnf.orderDate, Packed(2021, 1, 2));
    EXPECT_EQ(FromRow(log, {"Emma", "Jane Austen", "to-read", "", ""}).flags, WantToRead);

    const std::vector<std::string> catalogue = {"Book Id", "Title", "Primary Author", "Date", "Publication",
                                                "Tags", "Collections", "Entry Date"};
    ImportedBook owned = FromRow(catalogue, {"9", "Dune", "Herbert, Frank", "c1965",
                                             "Ace (2005), Mass Market Paperback, 528 pages", "sf, classics",
                                             "Your library, Read but unowned", "[2020-05-06]"});
    EXPECT_EQ(owned.author, "Herbert, Frank");
    EXPECT_EQ(owned.publisher, "Ace");
    EXPECT_EQ(owned.category, "sf");
    EXPECT_EQ(owned.pubYear, 1965);
    EXPECT_EQ(owned.flags, HaveRead);
    EXPECT_EQ(owned.orderDate, Packed(2020, 5, 6));
    EXPECT_EQ(FromRow(catalogue, {"1", "X", "Y, Z", "", "", "", "To read, Reading", ""}).flags, WantToRead);
}

TEST(CsvShapes, OwnExportKeepsTextsAndFlagsAsTheyWere) {
    const std::vector<std::string> own = {"Author", "Title", "Call Number", "Order Date", "Pub Year",
                                          "Publisher", "Library", "Category", "Comments", "Status"};
    ImportedBook kept = FromRow(own, {"de la Mare, walter", "the listeners", "Fic", "02-03-2005", "1912", "", "",
                                      "", "line\r\nline", "want to read, have read"});
    EXPECT_EQ(kept.author, "de la Mare, walter");
    EXPECT_EQ(kept.title, "the listeners");
    EXPECT_EQ(kept.flags, WantToRead | HaveRead);
    EXPECT_EQ(FromRow(own, {"A", "B", "", "", "", "", "", "", "", ""}).flags, 0);

    // The same columns in another order are a spreadsheet: normalised, and
    // an empty status is the dialog's "Want to read".
    const std::vector<std::string> sheet = {"title", "AUTHOR", "status", "Pub  Year"};
    ImportedBook sheetBook = FromRow(sheet, {"the listeners", "walter de la mare", "", "1912"});
    EXPECT_EQ(sheetBook.author, "Mare, Walter De La");
    EXPECT_EQ(sheetBook.title, "The Listeners");
    EXPECT_EQ(sheetBook.flags, WantToRead);
    EXPECT_EQ(sheetBook.pubYear, 1912);
}

TEST(CsvShapes, HeadersWithoutTitleOrAuthorAreRefused) {
    ColumnMap map;
    std::string problem;
    EXPECT_FALSE(MapColumns({"Name", "Author"}, {}, map, problem));
    EXPECT_EQ(problem, "it has no Title column");
    EXPECT_FALSE(MapColumns({"Title", "Writer"}, {}, map, problem));
    EXPECT_EQ(problem, "it has no Author column");
    EXPECT_FALSE(MapColumns({"Title", "Author"}, {"ISBN13"}, map, problem));
    EXPECT_NE(problem.find("ISBN13"), std::string::npos);
}

TEST(CsvRows, RowsThatCannotBeBooksSayWhy) {
    ColumnMap map;
    std::string problem;
    ASSERT_TRUE(MapColumns({"Title", "Author", "Order Date"}, {}, map, problem));
    ImportedBook book;
    Replacements replaced;
    EXPECT_FALSE(BookFromRow({{"  ", "Smith", ""}, 3, 4}, map, TextEncoding::Utf8, book, replaced, problem));
    EXPECT_EQ(problem, "it has no title");
    EXPECT_FALSE(BookFromRow({{"Emma"}, 3, 4}, map, TextEncoding::Utf8, book, replaced, problem));
    EXPECT_EQ(problem, "it has no author");
    EXPECT_FALSE(BookFromRow({{"Emma", "Austen", "1975-01-01"}, 3, 4}, map, TextEncoding::Utf8, book, replaced, problem));
    EXPECT_NE(problem.find("1975-01-01"), std::string::npos);
    // Characters Windows-1252 lacks are replaced and counted.
    ASSERT_TRUE(BookFromRow({{"\xE4\xB8\xAD Emma", "Austen"}, 3, 4}, map, TextEncoding::Utf8, book, replaced, problem));
    EXPECT_EQ(book.title, "? Emma");
    EXPECT_EQ(replaced.count, 1);
}

}  // namespace
}  // namespace tome
