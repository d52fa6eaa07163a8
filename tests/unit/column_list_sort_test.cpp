// Sorting the multi-column list by a column, and the date keys it sorts by.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "controls/column_list_model.h"

namespace tome {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

size_t KeepAll(std::string_view cell, int32_t) { return cell.size(); }

// A two-column list: a text column and one of the given kind's heading.
ColumnListModel TwoColumns(const std::string& secondHeading) {
    ColumnListModel model;
    model.SetLayout(LayOutColumns(617, 17, {50, 50}, {"Name", secondHeading}));
    return model;
}

void AddRows(ColumnListModel& model, const std::vector<std::string>& rows, int32_t firstItem = 101) {
    for (size_t i = 0; i < rows.size(); ++i) model.AddRow(rows[i], firstItem + static_cast<int32_t>(i), KeepAll);
}

std::vector<std::string> Shown(const ColumnListModel& model) {
    std::vector<std::string> texts;
    for (int32_t p = 1; p <= model.ShownRowCount(); ++p) texts.push_back(model.DisplayText(p));
    return texts;
}

std::vector<int32_t> Items(const ColumnListModel& model) {
    std::vector<int32_t> items;
    for (int32_t p = 1; p <= model.ShownRowCount(); ++p) items.push_back(model.ItemDataAt(p));
    return items;
}

TEST(DateKeyTest, PackedOrderDates) {
    EXPECT_EQ(DateKey("03-15-2004"), 24 * 512 + 3 * 32 + 15);
    EXPECT_EQ(DateKey("03/15/2004"), 12399);
    EXPECT_EQ(DateKey("01-01-1980"), 32 + 1);
    EXPECT_EQ(DateKey("12-31-2107"), 127 * 512 + 12 * 32 + 31);
}

TEST(DateKeyTest, PartsAreReadByPositionAndLeniently) {
    // A bare year: month "20", day "4".
    EXPECT_EQ(DateKey("2004"), 24 * 512 + 640 + 4);
    // Without leading zeros the day field is "5/".
    EXPECT_EQ(DateKey("3/15/2004"), 24 * 512 + 3 * 32 + 5);
    // The blank after an order date is one of the last four characters:
    // the year reads as 5, and 5 - 1980 wraps within 16 bits.
    const uint16_t word = static_cast<uint16_t>(5 - 1980);
    const int32_t wrappedYear = ((word >> 7) | (word << 9)) & 0xFFFF;
    EXPECT_EQ(DateKey("02-03-2005 "), wrappedYear + 2 * 32 + 3);
    EXPECT_NE(DateKey("02-03-2005 "), DateKey("02-03-2005"));
}

TEST(DateKeyTest, YearsBefore1980WrapNear2099) {
    // 1970 - 1980 rotated is one below 2099's year part.
    EXPECT_EQ(DateKey("01-01-2099") - DateKey("01-01-1970"), 1);
    EXPECT_GT(DateKey("1970"), DateKey("2098"));
    EXPECT_LT(DateKey("1970"), DateKey("2099"));
    // Bare years still rise with the year from 1980 on.
    for (int year = 1980; year < 2107; ++year) {
        EXPECT_LT(DateKey(std::to_string(year)), DateKey(std::to_string(year + 1))) << year;
    }
}

TEST(DateKeyTest, OrderCellsWithTheirBlankSortChronologicallyTo2059) {
    int32_t previous = -1;
    std::string previousText;
    char text[40];
    for (int year = 1980; year <= 2059; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 9, 10, 28, 31}) {
                std::snprintf(text, sizeof text, "%02d-%02d-%04d ", month, day, year);
                const int32_t key = DateKey(text);
                ASSERT_GT(key, previous) << text << " after " << previousText;
                previous = key;
                previousText = text;
            }
        }
    }
}

