// The two printed reports through the real cTPrint to the test printer
// (tests/print), with the "Print" dialog confirmed as a user would. Pages
// come back through ghostscript as text to check and as PNG pictures in
// <build>/print to look at.
#include "print/reports_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../print/test_printer_win.h"
#include "app/commands.h"
#include "app/main_commands_win.h"
#include "app/main_state_win.h"
#include "books/list_filling.h"
#include "books/order_date.h"
#include "books/program_state.h"
#include "column_list_fixture.h"
#include "print/comment_lines.h"
#include "print/text_printer_win.h"

namespace {

using tome_test::PrintDialogAnswerer;
using Lines = std::vector<std::string>;
using Pages = std::vector<Lines>;
// The texts expected on one printed line, left to right.
using Row = std::vector<std::string>;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Each piece of the row on the line, in order.
::testing::AssertionResult LineHolds(const std::string& line, const Row& row) {
    size_t at = 0;
    for (const std::string& piece : row) {
        const std::string wanted = tome_test::Utf8From1252(Trim(piece));
        const size_t found = line.find(wanted, at);
        if (found == std::string::npos) {
            return ::testing::AssertionFailure() << "\"" << wanted << "\" not in order on the line \"" << line << "\"";
        }
        at = found + wanted.size();
    }
    return ::testing::AssertionSuccess();
}

// A page of a list: the title, the rows, the page number.
void ExpectListPage(const Lines& page, const std::string& title, const std::vector<Row>& rows, int number) {
    ASSERT_EQ(page.size(), rows.size() + 2) << "page " << number;
    EXPECT_EQ(page.front(), title) << "page " << number;
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_TRUE(LineHolds(page[i + 1], rows[i])) << "page " << number;
    EXPECT_EQ(page.back(), std::to_string(number));
}

// Entries per column on the test printer: LinesLeft(0) - 7 + 2 with the
// list's font and margins.
int ColumnEntries() {
    tome::cTPrint printer;
    printer.SetFont("MS Sans Serif", 9, "");
    printer.SetMargins(0.75, 0.5, 0.5, 0.5);
    const int entries = printer.LinesLeft(0) - 5;
    printer.FinishDocument();
    return entries;
}

// A collection of 2 columns' worth + 5 books in display order: every third
// has been read, the others are to read; every fourth is on the custom list.
struct Shelf {
    tome::BookCollection books;
    int perColumn = 0;

    explicit Shelf(int columnEntries) : perColumn(columnEntries) {
        books.callNumbers = tome::TextList{"823.7 AUS", "FIC ELI"};
        books.libraries = tome::TextList{"Central", "Riverside Branch"};
        const int count = 2 * perColumn + 5;
        for (int i = 1; i <= count; ++i) {
            tome::Book b;
            const std::string n = (i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
            b.record.flags = i % 3 == 0 ? tome::HaveRead : tome::WantToRead;
            if (i % 4 == 0) b.record.flags |= tome::InCustomList;
            b.record.author = static_cast<uint16_t>(tome::AddListEntry(books.authors, "Reader " + n + ", Ann"));
            b.title = "Title " + n;
            if (i % 5 == 1) {
                b.record.callNumber = static_cast<uint8_t>(1 + i % 2);
                b.record.pubYear = static_cast<uint16_t>(1900 + i);
                b.record.orderDate = static_cast<uint16_t>((44 << 9) | (3 << 5) | (i % 28 + 1));
                b.record.library = static_cast<uint8_t>(1 + i % 2);
            }
            tome::AddBookAt(books, b, i);
        }
        // A title with a Windows-1252 letter, and an author that is only a comma.
        books.titles[2] = "Persuasion \xE9" "dition";
        books.authors[books.records[4].author] = ",";
    }

    void Show(int32_t tab) {
        tome::ListState listState;
        tome::MarkShownBooks(books, tab, listState);
    }

    // The rows of each page as the list should print them.
    std::vector<std::vector<Row>> ExpectedPages(int32_t tab) const {
        std::vector<Row> column;
        std::vector<std::vector<Row>> columns;
        for (int32_t i = 1; i <= books.bookCount(); ++i) {
            const int32_t b = books.sortIndex[i];
            const tome::BookRecord& r = books.records[b];
            if (!r.has(tome::Shown)) continue;
            const std::string& author = tome::ListText(books.authors, r.author);
            Row row = {(author == "," ? std::string() : author) + " - " + books.titles[b]};
            if (tab == 2) {
                if (r.callNumber != 0) row.push_back(books.callNumbers[r.callNumber]);
                if (r.pubYear != 0) row.push_back(std::to_string(r.pubYear));
                if (r.orderDate != 0) row.push_back(tome::FormatOrderDate(r.orderDate));
                if (r.library != 0) row.push_back(books.libraries[r.library]);
            }
            column.push_back(row);
            if (static_cast<int>(column.size()) == perColumn) {
                columns.push_back(column);
                column.clear();
            }
        }
        if (!column.empty()) columns.push_back(column);

        // Two columns side by side, except on the want-to-read list.
        std::vector<std::vector<Row>> pages;
        const size_t perPage = tab == 2 ? 1 : 2;
        for (size_t c = 0; c < columns.size(); c += perPage) {
            std::vector<Row> rows = columns[c];
            if (perPage == 2 && c + 1 < columns.size()) {
                for (size_t line = 0; line < columns[c + 1].size(); ++line) {
                    rows[line].insert(rows[line].end(), columns[c + 1][line].begin(), columns[c + 1][line].end());
                }
            }
            pages.push_back(rows);
        }
        return pages;
    }
};

class ListReportWin : public tome_test::TestPrinterTest {
protected:
    // Prints tab's list, confirming the dialog; the pages' lines.
    Pages PrintList(Shelf& shelf, int32_t tab, const std::string& name, bool throughProgramState) {
        shelf.Show(tab);
        tome_test::ClearPrinterPort();
        {
            PrintDialogAnswerer user(IDOK);
            if (throughProgramState) {
                const tome::BookCollection savedBooks = tome::collection;
                const int32_t savedTab = tome::mainState.activeTab;
                tome::collection = shelf.books;
                tome::mainState.activeTab = tab;
                tome::RunCommand(tome::cmd::Print);
                tome::collection = savedBooks;
                tome::mainState.activeTab = savedTab;
            } else {
                tome::PrintBookList(shelf.books, tab);
            }
            EXPECT_TRUE(user.answered()) << "no \"Print\" dialog";
        }
        const std::string ps = tome_test::TakePrintout(name);
        EXPECT_NE(ps, "") << "no PostScript for " << name;
        if (ps.empty()) return {};
        const Pages pages = tome_test::PageTexts(ps);
        EXPECT_EQ(tome_test::PageCount(ps), static_cast<int>(pages.size()));
        EXPECT_EQ(tome_test::RenderPages(ps), static_cast<int>(pages.size()));
        return pages;
    }

