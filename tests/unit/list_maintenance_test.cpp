#include "dialogs/list_maintenance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/user_prompts.h"
#include "books/book_file.h"

namespace tome {
namespace {

void AddBook(BookCollection& c, uint16_t author, uint8_t callNumber = 0, uint8_t flags = WantToRead) {
    Book b;
    b.record.author = author;
    b.record.callNumber = callNumber;
    b.record.flags = flags;
    b.title = "Book " + std::to_string(c.bookCount() + 1);
    AddBookAt(c, b, c.bookCount() + 1);
}

std::vector<int32_t> Authors(const BookCollection& c) {
    std::vector<int32_t> numbers;
    for (const BookRecord& r : c.records.raw()) numbers.push_back(r.author);
    return numbers;
}

// Eight authors; 'Smith, John' is number 3 and 'Smyth, John' number 7.
BookCollection EightAuthors() {
    BookCollection c;
    for (const char* name : {"Adams, Ann", "Brown, Bob", "Smith, John", "Doe, Jane", "Eco, Umberto", "Fry, Fay",
                             "Smyth, John", "Zola, Emile"}) {
        c.authors.append(name);
    }
    return c;
}

TEST(ListEntries, MatchIgnoresCaseByTheWindowsAnsiRules) {
    EXPECT_TRUE(EqualIgnoringCase("\xC9mile Zola", "\xE9MILE ZOLA"));  // É and é
    EXPECT_TRUE(EqualIgnoringCase("\x8A", "\x9A"));                    // Š and š
    EXPECT_FALSE(EqualIgnoringCase("Smith", "Smith "));
    EXPECT_FALSE(EqualIgnoringCase("Smith", "Smyth"));

    const TextList list = {"Smith, John", "QA76", "SMITH, JOHN"};
    EXPECT_EQ(FindEntry(list, "qa76"), 2);
    EXPECT_EQ(FindEntry(list, "smith, john"), 1) << "the lowest-numbered namesake";
    EXPECT_EQ(FindEntry(list, "Smith"), 0);
    EXPECT_EQ(EntriesNamed(list, "Smith, John"), (std::vector<int32_t>{1, 3}));
}

TEST(ListEntries, CompletionTakesTheFirstItemInDisplayOrder) {
    const std::vector<std::string> items = {"Adams, Ann", "smith, jane", "Smith, John", "\xC9lan"};
    auto first = [&](const std::string& typed) {
        return FirstItemStartingWith(static_cast<int32_t>(items.size()), [&](int32_t i) {
            return items.at(static_cast<size_t>(i));
        }, typed);
    };
    EXPECT_EQ(first("Sm"), 1);
    EXPECT_EQ(first("SMITH, JO"), 2);
    EXPECT_EQ(first("\xE9L"), 3);
    EXPECT_EQ(first("Smithers"), -1);
    EXPECT_EQ(first(""), -1) << "an emptied box is not filled again";
}

TEST(ListMaintenance, CommandsNameTheirListsAndWords) {
    ASSERT_NE(MaintainedListOf(211), nullptr);
    EXPECT_EQ(MaintainedListOf(211)->kind, ListKind::Authors);
    EXPECT_EQ(MaintenanceCaption(*MaintainedListOf(211)), "Drop Down List Maintenance - Authors");
    EXPECT_EQ(MaintenanceCaption(*MaintainedListOf(212)), "Drop Down List Maintenance - Call Numbers");
    EXPECT_EQ(MaintainedListOf(213)->kind, ListKind::Publishers);
    EXPECT_EQ(MaintainedListOf(214)->kind, ListKind::Libraries);
    EXPECT_EQ(MaintenanceCaption(*MaintainedListOf(215)), "Drop Down List Maintenance - Categories");
    EXPECT_EQ(MaintainedListOf(210), nullptr);
    EXPECT_EQ(MaintainedListOf(216), nullptr);

    const UserMessage question = RemoveEntryQuestion(*MaintainedListOf(213), "Penguin");
    EXPECT_EQ(question.text, "Ok to delete this Publication from all books?");
    EXPECT_EQ(question.caption, "Publication - Penguin");
    EXPECT_EQ(question.style, mb::OkCancel | mb::IconQuestion);
    EXPECT_EQ(RemoveEntryQuestion(*MaintainedListOf(212), "Fic").text, "Ok to delete this Call number from all books?");
}

TEST(ListMaintenance, AddAppendsTheTextExactlyAsTyped) {
    BookCollection c = EightAuthors();
    UserMessage why;
    for (const char* text : {"Smith, John", "  spaced  ", ""}) {
        ASSERT_TRUE(AddMaintainedEntry(c, ListKind::Authors, text, why));
    }
    EXPECT_EQ(c.authorCount(), 11);
    EXPECT_EQ(c.authors[9], "Smith, John") << "a namesake of entry 3";
    EXPECT_EQ(c.authors[10], "  spaced  ");
    EXPECT_EQ(c.authors[11], "");
}

TEST(ListMaintenance, AddToAFullListIsRefused) {
    BookCollection c;
    for (int i = 1; i <= 255; ++i) c.publishers.append("P" + std::to_string(i));
    const std::vector<uint8_t> before = SerializeBookFile(c);
    UserMessage why;
    EXPECT_FALSE(AddMaintainedEntry(c, ListKind::Publishers, "One more", why));
    EXPECT_EQ(why.text, "Publisher list is full (255 entries)");
    EXPECT_EQ(why.caption, "Drop Down List Maintenance");
    EXPECT_EQ(why.style, mb::IconHand);
    EXPECT_EQ(SerializeBookFile(c), before);

    c.publishers.removeAt(255);
    EXPECT_TRUE(AddMaintainedEntry(c, ListKind::Publishers, "Last", why));
    EXPECT_EQ(c.publisherCount(), 255);
}

TEST(ListMaintenance, ChangeRenamesTheEntryForEveryBookAtOnce) {
    BookCollection c;
    c.categories = {"Humor", "Cats"};
    Book b;
    b.record.category = 2;
    AddBookAt(c, b, 1);
    AddBookAt(c, b, 2);
    const auto records = c.records;
    UserMessage why;
    ASSERT_TRUE(ChangeMaintainedEntry(c, ListKind::Categories, "cats", "Felines", why));
    EXPECT_EQ(c.categories[2], "Felines");
    EXPECT_EQ(c.records, records) << "books hold numbers, so no record is rewritten";
}

TEST(ListMaintenance, ChangeWithNothingSelectedIsRefused) {
    BookCollection c = EightAuthors();
    const std::vector<uint8_t> before = SerializeBookFile(c);
    UserMessage why;
    EXPECT_FALSE(ChangeMaintainedEntry(c, ListKind::Authors, "", "Anything", why));
    EXPECT_EQ(why.text, "Must select item to change from list");
    EXPECT_EQ(why.caption, "");
    EXPECT_EQ(why.style, mb::IconHand);
    EXPECT_EQ(SerializeBookFile(c), before);

    const UserMessage remove = NothingToRemoveMessage();
    EXPECT_EQ(remove.text, "Must select item to remove from list");
    EXPECT_EQ(remove.caption, "");
    EXPECT_EQ(remove.style, mb::IconHand);
}

TEST(ListMaintenance, RenamedNamesakeIsMergedIntoTheLowerNumberWhenRemoved) {
    BookCollection c = EightAuthors();
    AddBook(c, 7);
    AddBook(c, 3);
    AddBook(c, 8);
    AddBook(c, 7, 0, WantToRead | Deleted);
    UserMessage why;
    ASSERT_TRUE(ChangeMaintainedEntry(c, ListKind::Authors, "Smyth, John", "Smith, John", why));
    EXPECT_EQ(c.authors[7], "Smith, John");

    ASSERT_TRUE(RemoveAuthorEntry(c, 7, why));
    EXPECT_EQ(c.authorCount(), 7);
    EXPECT_EQ(c.authors[7], "Zola, Emile");
    EXPECT_EQ(Authors(c), (std::vector<int32_t>{3, 3, 7, 3})) << "7 merged into 3, 8 moved down";
}

TEST(ListMaintenance, AuthorInUseWithoutALowerNamesakeStays) {
    BookCollection c = EightAuthors();
    c.authors[7] = "Smith, John";
    AddBook(c, 3);
    AddBook(c, 7);
    const std::vector<uint8_t> before = SerializeBookFile(c);
    UserMessage why;
    EXPECT_FALSE(RemoveAuthorEntry(c, 3, why));
    EXPECT_EQ(why.text, "Cannot remove author... currently being used by a book");
    EXPECT_EQ(why.caption, "Smith, John");
    EXPECT_EQ(why.style, mb::IconExclamation);
    EXPECT_EQ(SerializeBookFile(c), before);
}

TEST(ListMaintenance, AuthorOfADeletedBookOnlyIsStillInUse) {
    BookCollection c = EightAuthors();
    AddBook(c, 5, 0, HaveRead | Deleted);
    const std::vector<uint8_t> before = SerializeBookFile(c);
    UserMessage why;
    EXPECT_FALSE(RemoveAuthorEntry(c, 5, why));
    EXPECT_EQ(why.caption, "Eco, Umberto");
    EXPECT_EQ(SerializeBookFile(c), before);
}

TEST(ListMaintenance, UnusedAuthorIsRemovedAndLaterNumbersMoveDown) {
    BookCollection c = EightAuthors();
    AddBook(c, 2);
    AddBook(c, 6);
    AddBook(c, 8, 0, WantToRead | Deleted);
    UserMessage why;
    ASSERT_TRUE(RemoveAuthorEntry(c, 4, why));
    EXPECT_EQ(c.authorCount(), 7);
    EXPECT_EQ(c.authors[4], "Eco, Umberto");
    EXPECT_EQ(Authors(c), (std::vector<int32_t>{2, 5, 7}));
}

TEST(ListMaintenance, RemovingCallNumberTwoOfThreeRenumbersTheBooks) {
    BookCollection c = EightAuthors();
    c.callNumbers = {"Fic", "Mys", "SF"};
    AddBook(c, 1, 1);
    AddBook(c, 1, 2);
    AddBook(c, 1, 3);
    AddBook(c, 1, 2, WantToRead | Deleted);
    AddBook(c, 1, 0);
    RemoveListEntry(c, ListKind::CallNumbers, 2);
    EXPECT_EQ(c.callNumbers, (TextList{"Fic", "SF"}));
    std::vector<int32_t> numbers;
    for (const BookRecord& r : c.records.raw()) numbers.push_back(r.callNumber);
    EXPECT_EQ(numbers, (std::vector<int32_t>{1, 0, 2, 0, 0}));
}

}  // namespace
}  // namespace tome