TEST(ColumnSortTest, TextColumnAscendingThenDescendingKeepsTheSelectedBook) {
    ColumnListModel model;
    model.SetLayout(LayOutColumns(716, 17, {23, 32, 12, 9, 12, 12},
                                  {"Author", "Title", "Call No", "\x02Pub Date", "\x02  Ordered", "  Library"}));
    AddRows(model, {"Drake\tWinter", "Adams\tSpring", "Bell\tAutumn", "Cole\tSummer"});
    model.SetCurrentRow(3);  // Bell, item 103

    // "Cole" at the end is not above "Drake" at the start: ascending.
    ColumnListModel::HeadingClick click = model.ClickHeading(1);
    EXPECT_TRUE(click.sorted);
    EXPECT_THAT(Items(model), ElementsAre(102, 103, 104, 101));
    EXPECT_EQ(click.position, 2);
    model.SetCurrentRow(click.position);
    EXPECT_EQ(model.ItemDataAt(model.CurrentRow()), 103);

    click = model.ClickHeading(1);
    EXPECT_THAT(Items(model), ElementsAre(101, 104, 103, 102));
    EXPECT_EQ(click.position, 3);
    model.SetCurrentRow(click.position);
    EXPECT_EQ(model.ItemDataAt(model.CurrentRow()), 103);

    // Row texts move with their items.
    model.ClickHeading(2);
    EXPECT_THAT(Shown(model), ElementsAre("Bell\tAutumn", "Adams\tSpring", "Cole\tSummer", "Drake\tWinter"));
    EXPECT_THAT(Items(model), ElementsAre(103, 102, 104, 101));
}

TEST(ColumnSortTest, SortingMakesTheCurrentRowTheRowNumberShownThere) {
    ColumnListModel model = TwoColumns("B");
    AddRows(model, {"c", "a", "b"});
    model.SortByColumn(1);  // a b c: rows 2 3 1
    model.SetCurrentRow(1);
    model.SortByColumn(1);  // c b a
    EXPECT_EQ(model.StoredCurrentRow(), 2);  // row 2 was at position 1
}

TEST(ColumnSortTest, OnlyAtoZFoldAndOtherBytesCompareUnsigned) {
    ColumnListModel model = TwoColumns("B");
    // 0xE9 and 0xC9 (e acute, E acute) stay apart and above every ASCII letter.
    AddRows(model, {"\xe9t\xe9", "Zoo", "apple", "\xc9" "cole", "Banana", "ZOO"});
    // First "\xe9t\xe9" is above last "ZOO": not ascending yet, so sort ascending.
    model.SortByColumn(1);
    const std::vector<std::string> shown = Shown(model);
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0], "apple");
    EXPECT_EQ(shown[1], "Banana");
    EXPECT_THAT((std::vector<std::string>{shown[2], shown[3]}), ::testing::UnorderedElementsAre("Zoo", "ZOO"));
    EXPECT_EQ(shown[4], "\xc9" "cole");
    EXPECT_EQ(shown[5], "\xe9t\xe9");
}

TEST(ColumnSortTest, DirectionTestIsCaseSensitive) {
    ColumnListModel model = TwoColumns("B");
    // "smith" is above "Smith" byte by byte, so the list counts as ascending
    // although the two keys sort as equal: it is sorted descending.
    AddRows(model, {"Smith", "Adams", "Zed", "smith"});
    model.SortByColumn(1);
    const std::vector<std::string> shown = Shown(model);
    EXPECT_EQ(shown.front(), "Zed");
    EXPECT_EQ(shown.back(), "Adams");

    ColumnListModel reversed = TwoColumns("B");
    AddRows(reversed, {"smith", "Adams", "Zed", "Smith"});
    reversed.SortByColumn(1);
    EXPECT_EQ(Shown(reversed).front(), "Adams");
    EXPECT_EQ(Shown(reversed).back(), "Zed");
}

TEST(ColumnSortTest, EqualFirstAndLastKeysSortAscending) {
    ColumnListModel model = TwoColumns("B");
    AddRows(model, {"Same\t1", "Zed\t2", "Adams\t3", "Same\t4"});
    model.SortByColumn(1);
    EXPECT_THAT(Items(model), ElementsAre(103, ::testing::AnyOf(101, 104), ::testing::AnyOf(101, 104), 102));
}

TEST(ColumnSortTest, NumberColumnSortsByValue) {
    ColumnListModel model = TwoColumns("\x01" "Count");
    AddRows(model, {"a\t10", "b\t9", "c\t100", "d\t-3", "e\tnone", "f\t2.5"});
    // First 10 is not below last 2.5 (read as 2, half to even): sorted ascending.
    model.SortByColumn(2);
    EXPECT_THAT(Items(model), ElementsAre(104, 105, 106, 102, 101, 103));
    model.SortByColumn(2);
    EXPECT_THAT(Items(model), ElementsAre(103, 101, 102, 106, 105, 104));
}

