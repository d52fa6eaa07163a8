// Whole files through import and export: the shapes people bring, their
// encodings and line ends, bad rows, and the round trip through tomebook's
// own export.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "books/book_file.h"
#include "books/book_store.h"
#include "books/default_lists.h"
#include "tools/csv_export.h"
#include "tools/csv_import.h"

namespace tome {
namespace {

BookCollection Imported(const std::string& csv, ImportReport& report, ImportOptions options = {}) {
    BookCollection books;
    EXPECT_TRUE(ImportCsv(csv, books, options, report)) << report.refusal;
    return books;
}

// The live books as export rows, without the BOM and header; a row ends at
// a CR LF outside quotes.
std::vector<std::string> Rows(const BookCollection& books) {
    const std::string text = ExportCsv(books, ',');
    std::vector<std::string> rows;
    bool quoted = false;
    size_t start = text.find("\r\n") + 2;
    for (size_t i = start; i + 1 < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (!quoted && text[i] == '\r' && text[i + 1] == '\n') {
            rows.push_back(text.substr(start, i - start));
            start = ++i + 1;
        }
    }
    return rows;
}

const char ReadingSite[] =
    "Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Publisher,Binding,"
    "Year Published,Original Publication Year,Date Read,Date Added,Bookshelves,Exclusive Shelf,My Review,"
    "Private Notes\n"
    "1,\"Neuromancer\",William Gibson,\"Gibson, William\",,=\"0441013597\",=\"9780441013593\",5,Ace,"
    "Paperback,2000,1984,2020/03/01,2019/12/24,\"cyberpunk, sf\",read,\"Sharp, \"\"dense\"\" &amp; fast.<br/><br/>"
    "Again?\",\n"
    "2,The Dispossessed,Ursula K. Le Guin,\"Le Guin, Ursula K.\",,=\"\",=\"\",0,Harper,Paperback,,1974,,"
    "2021/06/30,,to-read,,\"from the\nlibrary sale\"\n"
    "3,Caf\xC3\xA9 Society,Jos\xC3\xA9 \xC3\x91u\xC3\xB1\x65z,\"\xC3\x91u\xC3\xB1\x65z, Jos\xC3\xA9\",,,,0,,,,,,"
    "2022/01/15,,abandoned,,\n";

TEST(CsvImportShapes, AReadingSitesLibraryExport) {
    ImportReport report;
    ImportOptions options;
    options.commentsFrom = {"ISBN"};
    const BookCollection books = Imported(ReadingSite, report, options);
    EXPECT_EQ(report.shape, "a reading site's library export (Exclusive Shelf)");
    EXPECT_EQ(report.added, 3);
    EXPECT_EQ(Rows(books), (std::vector<std::string>{
        "\"Gibson, William\",Neuromancer,,12-24-2019,2000,Ace,,,\"Sharp, \"\"dense\"\" & fast.\r\n\r\nAgain?\r\n"
        "ISBN: 0441013597\",have read",
        "\"Le Guin, Ursula K.\",The Dispossessed,,06-30-2021,1974,Harper,,,\"from the\r\nlibrary sale\",want to read",
        "\"\xC3\x91u\xC3\xB1\x65z, Jos\xC3\xA9\",Caf\xC3\xA9 Society,,01-15-2022,,,,abandoned,,want to read",
    }));
}

TEST(CsvImportShapes, AReadingLogAndATabSeparatedCatalogue) {
    ImportReport report;
    const BookCollection log = Imported(
        "Title,Authors,Contributors,ISBN/UID,Format,Read Status,Date Added,Last Date Read,Dates Read,Read Count\r\n"
        "Piranesi,Susanna Clarke,,9781635575996,print,read,2021/02/10,2021/03/01,2021/02/20-2021/03/01,1\r\n"
        "Good Omens,\"Terry Pratchett, Neil Gaiman\",,,print,currently-reading,2023/05/05,,,0\r\n",
        report);
    EXPECT_EQ(report.shape, "a reading log export (Read Status)");
    EXPECT_EQ(Rows(log), (std::vector<std::string>{"\"Clarke, Susanna\",Piranesi,,02-10-2021,,,,,,have read",
                                                   "\"Pratchett, Terry\",Good Omens,,05-05-2023,,,,,,want to read"}));

    const BookCollection catalogue = Imported(
        "Book Id\tTitle\tSort Character\tPrimary Author\tPrimary Author Role\tDate\tPublication\tTags\t"
        "Collections\tEntry Date\n"
        "101\tThe Name of the Rose\t5\tEco, Umberto\t\t1980\tHarcourt (1983), Hardcover\tmystery, italy\t"
        "Your library, Read but unowned\t[2018-11-02]\n"
        "102\tA Wizard of Earthsea\t3\tLe Guin, Ursula K.\t\t1968\t\t\tTo read\t[2019-01-20]\n",
        report);
    EXPECT_EQ(report.shape, "a catalogue export (Primary Author)");
    EXPECT_EQ(report.delimiter, '\t');
    EXPECT_EQ(Rows(catalogue),
              (std::vector<std::string>{"\"Eco, Umberto\",The Name of the Rose,,11-02-2018,1980,Harcourt,,mystery,,have read",
                                        "\"Le Guin, Ursula K.\",A Wizard of Earthsea,,01-20-2019,1968,,,,,want to read"}));
}

TEST(CsvImportText, Windows1252BomAndLineEndsReadAlike) {
    const std::string utf8 = "Title,Author\r\nCaf\xC3\xA9,\"M\xC3\xBCller, J\xC3\xBCrgen\"\r\n";
    const std::string ansi = "Title,Author\nCaf\xE9,\"M\xFCller, J\xFCrgen\"\n";
    ImportReport a, b, c;
    const BookCollection fromUtf8 = Imported(utf8, a), fromBom = Imported("\xEF\xBB\xBF" + utf8, b),
                         fromAnsi = Imported(ansi, c);
    EXPECT_EQ(c.encoding, "Windows-1252");
    EXPECT_EQ(b.encoding, "UTF-8 with BOM");
    EXPECT_EQ(fromUtf8.titles[1], "Caf\xE9");
    EXPECT_EQ(fromUtf8.authors[1], "M\xFCller, J\xFCrgen");
    EXPECT_TRUE(fromUtf8 == fromBom);
    EXPECT_TRUE(fromUtf8 == fromAnsi);
}

TEST(CsvImportFiles, EmptyAndHeaderOnlyFiles) {
    BookCollection books;
    LoadDefaultLists(books);
    const BookCollection before = books;
    ImportReport report;
    EXPECT_FALSE(ImportCsv("", books, {}, report));
    EXPECT_EQ(report.refusal, "it is empty: there is no header row");
    EXPECT_FALSE(ImportCsv("\xEF\xBB\xBF\r\n", books, {}, report));
    EXPECT_TRUE(ImportCsv("Title,Author\r\n", books, {}, report));
    EXPECT_EQ(report.added, 0);
    EXPECT_TRUE(books == before);
    EXPECT_FALSE(ImportCsv("Name,Writer\nx,y\n", books, {}, report));
    EXPECT_EQ(report.refusal, "it has no Title column");
    EXPECT_TRUE(books == before);
}

const char WithBadRows[] =
    "Title,Author,Order Date,Pub Year\n"
    "Good One,Ann Able,,\n"
    ",Nobody,,\n"
    "Too Early,Bob Baker,1975-01-01,\n"
    "\"Broken\" quote,Cy Cole,,\n"
    "Far Future,Dee Dunn,,3000\n"
    "Good Two,Eve East,,1999\n";

TEST(CsvImportBadRows, RefuseTheWholeFileNamingEachRow) {
    BookCollection books;
    const BookCollection before = books;
    ImportReport report;
    EXPECT_FALSE(ImportCsv(WithBadRows, books, {}, report));
    EXPECT_TRUE(books == before);
    EXPECT_EQ(report.refusal, "4 rows cannot be added");
    ASSERT_EQ(report.bad.size(), 4u);
    EXPECT_EQ(report.bad[0].row, 3);
    EXPECT_EQ(report.bad[0].why, "it has no title");
    EXPECT_EQ(report.bad[1].row, 4);
    EXPECT_EQ(report.bad[2].why, "malformed quoted field at line 5, column 10: "
                                 "text after the closing quote (a quote inside a quoted field is written twice)");
    EXPECT_EQ(report.bad[3].row, 6);
}

TEST(CsvImportBadRows, SkipBadAddsTheOthers) {
    ImportReport report;
    ImportOptions options;
    options.skipBad = true;
    const BookCollection books = Imported(WithBadRows, report, options);
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.bad.size(), 4u);
    EXPECT_EQ(Rows(books), (std::vector<std::string>{"\"Able, Ann\",Good One,,,,,,,,want to read",
                                                     "\"East, Eve\",Good Two,,,1999,,,,,want to read"}));
}

TEST(CsvImportBadRows, AListThatWouldOverflowItsNumbering) {
    std::string csv = "Title,Author,Publisher\n";
    for (int i = 1; i <= 257; ++i) csv += "Book " + std::to_string(i) + ",Ann Able,House " + std::to_string(i) + "\n";
    BookCollection books;
    ImportReport report;
    EXPECT_FALSE(ImportCsv(csv, books, {}, report));
    ASSERT_EQ(report.bad.size(), 2u);
    EXPECT_EQ(report.bad[0].row, 257);
    EXPECT_EQ(report.bad[0].why, "Publisher list is full (255 entries)");
    EXPECT_EQ(books.bookCount(), 0);
}

TEST(CsvImportDuplicates, SkippedAndReportedUnlessKept) {
    const std::string csv = "Title,Author\nthe zoo,john smith\nThe Zoo,\"Smith, John\"\nother,john smith\n";
    ImportReport report;
    BookCollection books = Imported(csv, report);
    EXPECT_EQ(report.added, 2);
    ASSERT_EQ(report.duplicates.size(), 1u);
    EXPECT_EQ(report.duplicates[0].row, 3);
    EXPECT_EQ(report.duplicates[0].why, "\"The Zoo\" by Smith, John is there already");
    ASSERT_TRUE(ImportCsv(csv, books, {}, report));  // again: all are there
    EXPECT_EQ(report.added, 0);
    EXPECT_EQ(report.duplicates.size(), 3u);
    ImportOptions keep;
    keep.keepDuplicates = true;
    ASSERT_TRUE(ImportCsv(csv, books, keep, report));
    EXPECT_EQ(books.bookCount(), 5);
}

TEST(CsvImportFiles, TenThousandRowsInOrder) {
    std::string csv = "Title,Author,Date Added,Exclusive Shelf\n";
    for (int i = 0; i < 10000; ++i) {
        csv += "Title " + std::to_string((i * 7919) % 10000) + ",Author " + std::to_string(i % 500) +
               ",2020/01/0" + std::to_string(1 + i % 9) + (i % 2 ? ",read\n" : ",to-read\n");
    }
    ImportReport report;
    const BookCollection books = Imported(csv, report);
    ASSERT_EQ(report.added, 10000);
    EXPECT_EQ(books.authorCount(), 500);
    for (int32_t p = 2; p <= books.bookCount(); ++p) {
        const std::string a = books.authors[books.records[books.sortIndex[p - 1]].author];
        const std::string b = books.authors[books.records[books.sortIndex[p]].author];
        ASSERT_LE(a, b) << "position " << p;
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CsvRoundTrip, ExportImportExportGivesTheSameBytes) {
    BookCollection sample;
    const std::string bytes = ReadFile(std::string(TOMECASE_TEST_DATA) + "/good/sample_books.lib");
    std::string reason;
    ASSERT_TRUE(ParseBookFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), sample, reason));
    // Texts a spreadsheet must not bend: quotes, separators, line breaks,
    // outer blanks, accents, bytes 1252 leaves undefined, and both or
    // neither status.
    // (Changes that keep the file's order: the import puts books in order.)
    sample.titles[1] = " Pride and \"Prejudice\", with\r\nbreaks\t";
    sample.comments[2] = "a\r\n\r\nb, \"c\"\x81\x8D";
    sample.authors[1] = "austen,  jane \xE9";  // not as Add would write it
    sample.records[3].flags = 0;
    sample.records[4].flags = WantToRead | HaveRead;
    for (char delimiter : {',', '\t'}) {
        const std::string first = ExportCsv(sample, delimiter);
        BookCollection fresh;
        LoadDefaultLists(fresh);
        ImportReport report;
        ASSERT_TRUE(ImportCsv(first, fresh, {}, report)) << report.refusal;
        EXPECT_EQ(report.shape, "tomebook's own export");
        EXPECT_EQ(report.added, sample.bookCount());
        EXPECT_EQ(ExportCsv(fresh, delimiter), first);
    }
}

}  // namespace
}  // namespace tome
