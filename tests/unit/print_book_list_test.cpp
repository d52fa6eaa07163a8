#include "print/book_list_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../print/recording_device.h"
#include "print/line_printer.h"

namespace tome {
namespace {

using testing::RecordingDevice;
using Drawn = RecordingDevice::Drawn;

// Pixels at the recording device's 600 dpi.
int32_t Px(double inches) { return static_cast<int32_t>(inches * 600 + 0.5); }

// A list printed on a recording device: a 0.15-inch line, so LinesLeft(0)
// is 66 within the report's margins and a column holds 61 entries.
struct ListPrint {
    BookCollection books;
    RecordingDevice device;
    LinePrinter printer{device};

    int32_t Add(const std::string& author, const std::string& title, uint8_t flags = Shown) {
        Book b;
        b.record.flags = flags;
        b.record.author = static_cast<uint16_t>(AddListEntry(books.authors, author));
        b.title = title;
        return AddBookAt(books, b, books.bookCount() + 1);
    }
    void AddNumbered(int n, uint8_t flags = Shown) {
        for (int i = 1; i <= n; ++i) Add("Author " + std::to_string(i), "Title " + std::to_string(i), flags);
    }
    void Print(int32_t tab) { PrintBookList(printer, books, tab); }

    // Entries: what was drawn at a column's x below the title line.
    std::vector<Drawn> Column(int32_t page, double x) const {
        std::vector<Drawn> entries;
        for (const Drawn& d : device.OnPage(page)) {
            if (d.x == Px(x) && d.y > Px(0.5) && d.y < Px(10.0)) entries.push_back(d);
        }
        return entries;
    }
};

TEST(BookList, TitleByTab) {
    EXPECT_EQ(BookListTitle(1), "All books");
    EXPECT_EQ(BookListTitle(2), "Books to read");
    EXPECT_EQ(BookListTitle(3), "Current books read");
    EXPECT_EQ(BookListTitle(4), "Custom list");
    EXPECT_EQ(BookListTitle(0), "");
    EXPECT_EQ(BookListTitle(5), "");
}

TEST(BookList, FontMarginsAndJobAsTheReportNeedsThem) {
    ListPrint p;
    p.Add("Austen, Jane", "Emma");
    p.Print(1);
    ASSERT_EQ(p.device.fonts.size(), 1u);
    EXPECT_EQ(p.device.fonts[0].face, "MS Sans Serif");
    EXPECT_EQ(p.device.fonts[0].height, -75);
    EXPECT_EQ(p.device.fonts[0].weight, 400);
    const std::vector<std::string> calls = {"ChoosePrinter", "StartDoc Tomecase", "StartPage", "EndPage", "EndDoc"};
    EXPECT_EQ(p.device.calls, calls);
    EXPECT_TRUE(p.device.errors.empty());
}

TEST(BookList, CancelledDialogPrintsNothing) {
    ListPrint p;
    p.device.chosenPrinter = "";
    p.AddNumbered(3);
    p.Print(1);
    EXPECT_EQ(p.device.calls, std::vector<std::string>{"ChoosePrinter"});
    EXPECT_TRUE(p.device.fonts.empty());
    EXPECT_TRUE(p.device.drawn.empty());
}

TEST(BookList, NoVisibleTabPrintsNothing) {
    ListPrint p;
    p.AddNumbered(3);
    p.Print(0);
    EXPECT_TRUE(p.device.calls.empty());
}

TEST(BookList, TitlePageNumberAndEntryPlaces) {
    ListPrint p;
    p.Add("Austen, Jane", "Emma");
    p.Add("Eliot, George", "Middlemarch");
    p.Print(3);
    const std::vector<Drawn> page = p.device.OnPage(1);
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].text, "Current books read");
    EXPECT_EQ(page[0].x, Px(0.75));
    EXPECT_EQ(page[0].y, Px(0.5));
    EXPECT_EQ(page[1].text, " 1");
    EXPECT_EQ(page[1].x, Px(4.25));
    EXPECT_EQ(page[1].y, Px(10.2));  // 11 - 0.5 - 2 x 0.15
    // Line 1 stays empty: entries from line 2.
    EXPECT_EQ(page[2].text, "Austen, Jane - Emma");
    EXPECT_EQ(page[2].x, Px(0.75));
    EXPECT_EQ(page[2].y, Px(0.8));
    EXPECT_EQ(page[3].text, "Eliot, George - Middlemarch");
    EXPECT_EQ(page[3].y, Px(0.95));
}