    void CheckList(int32_t tab, const std::string& title, const std::string& name, size_t expectedPages,
                   bool throughProgramState = false) {
        static const int perColumn = ColumnEntries();
        ASSERT_GT(perColumn, 20);
        Shelf shelf(perColumn);
        const Pages pages = PrintList(shelf, tab, name, throughProgramState);
        const auto expected = shelf.ExpectedPages(tab);
        ASSERT_EQ(expected.size(), expectedPages);  // the shelf is built to give these
        ASSERT_EQ(pages.size(), expected.size());
        for (size_t p = 0; p < pages.size(); ++p) {
            ExpectListPage(pages[p], title, expected[p], static_cast<int>(p + 1));
        }
    }
};

TEST_F(ListReportWin, AllBooksTwoColumnsAPage) { CheckList(1, "All books", "list-all-books", 2); }

TEST_F(ListReportWin, BooksToReadOneColumnAPageWithDetails) {
    CheckList(2, "Books to read", "list-books-to-read", 2, true);
}

TEST_F(ListReportWin, CurrentBooksRead) { CheckList(3, "Current books read", "list-books-read", 1); }

TEST_F(ListReportWin, CustomList) { CheckList(4, "Custom list", "list-custom", 1); }

TEST_F(ListReportWin, CancelledDialogSendsNothingToThePrinter) {
    Shelf shelf(30);
    shelf.Show(1);
    tome_test::ClearPrinterPort();
    {
        PrintDialogAnswerer user(IDCANCEL);
        tome::PrintBookList(shelf.books, 1);
        EXPECT_TRUE(user.answered());
    }
    Sleep(500);
    EXPECT_FALSE(tome_test::IsFile(tome_test::WinePath(tome_test::PrinterPort())));
}

// The book report prints the book of a display position of a real column list.
class BookReportWin : public tome_test::ColumnListWindow {
protected:
    void SetUp() override {
        ColumnListWindow::SetUp();
        ASSERT_EQ(tome_test::InstallTestPrinter(), "");
        page_ = AddPage();
        CreateBookList(list_, page_, 2040);

        books_.authors = tome::TextList{"Austen, Jane", "Eliot, George"};
        books_.callNumbers = tome::TextList{"823.7 AUS"};
        books_.publishers = tome::TextList{"Penguin Classics"};
        books_.libraries = tome::TextList{"Riverside Branch"};
        books_.categories = tome::TextList{"Novels"};
        tome::Book middlemarch;
        middlemarch.record.flags = tome::HaveRead | tome::Shown;
        middlemarch.record.author = 2;
        middlemarch.title = "Middlemarch";
        tome::AddBookAt(books_, middlemarch, 1);
        tome::Book emma;
        emma.record.flags = tome::WantToRead | tome::Shown;
        emma.record.author = 1;
        emma.record.callNumber = 1;
        emma.record.publisher = 1;
        emma.record.orderDate = static_cast<uint16_t>((44 << 9) | (3 << 5) | 14);
        emma.record.pubYear = 1815;
        emma.record.library = 1;
        emma.record.category = 1;
        emma.title = "Emma";
        emma.comments =
            "Found through the branch's summer reading list; the large-print edition is on the second floor, "
            "shelf 14, next to the audio books.\r\nAsk for the annotated copy at the desk.";
        tome::AddBookAt(books_, emma, 1);
        // Display order: Emma (book 2) first, Middlemarch (book 1) second.
        for (int32_t i = 1; i <= books_.bookCount(); ++i) {
            std::string row = tome::RowText(books_, books_.sortIndex[i]);
            list_.AddRow(row, books_.sortIndex[i]);
        }
        list_.Redisplay();
    }

