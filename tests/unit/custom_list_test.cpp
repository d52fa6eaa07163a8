#include "books/custom_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "books/list_filling.h"
#include "fake_screen.h"

namespace tome {
namespace {

// Two authors and two categories; books in every reading state, one deleted.
class CustomListTest : public ::testing::Test {
protected:
    void SetUp() override {
        books.authors = TextList{"Austen, Jane", "Eliot, George"};
        books.categories = TextList{"Novels", "Letters"};
        neither = Add(1, 1, 0, "Emma");
        toRead = Add(1, 1, WantToRead, "Persuasion");
        read = Add(1, 2, HaveRead, "Letters to Cassandra");
        both = Add(1, 1, WantToRead | HaveRead, "Mansfield Park");
        otherAuthor = Add(2, 1, HaveRead, "Middlemarch");
        deletedRead = Add(1, 1, HaveRead | Deleted, "Sanditon");
    }

    int32_t Add(uint16_t author, uint8_t category, uint8_t flags, const char* title) {
        Book b;
        b.record.author = author;
        b.record.category = category;
        b.record.flags = flags;
        b.title = title;
        // Each new book goes first, so the display order is not the numbering.
        return AddBookAt(books, b, 1);
    }

    std::vector<int32_t> Marked() const {
        std::vector<int32_t> marked;
        for (int32_t b = 1; b <= books.bookCount(); ++b) {
            if (books.records[b].has(InCustomList)) marked.push_back(b);
        }
        return marked;
    }

    using V = std::vector<int32_t>;
    BookCollection books;
    int32_t neither = 0, toRead = 0, read = 0, both = 0, otherAuthor = 0, deletedRead = 0;
};

TEST_F(CustomListTest, ByAuthorWithEachStateFilter) {
    BuildCustomList(books, CustomListBy::Author, 1, AllStates);
    EXPECT_EQ(Marked(), (V{neither, toRead, read, both, deletedRead}));

    BuildCustomList(books, CustomListBy::Author, 1, OnlyWantToRead);
    EXPECT_EQ(Marked(), (V{toRead}));

    // Read and still to read again is state 3, which is not "Have read".
    BuildCustomList(books, CustomListBy::Author, 1, OnlyHaveRead);
    EXPECT_EQ(Marked(), (V{read, deletedRead}));
}

TEST_F(CustomListTest, ByCategoryLooksAtTheCategoryNotTheAuthor) {
    BuildCustomList(books, CustomListBy::Category, 2, AllStates);
    EXPECT_EQ(Marked(), (V{read}));

    BuildCustomList(books, CustomListBy::Category, 1, OnlyHaveRead);
    EXPECT_EQ(Marked(), (V{otherAuthor, deletedRead}));
}

TEST_F(CustomListTest, ANewBuildReplacesTheOldMarks) {
    BuildCustomList(books, CustomListBy::Author, 2, AllStates);
    EXPECT_EQ(Marked(), (V{otherAuthor}));
    BuildCustomList(books, CustomListBy::Author, 1, OnlyWantToRead);
    EXPECT_EQ(Marked(), (V{toRead}));
}

TEST_F(CustomListTest, NoChoiceMarksNothing) {
    BuildCustomList(books, CustomListBy::Author, 1, AllStates);
    BuildCustomList(books, CustomListBy::Author, -1, AllStates);
    EXPECT_TRUE(Marked().empty());
}

TEST_F(CustomListTest, OnlyTheCustomListMarkChanges) {
    std::vector<uint8_t> before;
    for (const BookRecord& r : books.records.raw()) before.push_back(r.flags);
    BuildCustomList(books, CustomListBy::Author, 1, AllStates);
    ClearCustomList(books);
    for (int32_t b = 1; b <= books.bookCount(); ++b) EXPECT_EQ(books.records[b].flags, before[b - 1]) << b;
}

TEST_F(CustomListTest, ClearRemovesEveryMark) {
    BuildCustomList(books, CustomListBy::Author, 1, AllStates);
    ClearCustomList(books);
    EXPECT_TRUE(Marked().empty());
}

TEST_F(CustomListTest, TheFourthTabShowsTheMarkedBooksButNeverADeletedOne) {
    FileState files;
    ListState listState;
    testing::FakeList list;
    testing::FakeWindow window;
    BuildCustomList(books, CustomListBy::Author, 1, OnlyHaveRead);
    FillList(ListScreen{books, files, listState, 4, list, window}, 0, 0);
    ASSERT_EQ(list.shownRows().size(), 1u);
    EXPECT_EQ(list.shownRows()[0].item, read);
    EXPECT_EQ(listState.shownCount, 1);
}

TEST(StateFilter, FirstOptionThatIsOn) {
    EXPECT_EQ(StateFilterOf(true, false, false), AllStates);
    EXPECT_EQ(StateFilterOf(false, true, false), OnlyWantToRead);
    EXPECT_EQ(StateFilterOf(false, false, true), OnlyHaveRead);
    EXPECT_EQ(StateFilterOf(false, true, true), OnlyWantToRead);
    EXPECT_EQ(StateFilterOf(false, false, false), AllStates);
}

}  // namespace
}  // namespace tome
