#include "books/collection.h"

#include <gtest/gtest.h>

#include <random>

#include "books/order_date.h"

namespace tome {
namespace {

Book MakeBook(uint16_t author, const std::string& title, uint8_t flags = WantToRead | Shown) {
    Book b;
    b.record.author = author;
    b.record.flags = flags;
    b.title = title;
    return b;
}

// Books 1..n in the given display order, with titles "B<k>".
BookCollection WithOrder(const std::vector<int32_t>& order) {
    BookCollection c;
    c.authors.append("Austen, Jane");
    for (size_t k = 1; k <= order.size(); ++k) {
        c.records.append(MakeBook(1, "").record);
        c.titles.append("B" + std::to_string(k));
        c.comments.append("");
    }
    for (int32_t k : order) c.sortIndex.append(k);
    return c;
}

// The purge done one deletion at a time, shifting as it goes.
void PurgeStepByStep(BookCollection& c) {
    int32_t count = c.sortIndex.count();
    int32_t p = 1;
    while (p <= count) {
        const int32_t k = c.sortIndex[p];
        if (!c.records[k].has(Deleted)) {
            ++p;
            continue;
        }
        c.sortIndex.removeAt(p);
        --count;
        for (int32_t i = 1; i <= count; ++i) {
            if (c.sortIndex[i] > k) --c.sortIndex[i];
        }
        c.records.removeAt(k);
        c.titles.removeAt(k);
        c.comments.removeAt(k);
    }
}

TEST(Purge, WorkedExampleKeepsRelativeOrder) {
    BookCollection c = WithOrder({3, 1, 5, 2, 4});
    c.records[1].set(Deleted);
    c.records[5].set(Deleted);
    PurgeDeletedBooks(c);
    ASSERT_EQ(c.bookCount(), 3);
    EXPECT_EQ(c.sortIndex.raw(), (std::vector<int32_t>{2, 1, 3}));
    EXPECT_EQ(c.titles.raw(), (std::vector<std::string>{"B2", "B3", "B4"}));
}

TEST(Purge, EmptyAndAllDeletedAndNoneDeleted) {
    BookCollection empty;
    PurgeDeletedBooks(empty);
    EXPECT_EQ(empty.bookCount(), 0);

    BookCollection only = WithOrder({1});
    DeleteBook(only, 1);
    PurgeDeletedBooks(only);
    EXPECT_EQ(only.bookCount(), 0);
    EXPECT_EQ(only.sortIndex.count(), 0);
    EXPECT_EQ(only.titles.count(), 0);

    BookCollection none = WithOrder({2, 1});
    const BookCollection before = none;
    PurgeDeletedBooks(none);
    EXPECT_TRUE(none == before);
}

TEST(Purge, MatchesStepByStepOnRandomCollections) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(rng() % 40);
        std::vector<int32_t> order(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i + 1;
        std::shuffle(order.begin(), order.end(), rng);
        BookCollection fast = WithOrder(order);
        for (int32_t k = 1; k <= n; ++k) {
            if (rng() % 3 == 0) fast.records[k].set(Deleted);
        }
        BookCollection slow = fast;
        PurgeDeletedBooks(fast);
        PurgeStepByStep(slow);
        ASSERT_TRUE(fast == slow) << "round " << round;
    }
}

TEST(Books, AddPutsNumberAtPositionAndEditMarksOldVersion) {
    BookCollection c = WithOrder({1, 2});
    const int32_t added = AddBookAt(c, MakeBook(1, "Emma"), 2);
    EXPECT_EQ(added, 3);
    EXPECT_EQ(c.sortIndex.raw(), (std::vector<int32_t>{1, 3, 2}));
    EXPECT_EQ(c.titles[3], "Emma");

    const int32_t edited = EditBookAt(c, 3, MakeBook(1, "Emma, revised"), 4);
    EXPECT_EQ(edited, 4);
    EXPECT_TRUE(c.records[3].has(Deleted));
    EXPECT_EQ(c.titles[3], "Emma");
    EXPECT_EQ(c.sortIndex.raw(), (std::vector<int32_t>{1, 3, 2, 4}));

    // Edited twice before a save: two deleted slots, one live book after purge.
    EditBookAt(c, 4, MakeBook(1, "Emma, third"), 5);
    PurgeDeletedBooks(c);
    EXPECT_EQ(c.bookCount(), 3);
    EXPECT_EQ(c.titles[3], "Emma, third");
    EXPECT_EQ(c.sortIndex.raw(), (std::vector<int32_t>{1, 2, 3}));
}

TEST(Lists, RemovingAnEntryRenumbersRecords) {
    BookCollection c = WithOrder({1, 2, 3});
    c.callNumbers = TextList{"Fic", "Mys", "SF"};
    c.records[1].callNumber = 1;
    c.records[2].callNumber = 2;
    c.records[3].callNumber = 3;
    RemoveListEntry(c, ListKind::CallNumbers, 2);
    EXPECT_EQ(c.callNumbers.raw(), (std::vector<std::string>{"Fic", "SF"}));
    EXPECT_EQ(c.records[1].callNumber, 1);
    EXPECT_EQ(c.records[2].callNumber, 0);
    EXPECT_EQ(c.records[3].callNumber, 2);
    EXPECT_EQ(AddListEntry(c.callNumbers, "YA"), 3);
}

TEST(Lists, AuthorTextOfMissingAuthorIsEmpty) {
    BookCollection c = WithOrder({1});
    c.records[1].author = 0;
    EXPECT_EQ(AuthorText(c, 1), "");
    c.records[1].author = 9;
    EXPECT_EQ(AuthorText(c, 1), "");
}

TEST(OrderDate, FormatsPackedDates) {
    EXPECT_EQ(FormatOrderDate(0x3243), "02-03-2005");
    EXPECT_EQ(FormatOrderDate((27 << 9) | (12 << 5) | 31), "12-31-2007");
    EXPECT_EQ(FormatOrderDate(0xFFFF), "15-31-2107");
}

TEST(OrderDate, ParsesBothSeparatorsAndShortYears) {
    EXPECT_EQ(ParseOrderDate("2/3/05"), 0x3243);
    EXPECT_EQ(ParseOrderDate("2-3-2005"), 0x3243);
    EXPECT_EQ(ParseOrderDate("2-3/2005"), 0x3243);
    EXPECT_EQ(ParseOrderDate(""), 0);
    EXPECT_EQ(ParseOrderDate("12/31/99") >> 9, 2099 - 1980);
    EXPECT_EQ(ParseOrderDate("1/1/1980"), (1 << 5) | 1);
    EXPECT_EQ(FormatOrderDate(ParseOrderDate("12/31/2107")), "12-31-2107");
}

TEST(OrderDate, OddInputsFollowTheFormula) {
    // Missing year: 0 + 2000.
    EXPECT_EQ(ParseOrderDate("2/3"), (20 << 9) | (2 << 5) | 3);
    // Not a number at all: month and day 0, year 2000.
    EXPECT_EQ(ParseOrderDate("abc"), 20 << 9);
    // Leading blanks skipped; fractions rounded half to even.
    EXPECT_EQ(ParseOrderDate(" 2/ 2.5/05"), (25 << 9) | (2 << 5) | 2);
    EXPECT_EQ(ParseOrderDate("2/3.5/05"), (25 << 9) | (2 << 5) | 4);
    // Year before 1980 rotates into the low bits: 1979 - 1980 = 0xFFFF.
    EXPECT_EQ(ParseOrderDate("1/1/1979"), static_cast<uint16_t>(0xFFFF + (1 << 5) + 1));
    // Month 13 rotates its top bit past bit 8 into the year.
    EXPECT_EQ(ParseOrderDate("13/45/05"), static_cast<uint16_t>((13 << 5) + (25 << 9) + 45));
    // Three-digit years are not four characters long: 2000 is added.
    EXPECT_EQ(ParseOrderDate("1/1/100") >> 9, 2100 - 1980);
    // A year field of four characters with a blank is taken as typed.
    EXPECT_EQ(ParseOrderDate("1/1/ 999"), 22553);  // 999 - 1980 = 0xFC2B, rotated right by 7
}

}  // namespace
}  // namespace tome
