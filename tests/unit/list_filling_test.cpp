#include "books/list_filling.h"

#include <gtest/gtest.h>

#include "fake_screen.h"
#include "print/book_list_report.h"

namespace tome {
namespace {

using testing::FakeList;
using testing::FakeWindow;

struct Shelf {
    BookCollection books;
    FileState files;
    ListState listState;
    FakeList list;
    FakeWindow window;
    int32_t activeTab = 1;

    ListScreen screen() { return ListScreen{books, files, listState, activeTab, list, window}; }

    // Adds a book by the author of that list number at the end of the order.
    int32_t Add(uint16_t author, const std::string& title, uint8_t flags) {
        Book b;
        b.record.author = author;
        b.record.flags = flags;
        b.title = title;
        return AddBookAt(books, b, books.bookCount() + 1);
    }

    std::vector<int32_t> ShownItems() const {
        std::vector<int32_t> items;
        for (const FakeList::Row& row : list.shownRows()) items.push_back(row.item);
        return items;
    }
};

TEST(RowText, SixCellsWithEmptyOnesForNone) {
    BookCollection c;
    c.authors = TextList{"Austen, Jane"};
    c.callNumbers = TextList{"Fic"};
    c.libraries = TextList{"Main", "Branch"};
    Book b;
    b.record.author = 1;
    b.record.callNumber = 1;
    b.record.pubYear = 1813;
    b.record.orderDate = 0x3243;
    b.record.library = 2;
    b.title = "Pride and Prejudice";
    AddBookAt(c, b, 1);
    EXPECT_EQ(RowText(c, 1), "Austen, Jane\tPride and Prejudice\tFic\t1813\t02-03-2005 \tBranch");

    Book bare;
    bare.record.author = 1;
    bare.title = "Emma";
    AddBookAt(c, bare, 2);
    EXPECT_EQ(RowText(c, 2), "Austen, Jane\tEmma\t\t\t\t");
}

// The list and the printed list hide the same authors: a lone comma between
// blanks (what a name of only commas is stored as, or an edited author kept
// as typed), none and an unknown number; anything more is shown.
TEST(RowText, AuthorCellEmptyForLoneCommaMissingOrUnknownAuthor) {
    BookCollection c;
    c.authors = TextList{", ", ",  ", ",", ", ,", "Poe"};
    for (uint16_t author : {1, 2, 3, 0, 9, 4}) {
        Book b;
        b.record.author = author;
        b.title = "T";
        AddBookAt(c, b, c.bookCount() + 1);
    }
    for (int32_t b = 1; b <= 5; ++b) EXPECT_EQ(RowText(c, b), "\tT\t\t\t\t") << b;
    EXPECT_EQ(RowText(c, 6), ", ,\tT\t\t\t\t");
    for (int32_t b = 1; b <= 6; ++b) {
        EXPECT_EQ(BookListEntry(c, b), std::string(RowText(c, b).substr(0, RowText(c, b).find('\t'))) + " - T") << b;
    }
}

TEST(MarkShownBooks, EachTabsFilterAndNeverDeleted) {
    Shelf s;
    s.books.authors = TextList{"A"};
    const int32_t want = s.Add(1, "want", WantToRead);
    const int32_t read = s.Add(1, "read", HaveRead | InCustomList);
    const int32_t stale = s.Add(1, "stale shown flag", Shown);
    const int32_t gone = s.Add(1, "deleted", WantToRead | HaveRead | InCustomList | Shown | Deleted);

    const struct {
        int32_t tab;
        std::vector<int32_t> shown;
    } cases[] = {{0, {}}, {1, {want, read, stale}}, {2, {want}}, {3, {read}}, {4, {read}}, {5, {}}};
    for (const auto& tc : cases) {
        MarkShownBooks(s.books, tc.tab, s.listState);
        std::vector<int32_t> shown;
        for (int32_t b = 1; b <= s.books.bookCount(); ++b) {
            if (s.books.records[b].has(Shown)) shown.push_back(b);
        }
        EXPECT_EQ(shown, tc.shown) << "tab " << tc.tab;
        EXPECT_EQ(s.listState.shownCount, static_cast<int32_t>(tc.shown.size())) << "tab " << tc.tab;
        EXPECT_TRUE(s.books.records[gone].has(Deleted));
    }
}

TEST(FillList, RowsInSortOrderSelectedPositionAndStatus) {
    Shelf s;
    s.books.authors = TextList{"Bronte, Anne", "Austen, Jane"};
    s.books.categories = TextList{"Romance", "Classic"};
    s.files.currentFile = "C:\\Users\\Public\\Documents\\books.lib";
    Book b;
    b.record.flags = WantToRead;
    b.record.author = 1;
    b.record.category = 2;
    b.title = "Agnes Grey";
    AddBookAt(s.books, b, 1);       // book 1
    b.record.author = 2;
    b.title = "Emma";
    AddBookAt(s.books, b, 1);       // book 2, position 1
    b.record.flags = HaveRead;
    b.title = "Persuasion";
    AddBookAt(s.books, b, 2);       // book 3, position 2
    ASSERT_EQ(s.books.sortIndex.raw(), (std::vector<int32_t>{2, 3, 1}));

    s.activeTab = 2;
    FillList(s.screen(), 3, 1);
    EXPECT_EQ(s.ShownItems(), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(s.list.rows[0].text, "Austen, Jane\tEmma\t\t\t\t");
    // Position 3 (book 1) is row 2 of this tab.
    EXPECT_EQ(s.list.calls, (std::vector<std::string>{"SetRowCount(0)", "Redisplay", "SelectRow(-2,1)"}));
    EXPECT_EQ(s.window.status[1], "Filename:books.lib");
    EXPECT_EQ(s.window.status[2], "Category:Classic");
    EXPECT_EQ(s.window.status[3], " 2 : 2");

    // Position 2 holds a book this tab does not show: the first row is selected.
    s.list.calls.clear();
    FillList(s.screen(), 2, 0);
    EXPECT_EQ(s.list.calls.back(), "SelectRow(-1,0)");
    FillList(s.screen(), 0, 0);
    EXPECT_EQ(s.list.calls.back(), "SelectRow(-1,0)");
    EXPECT_EQ(s.window.status[3], " 1 : 2");

    // A refill replaces the rows rather than adding to them.
    s.activeTab = 3;
    FillList(s.screen(), 0, 0);
    EXPECT_EQ(s.ShownItems(), (std::vector<int32_t>{3}));
    EXPECT_EQ(s.window.status[2], "Category:Classic");
}

TEST(FillList, DeletedBooksAreNeverShownOrCounted) {
    Shelf s;
    s.books.authors = TextList{"A"};
    const int32_t kept = s.Add(1, "kept", HaveRead);
    s.Add(1, "gone", WantToRead | HaveRead | InCustomList | Shown | Deleted);
    for (int32_t tab = 1; tab <= 4; ++tab) {
        s.activeTab = tab;
        FillList(s.screen(), 2, 0);
        const std::vector<int32_t> expected = tab == 1 || tab == 3 ? std::vector<int32_t>{kept} : std::vector<int32_t>{};
        EXPECT_EQ(s.ShownItems(), expected) << "tab " << tab;
        EXPECT_EQ(s.listState.shownCount, static_cast<int32_t>(expected.size())) << "tab " << tab;
    }
}

TEST(FillList, EmptyCustomListShowsNothingAndLeavesStatusPartsEmpty) {
    Shelf s;
    s.books.authors = TextList{"A"};
    s.books.categories = TextList{"War"};
    s.Add(1, "one", WantToRead);
    s.Add(1, "two", HaveRead);
    s.books.records[1].category = 1;
    s.files.currentFile = "books.lib";
    s.activeTab = 1;
    FillList(s.screen(), 1, 0);
    EXPECT_EQ(s.window.status[2], "Category:War");
    EXPECT_EQ(s.window.status[3], " 1 : 2");

    s.activeTab = 4;
    FillList(s.screen(), 1, 0);
    EXPECT_TRUE(s.list.shownRows().empty());
    EXPECT_EQ(s.listState.shownCount, 0);
    EXPECT_EQ(s.window.status[1], "Filename:books.lib");
    EXPECT_EQ(s.window.status[2], "");
    EXPECT_EQ(s.window.status[3], "");
}

TEST(UpdateStatusBar, Texts) {
    EXPECT_EQ(FilenameStatus("C:\\a\\b.lib"), "Filename:b.lib");
    EXPECT_EQ(FilenameStatus("b.lib"), "Filename:b.lib");
    EXPECT_EQ(FilenameStatus(""), "Filename:");
    EXPECT_EQ(FilenameStatus("C:\\a\\"), "Filename:");
    EXPECT_EQ(PositionStatus(5, 120), " 5 : 120");

    BookCollection c;
    c.categories = TextList{"Cats"};
    AddBookAt(c, Book{}, 1);
    EXPECT_EQ(CategoryStatus(c, 1), "Category:");
    c.records[1].category = 1;
    EXPECT_EQ(CategoryStatus(c, 1), "Category:Cats");
}

TEST(UpdateStatusBar, RowNamingNoBookLeavesPartsEmpty) {
    Shelf s;
    s.books.authors = TextList{"A"};
    s.Add(1, "one", WantToRead);
    FillList(s.screen(), 0, 0);
    ASSERT_EQ(s.window.status[3], " 1 : 1");
    // The list still shows a book number from before a purge.
    s.list.rows[0].item = 7;
    UpdateStatusBar(s.screen());
    EXPECT_EQ(s.window.status[2], "");
    EXPECT_EQ(s.window.status[3], "");
}

}  // namespace
}  // namespace tome
