#include "books/sort_key.h"

#include <gtest/gtest.h>

#include <random>

#include "books/normalise.h"

namespace tome {
namespace {

TEST(StrippedTitle, LeadingArticlesInOrderEachRepeated) {
    EXPECT_EQ(StrippedTitle("The Zoo"), "Zoo");
    EXPECT_EQ(StrippedTitle("An Apple"), "Apple");
    EXPECT_EQ(StrippedTitle("The The A A An An X"), "X");
    // "A " goes after "The ", so a "The " behind it stays.
    EXPECT_EQ(StrippedTitle("A The Zoo"), "The Zoo");
    EXPECT_EQ(StrippedTitle("An A Zoo"), "A Zoo");
    EXPECT_EQ(StrippedTitle("the Zoo"), "the Zoo");
    EXPECT_EQ(StrippedTitle("Theory"), "Theory");
    EXPECT_EQ(StrippedTitle("The"), "The");
    EXPECT_EQ(StrippedTitle(" The Zoo "), "The Zoo");
    EXPECT_EQ(StrippedTitle("The    Zoo  "), "Zoo");
    EXPECT_EQ(StrippedTitle("The "), "");
}

TEST(SortKey, LowerCasedAuthorBlankTitle) {
    EXPECT_EQ(SortKey("Poe, Edgar", "The Raven"), "poe, edgar raven");
    EXPECT_EQ(SortKey("\xC9" "co, U", "Il Nome"), "\xE9" "co, u il nome");
    EXPECT_EQ(SortKey("", ""), " ");
}

TEST(SortKey, TheTheEndKeepsTheLowerCaseThe) {
    const std::string title = NormaliseTitle("the the end");
    ASSERT_EQ(title, "The the End");
    EXPECT_EQ(SortKey("Poe", title), "poe the end");
}

TEST(CompareSortKeys, UnsignedBytesAndPrefixFirst) {
    EXPECT_LT(CompareSortKeys("smith", "smithe"), 0);
    EXPECT_GT(CompareSortKeys("smithe", "smith"), 0);
    EXPECT_EQ(CompareSortKeys("smith", "smith"), 0);
    EXPECT_GT(CompareSortKeys("\xE9", "z"), 0);
    EXPECT_LT(CompareSortKeys("a b", "a,"), 0);
    EXPECT_LT(CompareSortKeys("", std::string(1, '\0')), 0);
}

BookCollection Shelf(const std::vector<std::pair<std::string, std::string>>& authorAndTitle) {
    BookCollection c;
    for (const auto& [author, title] : authorAndTitle) {
        Book b;
        b.title = title;
        int32_t n = 0;
        for (int32_t i = 1; i <= c.authorCount(); ++i) {
            if (c.authors[i] == author) n = i;
        }
        b.record.author = static_cast<uint16_t>(n ? n : AddListEntry(c.authors, author));
        AddBookAt(c, b, c.bookCount() + 1);
    }
    return c;
}

TEST(InsertPosition, ArticlesDoNotCount) {
    BookCollection c = Shelf({{"Adams, Ann", "The Zoo"}});
    // An Apple keys on "apple" and goes before The Zoo ("zoo").
    EXPECT_EQ(InsertPosition(c, "Adams, Ann", "An Apple"), 1);
    EXPECT_EQ(InsertPosition(c, "Adams, Ann", "Zoology"), 2);
}

TEST(InsertPosition, AccentedLettersSortAfterZ) {
    BookCollection c = Shelf({{"Zola, Emile", "Nana"}});
    EXPECT_EQ(InsertPosition(c, "\xC9mile", "X"), 2);
    EXPECT_EQ(InsertPosition(c, "Yeats", "X"), 1);
}

TEST(InsertPosition, AfterEqualKeysAndWithDeletedBooks) {
    BookCollection c = Shelf({{"Brown, Bo", "Alpha"}, {"Brown, Bo", "Beta"}, {"Brown, Bo", "beta"}, {"Cole, C", "Gamma"}});
    // Keys "brown, bo beta" twice: a new equal one goes after both.
    EXPECT_EQ(InsertPosition(c, "Brown, Bo", "BETA"), 4);
    EXPECT_EQ(InsertPosition(c, "Brown, Bo", "The Beta"), 4);
    // Deleted books keep their place in the order until the next save.
    DeleteBook(c, 2);
    DeleteBook(c, 3);
    EXPECT_EQ(InsertPosition(c, "Brown, Bo", "Beta"), 4);
    EXPECT_EQ(InsertPosition(c, "Zed", "Omega"), 5);
    EXPECT_EQ(InsertPosition(c, "Able", "Omega"), 1);
}

TEST(InsertPosition, EmptyAuthorCountsAsOneBlank) {
    // A book with author 0 reads as the empty text, key " apple".
    BookCollection c = Shelf({{"Able", "X"}});
    Book noAuthor;
    noAuthor.title = "Apple";
    AddBookAt(c, noAuthor, 1);
    // The new book's key "  apple" sorts before " apple".
    EXPECT_EQ(InsertPosition(c, "", "Apple"), 1);
    EXPECT_EQ(InsertPosition(c, " ", "Apple"), 1);
    EXPECT_EQ(InsertPosition(BookCollection{}, "", "Apple"), 1);
}

TEST(InsertPosition, OutOfOrderFileStopsAtTheFirstGreaterKey) {
    // Books loaded from a file keep the file's order, sorted or not.
    BookCollection c = Shelf({{"Zed", "A"}, {"Able", "B"}});
    EXPECT_EQ(InsertPosition(c, "Moe", "C"), 1);
}

// The loop as described: keys built in full, compared as strings.
int32_t InsertPositionByKeys(const BookCollection& c, const std::string& author, const std::string& title) {
    const std::string newKey = SortKey(author.empty() ? " " : author, title);
    for (int32_t p = 1; p <= c.bookCount(); ++p) {
        const int32_t b = c.sortIndex[p];
        if (SortKey(AuthorText(c, b), c.titles[b]).compare(newKey) > 0) return p;
    }
    return c.bookCount() + 1;
}

TEST(InsertPosition, MatchesBuiltKeysOnRandomShelves) {
    std::mt19937 rng(4242);
    const std::string letters = "aAbB \xE9\xC9\xFF\x9F";
    auto word = [&](size_t maxLength) {
        std::string w;
        const size_t n = rng() % (maxLength + 1);
        for (size_t i = 0; i < n; ++i) w += letters[rng() % letters.size()];
        if (rng() % 4 == 0) w = (rng() % 2 ? "The " : "An ") + w;
        return w;
    };
    for (int round = 0; round < 200; ++round) {
        BookCollection c;
        for (int i = 0; i < 5; ++i) AddListEntry(c.authors, word(3));
        const int n = static_cast<int>(rng() % 20);
        for (int i = 0; i < n; ++i) {
            Book b;
            b.record.author = static_cast<uint16_t>(rng() % 7);  // 0 and 6 read as empty
            b.title = word(4);
            if (rng() % 5 == 0) b.record.set(Deleted);
            AddBookAt(c, b, static_cast<int32_t>(rng() % static_cast<uint32_t>(c.bookCount() + 1)) + 1);
        }
        for (int probe = 0; probe < 10; ++probe) {
            const std::string author = word(3);
            const std::string title = word(4);
            ASSERT_EQ(InsertPosition(c, author, title), InsertPositionByKeys(c, author, title))
                << "round " << round << " author '" << author << "' title '" << title << "'";
        }
    }
}

}  // namespace
}  // namespace tome