TEST(BookList, SixtyOneEntriesAColumnThenTheRightColumn) {
    ListPrint p;
    p.AddNumbered(62);
    p.Print(1);
    EXPECT_EQ(p.device.pages, 1);
    const std::vector<Drawn> left = p.Column(1, 0.75);
    const std::vector<Drawn> right = p.Column(1, 4.5);
    ASSERT_EQ(left.size(), 61u);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(left.front().y, Px(0.8));
    EXPECT_EQ(left.back().text, "Author 61 - Title 61");
    EXPECT_EQ(left.back().y, Px(9.8));  // line 62
    EXPECT_EQ(right[0].text, "Author 62 - Title 62");
    EXPECT_EQ(right[0].y, Px(0.8));
    EXPECT_EQ(p.device.Count("StartPage"), 1u);
    EXPECT_EQ(p.device.Count("EndPage"), 1u);
}

TEST(BookList, ThirdColumnStartsPageTwoWithTitleAndNumber) {
    ListPrint p;
    p.AddNumbered(123);
    p.Print(4);
    EXPECT_EQ(p.device.pages, 2);
    EXPECT_EQ(p.Column(1, 0.75).size(), 61u);
    EXPECT_EQ(p.Column(1, 4.5).size(), 61u);
    const std::vector<Drawn> page2 = p.device.OnPage(2);
    ASSERT_EQ(page2.size(), 3u);
    EXPECT_EQ(page2[0].text, "Custom list");
    EXPECT_EQ(page2[1].text, " 2");
    EXPECT_EQ(page2[2].text, "Author 123 - Title 123");
    EXPECT_EQ(page2[2].x, Px(0.75));
    EXPECT_EQ(page2[2].y, Px(0.8));
    EXPECT_EQ(p.device.Count("EndPage"), 2u);
}

TEST(BookList, WantToReadIsOneColumnAPageWithDetails) {
    ListPrint p;
    p.books.callNumbers = TextList{"823.7 AUS"};
    p.books.libraries = TextList{"Central Library of the Northern District"};
    p.AddNumbered(62, Shown | WantToRead);
    BookRecord& first = p.books.records[1];
    first.callNumber = 1;
    first.pubYear = 1815;
    first.orderDate = 0x3243;
    first.library = 1;
    p.Print(2);

    EXPECT_EQ(p.device.pages, 2);
    EXPECT_EQ(p.Column(1, 0.75).size(), 61u);
    EXPECT_TRUE(p.Column(1, 4.5).empty());
    const std::vector<Drawn> page2 = p.device.OnPage(2);
    ASSERT_EQ(page2.size(), 3u);
    EXPECT_EQ(page2[0].text, "Books to read");
    EXPECT_EQ(page2[1].text, " 2");
    EXPECT_EQ(page2[2].text, "Author 62 - Title 62");
    EXPECT_EQ(page2[2].x, Px(0.75));

    // Book 1's line: entry, call number, year, order date, library cut to 1.5 inches.
    const std::vector<Drawn> page1 = p.device.OnPage(1);
    std::vector<Drawn> line;
    for (const Drawn& d : page1)
        if (d.y == Px(0.8)) line.push_back(d);
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[1].text, "823.7 AUS");
    EXPECT_EQ(line[1].x, Px(4.25));
    EXPECT_EQ(line[2].text, "1815");
    EXPECT_EQ(line[2].x, Px(5.0));
    EXPECT_EQ(line[3].text, "02-03-2005");
    EXPECT_EQ(line[3].x, Px(5.5));
    EXPECT_EQ(line[4].text, "Central Library of");  // 18 characters of 50 pixels
    EXPECT_EQ(line[4].x, Px(6.5));
    // A book without them prints its entry alone.
    for (const Drawn& d : page1) {
        if (d.y == Px(0.95)) {
            EXPECT_EQ(d.x, Px(0.75));
        }
    }
}

TEST(BookList, DetailsOnlyOnTheWantToReadList) {
    ListPrint p;
    p.books.callNumbers = TextList{"823.7"};
    p.Add("Austen, Jane", "Emma", Shown | WantToRead);
    p.books.records[1].callNumber = 1;
    p.books.records[1].pubYear = 1815;
    p.Print(1);
    EXPECT_EQ(p.device.drawn.size(), 3u);  // title, page number, entry
}