TEST(ColumnSortTest, DateColumnsSortByDateKey) {
    ColumnListModel model = TwoColumns("\x02  Ordered");
    AddRows(model, {"a\t12-01-1999 ", "b\t01-15-2004 ", "c\t06-30-1985 ", "d\t01-14-2004 "});
    // The first key is below the last: counts as ascending, so descending.
    model.SortByColumn(2);
    EXPECT_THAT(Items(model), ElementsAre(102, 104, 101, 103));
    model.SortByColumn(2);
    EXPECT_THAT(Items(model), ElementsAre(103, 101, 104, 102));
}

TEST(ColumnSortTest, TheKindsSignDoesNotChangeTheSort) {
    ColumnListModel model;
    model.SetLayout(LayOutColumns(617, 17, {50, -50}, {"Name", "\x01N"}));
    AddRows(model, {"a\t30", "b\t4", "c\t20"});
    model.SortByColumn(2);  // as numbers 4 20 30, not as texts "20" "30" "4"
    EXPECT_THAT(Items(model), ElementsAre(102, 103, 101));
}

TEST(ColumnSortTest, NothingToSort) {
    ColumnListModel model = TwoColumns("B");
    EXPECT_FALSE(model.SortByColumn(1));
    const ColumnListModel::HeadingClick click = model.ClickHeading(1);
    EXPECT_FALSE(click.sorted);
    EXPECT_EQ(click.position, 0);

    AddRows(model, {"b", "a"});
    EXPECT_FALSE(model.SortByColumn(0));
    EXPECT_FALSE(model.SortByColumn(3));
    EXPECT_THAT(Items(model), ElementsAre(101, 102));
}

TEST(ColumnSortTest, ManyRowsEndInOrderWithEveryRowOnce) {
    ColumnListModel model = TwoColumns("\x01N");
    std::vector<std::string> rows;
    for (int i = 0; i < 5000; ++i) rows.push_back("r\t" + std::to_string((i * 7919) % 1000));
    AddRows(model, rows, 1);
    model.SortByColumn(2);  // first 0 is below last 81: sorted descending
    std::vector<int32_t> seen;
    int32_t previous = 1000;
    for (int32_t p = 1; p <= model.RowCount(); ++p) {
        const int32_t row = model.RowAt(p);
        EXPECT_EQ(model.ItemDataAt(p), row);  // items travel with their rows
        const int32_t value = std::stoi(model.DisplayText(p).substr(2));
        EXPECT_LE(value, previous);
        previous = value;
        seen.push_back(row);
    }
    std::sort(seen.begin(), seen.end());
    std::vector<int32_t> all(5000);
    for (int i = 0; i < 5000; ++i) all[static_cast<size_t>(i)] = i + 1;
    EXPECT_THAT(seen, ElementsAreArray(all));
}

// Byte order with only a-z folded and a proper prefix first, written out
// the slow way.
bool FoldedBefore(const std::string& a, const std::string& b) {
    const auto fold = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 32) : u;
    };
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]);
    }
    return a.size() < b.size();
}

TEST(ColumnSortTest, TextsSharingLongPrefixesAndZeroBytesSortByEveryByte) {
    // Few letters and lengths around eight: many texts share their first
    // eight bytes or are prefixes of each other, some end in zero bytes.
    const char letters[] = {'a', 'A', 'b', '\0', '\xe9', ' '};
    std::vector<std::string> rows;
    unsigned seed = 7;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::string text(6 + (seed >> 16) % 6, 'a');
        for (char& c : text) {
            seed = seed * 1103515245u + 12345u;
            c = letters[(seed >> 16) % sizeof letters];
        }
        rows.push_back(text);
    }
    ColumnListModel model = TwoColumns("Other");
    model.SetLayout(LayOutColumns(617, 17, {100}, {"Name"}));
    AddRows(model, rows);
    for (int click = 1; click <= 2; ++click) {
        ASSERT_TRUE(model.SortByColumn(1));
        const std::vector<std::string> shown = Shown(model);
        // The first click sorts ascending, the second descending.
        for (size_t k = 1; k < shown.size(); ++k) {
            const std::string& earlier = click == 1 ? shown[k - 1] : shown[k];
            const std::string& later = click == 1 ? shown[k] : shown[k - 1];
            ASSERT_FALSE(FoldedBefore(later, earlier)) << "click " << click << ", rows " << k << " and " << k + 1;
        }
    }
}

}  // namespace
}  // namespace tome
