#include "dialogs/book_save.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/user_prompts.h"
#include "books/book_file.h"

namespace tome {
namespace {

// Two books by two authors, with one entry in each small list.
BookCollection TwoBooks() {
    BookCollection c;
    c.authors.append("Austen, Jane");
    c.authors.append("John Q. Public");
    c.callNumbers.append("Fic");
    c.publishers.append("Penguin");
    c.libraries.append("Main");
    c.categories.append("Humor");
    auto add = [&c](uint16_t author, const std::string& title, uint8_t flags) {
        Book b;
        b.record.author = author;
        b.record.flags = flags;
        b.title = title;
        AddBookAt(c, b, c.bookCount() + 1);
    };
    add(1, "Emma", WantToRead | Shown);
    add(2, "Essays", HaveRead | InCustomList | Shown);
    return c;
}

BookForm Form(const std::string& author, const std::string& title = "A Title") {
    BookForm f;
    f.author = author;
    f.title = title;
    return f;
}

class BookSave : public ::testing::Test {
protected:
    BookSaveResult Add(const BookForm& form) { return SaveBook(books, files, form, 0); }
    BookSaveResult Edit(int32_t bookNumber, const BookForm& form) { return SaveBook(books, files, form, bookNumber); }
    const BookRecord& Saved(const BookSaveResult& r) { return books.records[r.bookNumber]; }
    std::string AuthorOf(const BookSaveResult& r) { return books.authors[Saved(r).author]; }

    // A refused save must leave every byte of the collection and fileChanged as they were.
    void ExpectRefused(const BookForm& form, int32_t oldBook, const std::string& text, FormField field) {
        const std::vector<uint8_t> before = SerializeBookFile(books);
        const int32_t changedBefore = files.fileChanged;
        const BookSaveResult r = SaveBook(books, files, form, oldBook);
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.refusal.text, text);
        EXPECT_EQ(r.refusal.caption, "Add Book Error");
        EXPECT_EQ(r.refusal.style, mb::IconHand);
        EXPECT_EQ(r.field, field) << text;
        EXPECT_EQ(SerializeBookFile(books), before) << text;
        EXPECT_EQ(files.fileChanged, changedBefore);
    }

