// Rows of the multi-column list: adding with fitting, counts, positions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/column_list_model.h"

namespace tome {
namespace {

using ::testing::ElementsAre;

size_t KeepAll(std::string_view cell, int32_t) { return cell.size(); }

ColumnListModel BookList() {
    ColumnListModel model;
    model.SetLayout(LayOutColumns(716, 17, {23, 32, 12, 9, 12, 12},
                                  {"Author", "Title", "Call No", "\x02Pub Date", "\x02  Ordered", "  Library"}));
    return model;
}

TEST(ColumnListRowsTest, FewerCellsLeaveNoTrailingTabs) {
    ColumnListModel model = BookList();
    EXPECT_EQ(model.AddRow("Smith, Jo\tRain", 7, KeepAll), "Smith, Jo\tRain");
    EXPECT_EQ(model.AddRow("A\tB\t\t\t\t", 8, KeepAll), "A\tB");
    // Empty cells inside the row stay.
    EXPECT_EQ(model.AddRow("\tTitle only\t\tYear", 9, KeepAll), "\tTitle only\t\tYear");
    EXPECT_EQ(model.AddRow("", 10, KeepAll), "");
    EXPECT_EQ(model.RowCount(), 4);
    EXPECT_EQ(model.DisplayText(2), "A\tB");
    EXPECT_EQ(model.ItemDataAt(3), 9);
    EXPECT_EQ(model.RowAt(4), 4);
}

TEST(ColumnListRowsTest, CellsBeyondTheColumnsAreDropped) {
    ColumnListModel model;
    model.SetLayout(LayOutColumns(125, 17, {50, 50}, {"A", "B"}));
    EXPECT_EQ(model.AddRow("one\ttwo\tthree", 1, KeepAll), "one\ttwo");
}

TEST(ColumnListRowsTest, EveryCellIsFittedToNinetyFivePercentOfItsColumn) {
    ColumnListModel model = BookList();
    std::vector<int32_t> limits;
    std::vector<std::string> cells;
    auto record = [&](std::string_view cell, int32_t maxWidth) {
        cells.emplace_back(cell);
        limits.push_back(maxWidth);
        return cell.size();
    };
    model.AddRow("a\tb", 1, record);
    // 159 x 0.95 = 151.05, 221 -> 209.95, 83 -> 78.85, 62 -> 58.9.
    EXPECT_THAT(limits, ElementsAre(151, 210, 79, 59, 79, 79));
    EXPECT_THAT(cells, ElementsAre("a", "b", "", "", "", ""));
}

TEST(ColumnListRowsTest, LastColumnFitsItsPercentageWidthNotItsDrawnWidth) {
    ColumnListModel model;
    // Widths 50 and 50, the last drawn 51. 0.95 is single precision, so
    // 50 x 0.95 is just under 47.5 and gives 47 (51 would give 48).
    model.SetLayout(LayOutColumns(126, 17, {50, 50}, {"A", "B"}));
    std::vector<int32_t> limits;
    model.AddRow("x\ty", 1, [&](std::string_view cell, int32_t maxWidth) {
        limits.push_back(maxWidth);
        return cell.size();
    });
    EXPECT_THAT(limits, ElementsAre(47, 47));
}

TEST(ColumnListRowsTest, FittingCutsCellsAndTheCallerGetsTheCutText) {
    ColumnListModel model = BookList();
    auto threeChars = [](std::string_view cell, int32_t) { return std::min<size_t>(cell.size(), 3); };
    EXPECT_EQ(model.AddRow("Longname\tTitle\tFic\t2004\t\tMain", 5, threeChars), "Lon\tTit\tFic\t200\t\tMai");
    EXPECT_EQ(model.DisplayText(1), "Lon\tTit\tFic\t200\t\tMai");
    // A cut that leaves trailing cells empty drops their TABs too.
    auto nothing = [](std::string_view, int32_t) { return size_t{0}; };
    EXPECT_EQ(model.AddRow("a\tb\tc", 6, nothing), "");
}

TEST(ColumnListRowsTest, SetRowCountZeroKeepsRowsAndAddRowOverwritesFromRowOne) {
    ColumnListModel model = BookList();
    model.AddRow("one", 11, KeepAll);
    model.AddRow("two", 12, KeepAll);
    model.AddRow("three", 13, KeepAll);
    model.SetRowCount(0);
    EXPECT_EQ(model.RowCount(), 0);
    EXPECT_EQ(model.ShownRowCount(), 0);
    // The arrays keep their old contents beyond the count.
    EXPECT_EQ(model.ItemDataAt(3), 13);
    EXPECT_EQ(model.RowAt(2), 2);

    model.AddRow("new", 21, KeepAll);
    EXPECT_EQ(model.RowCount(), 1);
    EXPECT_EQ(model.DisplayText(1), "new");
    EXPECT_EQ(model.ItemDataAt(1), 21);
    EXPECT_EQ(model.ItemDataAt(2), 12);
    // Only the new row is shown and found.
    EXPECT_EQ(model.PositionOfItem(12), 0);
    EXPECT_EQ(model.PositionOfItem(21), 1);
}

TEST(ColumnListRowsTest, RowAtAndItemDataAtOutsideTheArraysAreZero) {
    ColumnListModel model = BookList();
    EXPECT_EQ(model.RowAt(1), 0);
    EXPECT_EQ(model.ItemDataAt(1), 0);
    model.AddRow("a", 31, KeepAll);
    model.AddRow("b", 32, KeepAll);
    for (int32_t p : {0, -1, 3, 1000}) {
        EXPECT_EQ(model.RowAt(p), 0) << p;
        EXPECT_EQ(model.ItemDataAt(p), 0) << p;
    }
    EXPECT_EQ(model.ItemDataAt(2), 32);
}

TEST(ColumnListRowsTest, CurrentRow) {
    ColumnListModel model = BookList();
    model.SetCurrentRow(4);
    EXPECT_EQ(model.CurrentRow(), 0);  // no rows
    EXPECT_EQ(model.ItemDataAt(model.CurrentRow()), 0);
    for (int i = 1; i <= 6; ++i) model.AddRow("r", 40 + i, KeepAll);
    EXPECT_EQ(model.CurrentRow(), 4);
    EXPECT_EQ(model.SetCurrentRow(-5), 5);
    EXPECT_EQ(model.CurrentRow(), 5);
    EXPECT_EQ(model.SetCurrentRow(0), 1);
    EXPECT_EQ(model.SetCurrentRow(-2147483647 - 1), 2147483647);
    model.SetRowCount(0);
    EXPECT_EQ(model.CurrentRow(), 0);
}

// A fill of rows (text, item), as FillList makes one.
void Fill(ColumnListModel& model, const std::vector<std::pair<std::string, int32_t>>& rows) {
    model.SetRowCount(0);
    for (const auto& [text, item] : rows) model.AddRow(text, item, KeepAll);
}

TEST(ColumnListShownTest, OnlyTheSameRowsInTheSameOrderCountAsUnchanged) {
    const std::vector<std::pair<std::string, int32_t>> rows = {{"Austen\tEmma", 3}, {"Eliot\tMiddlemarch", 5},
                                                               {"Smith\tWhite Teeth", 6}};
    ColumnListModel model = BookList();
    Fill(model, rows);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "never shown";
    model.MarkShown();
    Fill(model, rows);
    EXPECT_TRUE(model.UnchangedSinceShown());

    auto changed = rows;
    changed[1].first = "Eliot\tMiddlemarch!";
    Fill(model, changed);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "a row's text";
    model.MarkShown();
    Fill(model, rows);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "back to the old text";

    model.MarkShown();
    changed = rows;
    changed[2].second = 7;
    Fill(model, changed);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "a row's item";

    model.MarkShown();
    Fill(model, {rows[0], rows[1]});
    EXPECT_FALSE(model.UnchangedSinceShown()) << "one row fewer";
    model.MarkShown();
    Fill(model, rows);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "one row more";

    model.MarkShown();
    model.ForgetShown();
    Fill(model, rows);
    EXPECT_FALSE(model.UnchangedSinceShown()) << "forgotten";
}

TEST(ColumnListShownTest, ASortedListIsNotTheFilledOrder) {
    // One item for every row: only the order tells the fills apart.
    const std::vector<std::pair<std::string, int32_t>> rows = {{"b\tTwo", 9}, {"a\tOne", 9}, {"c\tThree", 9}};
    ColumnListModel model = BookList();
    Fill(model, rows);
    model.MarkShown();
    ASSERT_TRUE(model.SortByColumn(1));
    EXPECT_FALSE(model.UnchangedSinceShown()) << "sorted since shown";
    // Shown sorted, the list box holds a b c; a refill in the filled order
    // b a c is not what it holds.
    model.MarkShown();
    Fill(model, rows);
    EXPECT_FALSE(model.UnchangedSinceShown());
    model.MarkShown();
    Fill(model, rows);
    EXPECT_TRUE(model.UnchangedSinceShown()) << "shown in the filled order again";

    model.SetLayout(model.Layout());
    EXPECT_FALSE(model.UnchangedSinceShown()) << "laid out again";
}

}  // namespace
}  // namespace tome