TEST(BookList, HiddenBooksTakeNoLine) {
    ListPrint p;
    p.Add("A", "one");
    p.Add("B", "two", 0);
    p.Add("C", "three");
    p.Print(1);
    const std::vector<Drawn> left = p.Column(1, 0.75);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].text, "C - three");
    EXPECT_EQ(left[1].y, Px(0.95));
}

TEST(BookList, EmptyCollectionStartsAJobWithoutAPage) {
    ListPrint p;
    p.Print(1);
    const std::vector<std::string> calls = {"ChoosePrinter", "StartDoc Tomecase", "EndDoc"};
    EXPECT_EQ(p.device.calls, calls);
    EXPECT_TRUE(p.device.drawn.empty());
}

TEST(BookList, AllHiddenPrintsPageOneWithTitleAndNumberOnly) {
    ListPrint p;
    p.AddNumbered(130, 0);
    p.Print(1);
    EXPECT_EQ(p.device.pages, 1);
    ASSERT_EQ(p.device.drawn.size(), 2u);
    EXPECT_EQ(p.device.drawn[0].text, "All books");
    EXPECT_EQ(p.device.drawn[1].text, " 1");
    EXPECT_EQ(p.device.Count("EndPage"), 1u);
}

TEST(BookList, FullLastColumnFollowedByHiddenBooksAddsNoPage) {
    ListPrint p;
    p.AddNumbered(61, Shown | WantToRead);
    p.AddNumbered(5, HaveRead);
    p.Print(2);
    EXPECT_EQ(p.device.pages, 1);
    EXPECT_EQ(p.device.Count("StartPage"), 1u);
    EXPECT_EQ(p.device.Count("EndPage"), 1u);
}

TEST(BookList, ExactlyFullColumnsEndEachPageOnce) {
    ListPrint p;
    p.AddNumbered(122);
    p.Print(1);
    EXPECT_EQ(p.device.pages, 1);
    EXPECT_EQ(p.device.Count("EndPage"), 1u);

    ListPrint q;
    q.AddNumbered(122, Shown | WantToRead);
    q.Print(2);
    EXPECT_EQ(q.device.pages, 2);
    EXPECT_EQ(q.device.Count("EndPage"), 2u);
    EXPECT_EQ(q.device.calls.back(), "EndDoc");
}

TEST(BookList, CommaAuthorPrintsDashAndTitle) {
    ListPrint p;
    p.Add(",", "Anonymous tales");
    p.Add("  ,  ", "Beowulf");
    p.Add(", Jr.", "Kept");
    p.Print(1);
    const std::vector<Drawn> left = p.Column(1, 0.75);
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left[0].text, " - Anonymous tales");
    EXPECT_EQ(left[1].text, " - Beowulf");
    EXPECT_EQ(left[2].text, ", Jr. - Kept");
}

TEST(BookList, EntryCutToThreeAndAQuarterInches) {
    ListPrint p;
    p.Add("Author", std::string(60, 't'));
    p.Print(1);
    const std::vector<Drawn> left = p.Column(1, 0.75);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].text, "Author - " + std::string(30, 't'));  // 39 characters of 50 pixels
}

TEST(BookList, SortIndexOrderNotBookNumberOrder) {
    ListPrint p;
    p.Add("B", "second");
    Book a;
    a.record.flags = Shown;
    a.record.author = static_cast<uint16_t>(AddListEntry(p.books.authors, "A"));
    a.title = "first";
    AddBookAt(p.books, a, 1);
    p.Print(1);
    const std::vector<Drawn> left = p.Column(1, 0.75);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].text, "A - first");
    EXPECT_EQ(left[1].text, "B - second");
}

TEST(BookList, TinyPageStillPutsOneEntryInEachColumn) {
    ListPrint p;
    p.device.lineHeightPixels = 1200;  // 2 inches: LinesLeft(0) is 5, L is -2
    p.AddNumbered(3);
    p.Print(1);
    EXPECT_EQ(p.device.pages, 2);
    EXPECT_EQ(p.device.Count("EndPage"), 2u);
}

}  // namespace
}  // namespace tome