    Pages PrintAt(int32_t position, const std::string& name, bool throughProgramState) {
        tome_test::ClearPrinterPort();
        {
            PrintDialogAnswerer user(IDOK);
            if (throughProgramState) {
                const tome::BookCollection savedBooks = tome::collection;
                tome::cColumnList* savedList = tome::mainState.activeList;
                tome::collection = books_;
                tome::mainState.activeList = &list_;
                list_.SelectRow(position, 0);
                tome::RunCommand(tome::cmd::PrintBook);
                tome::collection = savedBooks;
                tome::mainState.activeList = savedList;
            } else {
                tome::PrintBook(books_, list_, position);
            }
            EXPECT_TRUE(user.answered()) << "no \"Print\" dialog";
        }
        const std::string ps = tome_test::TakePrintout(name);
        EXPECT_NE(ps, "") << "no PostScript for " << name;
        if (ps.empty()) return {};
        const Pages pages = tome_test::PageTexts(ps);
        EXPECT_EQ(tome_test::RenderPages(ps), static_cast<int>(pages.size()));
        return pages;
    }

    HWND page_ = nullptr;
    tome::cColumnList list_;
    tome::BookCollection books_;
};

TEST_F(BookReportWin, FullBookWithWrappedComment) {
    const Pages pages = PrintAt(1, "book-emma", true);
    ASSERT_EQ(pages.size(), 1u);

    // The comment's lines as the report breaks them in its font.
    Lines comment;
    {
        tome::cTPrint printer;
        printer.SetFont("MS Sans Serif", 10, "");
        comment = tome::CommentLines(printer, books_.comments[2], 4.5);
        printer.FinishDocument();
    }
    ASSERT_GE(comment.size(), 3u);  // wrapped at least once, and broken at the CR LF
    EXPECT_EQ(comment.back(), "Ask for the annotated copy at the desk.");

    std::vector<Row> rows = {{"Book source - Want to read"},
                             {"Author:", "Austen, Jane"},
                             {"Title:", "Emma"},
                             {"Call Number:", "823.7 AUS"},
                             {"Publisher:", "Penguin Classics"},
                             {"Order date:", "03-14-2024"},
                             {"Publish date:", "1815"},
                             {"Library:", "Riverside Branch"},
                             {"Category:", "Novels"},
                             {"Source/comments:", comment[0]}};
    for (size_t i = 1; i < comment.size(); ++i) rows.push_back({comment[i]});
    const Lines& page = pages[0];
    ASSERT_EQ(page.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_TRUE(LineHolds(page[i], rows[i]));
    // Each wrapped line ends with the break character that ended it.
    for (size_t i = 0; i + 1 < comment.size(); ++i) {
        EXPECT_NE(std::string(" ,;.-_").find(comment[i].back()), std::string::npos) << comment[i];
    }
}

TEST_F(BookReportWin, BookWithEmptyFieldsKeepsItsLabels) {
    const Pages pages = PrintAt(2, "book-middlemarch", false);
    ASSERT_EQ(pages.size(), 1u);
    const Lines& page = pages[0];
    ASSERT_EQ(page.size(), 10u);
    EXPECT_EQ(page[0], "Book source - Have read");
    EXPECT_TRUE(LineHolds(page[1], {"Author:", "Eliot, George"}));
    EXPECT_TRUE(LineHolds(page[2], {"Title:", "Middlemarch"}));
    const Lines labels = {"Call Number:", "Publisher:", "Order date:", "Publish date:", "Library:", "Category:",
                          "Source/comments:"};
    for (size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(page[i + 3], labels[i]);
}

}  // namespace