    BookCollection books = TwoBooks();
    FileState files;
};

TEST_F(BookSave, AddedAuthorIsNormalisedAndAppended) {
    const BookSaveResult r = Add(Form("john q. public"));
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(AuthorOf(r), "Public, John Q.");
    EXPECT_EQ(books.authorCount(), 3);
    EXPECT_EQ(books.bookCount(), 3);
    EXPECT_EQ(files.fileChanged, 1);
}

TEST_F(BookSave, EditedAuthorIsKeptAsTypedUnlessAnEntryMatchesIgnoringCase) {
    BookSaveResult r = Edit(1, Form("john q. public"));
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(+Saved(r).author, 2) << "'John Q. Public' already exists";
    EXPECT_EQ(books.authorCount(), 2);

    r = Edit(r.bookNumber, Form("  JOHN Q. PUBLIC "));
    EXPECT_EQ(+Saved(r).author, 2);

    r = Edit(r.bookNumber, Form("jane doe"));
    EXPECT_EQ(AuthorOf(r), "jane doe");
    EXPECT_EQ(books.authorCount(), 3);
}

TEST_F(BookSave, AddedAuthorMatchingAnEntryAfterNormalisingReusesIt) {
    const BookSaveResult r = Add(Form("jane austen"));
    EXPECT_EQ(+Saved(r).author, 1);
    EXPECT_EQ(books.authorCount(), 2);
}

TEST_F(BookSave, NamesakeEntriesResolveToTheLowestNumber) {
    books.authors.append("AUSTEN, JANE");
    EXPECT_EQ(+Saved(Edit(1, Form("austen, jane"))).author, 1);
}

TEST_F(BookSave, TitleIsNormalisedInBothModes) {
    const BookSaveResult added = Add(Form("Austen, Jane", "the lord of the rings"));
    EXPECT_EQ(books.titles[added.bookNumber], "The Lord of the Rings");
    const BookSaveResult edited = Edit(1, Form("Austen, Jane", "the lord of the rings"));
    EXPECT_EQ(books.titles[edited.bookNumber], "The Lord of the Rings");
}

TEST_F(BookSave, AuthorOfBlanksOnlyIsRefusedInBothModes) {
    ExpectRefused(Form("   "), 0, "Must specify author", FormField::Author);
    ExpectRefused(Form("   "), 1, "Must specify author", FormField::Author);
    ExpectRefused(Form(""), 2, "Must specify author", FormField::Author);
}

TEST_F(BookSave, AuthorOfCommasOnlyIsNotEmptyOnceNormalised) {
    const BookSaveResult r = Add(Form(" , "));
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(AuthorOf(r), ", ");
}

TEST_F(BookSave, PubYearIsReadLenientlyAndRoundedHalfToEven) {
    struct Case { const char* typed; uint16_t stored; const char* shownAgain; };
    for (const Case& c : {Case{"1999", 1999, "1999"}, Case{"abc", 0, ""}, Case{"1999.5", 2000, "2000"},
                          Case{"1998.5", 1998, "1998"}, Case{"  1066 ", 1066, "1066"}, Case{"", 0, ""},
                          Case{"2500.5", 2500, "2500"}, Case{"-0.4", 0, ""}, Case{"1999 AD", 1999, "1999"}}) {
        BookForm f = Form("Austen, Jane");
        f.pubYear = c.typed;
        const BookSaveResult r = Add(f);
        ASSERT_TRUE(r.saved) << c.typed;
        EXPECT_EQ(+Saved(r).pubYear, c.stored) << c.typed;
        EXPECT_EQ(FormOfBook(books, r.bookNumber).pubYear, c.shownAgain) << c.typed;
    }
}

TEST_F(BookSave, PubYearThatALoadWouldChangeOrThatIsNegativeIsRefused) {
    for (const char* typed : {"2501", "2500.6", "65535", "99999999999999999999", "-1", "-0.6"}) {
        SCOPED_TRACE(typed);
        BookForm f = Form("New, Author");
        f.pubYear = typed;
        ExpectRefused(f, 0, "Pub date must be a year from 0 to 2500", FormField::PubYear);
    }
}

TEST_F(BookSave, OrderDateIsPackedAndShownAgainAsMonthDayYear) {
    BookForm f = Form("Austen, Jane");
    f.orderDate = " 2/3/05 ";
    const BookSaveResult r = Add(f);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(+Saved(r).orderDate, 0x3243);
    EXPECT_EQ(FormOfBook(books, r.bookNumber).orderDate, "02-03-2005");

    f.orderDate = "   ";
    EXPECT_EQ(+Saved(Add(f)).orderDate, 0) << "an empty date is none";
}

TEST_F(BookSave, OrderDatesAtTheEndsOfTheRangeAreKept) {
    struct Case { const char* typed; const char* shown; };
    for (const Case& c : {Case{"1/1/1980", "01-01-1980"}, Case{"12-31-2107", "12-31-2107"},
                          Case{"12/31/99", "12-31-2099"}, Case{"7/4/07", "07-04-2007"},
                          Case{"2/3", "02-03-2000"}}) {
        BookForm f = Form("Austen, Jane");
        f.orderDate = c.typed;
        const BookSaveResult r = Add(f);
        ASSERT_TRUE(r.saved) << c.typed;
        EXPECT_EQ(FormOfBook(books, r.bookNumber).orderDate, c.shown) << c.typed;
    }
}

TEST_F(BookSave, OrderDateThePackedWordCannotHoldIsRefused) {
    // "1/33/05" would pack as 2/1/05 and "65537/1/05" as 1/1/05: a date is kept as typed or refused.
    for (const char* typed : {"13/45/05", "abc", "0/1/05", "1/0/05", "1/32/05", "1/33/05", "13/1/05", "2",
                              "1/1/1979", "1/1/2108", "1/1/ 2005", "65537/1/05"}) {
        SCOPED_TRACE(typed);
        BookForm f = Form("New, Author");
        f.orderDate = typed;
        ExpectRefused(f, 0, "Order date must be m/d/y, from 1980 to 2107", FormField::OrderDate);
    }
}

TEST_F(BookSave, OtherListsTakeTrimmedTextsAndReuseEntriesIgnoringCase) {
    BookForm f = Form("Austen, Jane");
    f.callNumber = "  QA76  ";
    f.publisher = "penguin";
    f.library = " Branch ";
    BookSaveResult r = Add(f);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(books.callNumbers[Saved(r).callNumber], "QA76");
    EXPECT_EQ(Saved(r).publisher, 1);
    EXPECT_EQ(books.libraries[Saved(r).library], "Branch");
    EXPECT_EQ(Saved(r).category, 0) << "an empty box stores none";

    const int32_t qa76 = Saved(r).callNumber;
    f.callNumber = "qa76";
    r = Add(f);
    EXPECT_EQ(Saved(r).callNumber, qa76);
    EXPECT_EQ(books.callNumberCount(), 2);
    EXPECT_EQ(books.libraryCount(), 2);
}

TEST_F(BookSave, SavedRecordHasExactlyOneReadingFlagAndShown) {
    BookForm f = Form("Austen, Jane");
    BookSaveResult r = Add(f);
    EXPECT_EQ(Saved(r).flags, WantToRead | Shown);
    f.haveRead = true;
    f.comments = "From Ann\r\nsecond line";
    r = Add(f);
    EXPECT_EQ(Saved(r).flags, HaveRead | Shown);
    EXPECT_EQ(Saved(r).reserved, 0);
    EXPECT_EQ(books.comments[r.bookNumber], "From Ann\r\nsecond line");
}

TEST_F(BookSave, EditAppendsTheNewVersionAndMarksTheOldOneDeleted) {
    const BookRecord old = books.records[2];
    BookForm f = FormOfBook(books, 2);
    f.title = "essays, second series";
    const BookSaveResult r = Edit(2, f);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(books.bookCount(), 3);
    EXPECT_EQ(r.bookNumber, 3);
    EXPECT_EQ(books.records[2].flags, old.flags | Deleted) << "the old version stays, only marked";
    EXPECT_EQ(books.titles[2], "Essays");
    EXPECT_EQ(Saved(r).flags, HaveRead | Shown) << "an edited book leaves the custom list";
    EXPECT_EQ(books.titles[3], "Essays, Second Series");
    EXPECT_EQ(books.sortIndex.count(), 3);
    EXPECT_EQ(books.sortIndex[r.position], 3);

    const BookSaveResult again = Edit(3, FormOfBook(books, 3));
    EXPECT_EQ(books.bookCount(), 4) << "every edit save adds a book";
    EXPECT_TRUE(books.records[3].has(Deleted));
    BookRecord expected;
    expected.flags = HaveRead | Shown;
    expected.author = 2;
    EXPECT_EQ(books.records[4], expected);
    EXPECT_EQ(books.sortIndex[again.position], 4);
}

TEST_F(BookSave, SavedBookGoesToItsAuthorTitlePosition) {
    // Austen/Emma is at 1 and Public/Essays at 2; Austen/Persuasion goes between them.
    const BookSaveResult r = Add(Form("jane austen", "persuasion"));
    EXPECT_EQ(r.position, 2);
    EXPECT_EQ(books.sortIndex[2], r.bookNumber);
    EXPECT_EQ(books.sortIndex[3], 2);
    const BookSaveResult last = Add(Form("zola", "Nana"));
    EXPECT_EQ(last.position, 4);
}

TEST_F(BookSave, FormShowsTheBooksTexts) {
    Book b;
    b.record = {HaveRead, 1, 1, 0x3243, 1998, 1, 1, 0, 1};
    b.title = "Emma";
    b.comments = "gift";
    const int32_t n = AddBookAt(books, b, 1);
    BookForm expected;
    expected.author = "Austen, Jane";
    expected.title = "Emma";
    expected.callNumber = "Fic";
    expected.orderDate = "02-03-2005";
    expected.publisher = "Penguin";
    expected.pubYear = "1998";
    expected.library = "Main";
    expected.category = "Humor";
    expected.comments = "gift";
    expected.haveRead = true;
    EXPECT_EQ(FormOfBook(books, n), expected);
    EXPECT_EQ(FormOfBook(books, 1), Form("Austen, Jane", "Emma")) << "values of 0 show empty";
}

// Fills a list to the highest number a record can refer to.
void Fill(TextList& list, int32_t count) {
    while (list.count() < count) list.append("Entry " + std::to_string(list.count() + 1));
}

TEST_F(BookSave, FullListRefusesANewEntryBeforeAnythingChanges) {
    struct Case { ListKind kind; FormField field; std::string BookForm::*box; const char* text; };
    const Case cases[] = {
        {ListKind::CallNumbers, FormField::CallNumber, &BookForm::callNumber, "Call number list is full (255 entries)"},
        {ListKind::Publishers, FormField::Publisher, &BookForm::publisher, "Publisher list is full (255 entries)"},
        {ListKind::Libraries, FormField::Library, &BookForm::library, "Library list is full (255 entries)"},
        {ListKind::Categories, FormField::Category, &BookForm::category, "Category list is full (255 entries)"},
        {ListKind::Authors, FormField::Author, &BookForm::author, "Author list is full (65535 entries)"},
    };
    for (const Case& c : cases) {
        books = TwoBooks();
        Fill(books.list(c.kind), ListCapacity(c.kind));
        // A new author and new texts in the lists before this one would all be appended by a save.
        BookForm f = Form("Brand New, Author");
        f.callNumber = "New call";
        f.publisher = "New publisher";
        f.library = "New library";
        f.category = "New category";
        f.*(c.box) = "Yet another";
        ExpectRefused(f, 0, c.text, c.field);
        ExpectRefused(f, 1, c.text, c.field);

        // An existing entry of the full list is still chosen.
        f.*(c.box) = "ENTRY 255";
        const BookSaveResult r = Edit(1, f);
        ASSERT_TRUE(r.saved) << c.text;
        EXPECT_EQ(ListNumberOf(Saved(r), c.kind), 255);
    }
}

TEST_F(BookSave, ListWithOneFreeNumberTakesItsLastEntry) {
    Fill(books.categories, 254);
    BookForm f = Form("Austen, Jane");
    f.category = "Spies";
    const BookSaveResult r = Add(f);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(Saved(r).category, 255);
    EXPECT_EQ(books.categories[255], "Spies");
}

TEST_F(BookSave, LaterRefusalsLeaveTheListsOfEarlierBoxesUngrown) {
    BookForm f = Form("brand new author");
    f.callNumber = "New call";
    f.category = "New category";
    f.orderDate = "13/45/05";
    ExpectRefused(f, 0, "Order date must be m/d/y, from 1980 to 2107", FormField::OrderDate);
    f.orderDate = "";
    f.pubYear = "3000";
    ExpectRefused(f, 2, "Pub date must be a year from 0 to 2500", FormField::PubYear);
}

TEST_F(BookSave, TheAuthorIsCheckedFirst) {
    BookForm f = Form(" ");
    f.orderDate = "abc";
    f.pubYear = "-5";
    ExpectRefused(f, 0, "Must specify author", FormField::Author);
}

}  // namespace
}  // namespace tome
