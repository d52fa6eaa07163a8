// Column layout of the multi-column list: widths, kinds, tab stops, headings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/column_list_model.h"

namespace tome {
namespace {

using ::testing::ElementsAre;

const std::vector<int32_t> kBookPercentages = {23, 32, 12, 9, 12, 12};
const std::vector<std::string> kBookHeadings = {"Author", "Title", "Call No", "\x02Pub Date", "\x02  Ordered",
                                                "  Library"};

ColumnLayout BookLayout() { return LayOutColumns(716, 17, kBookPercentages, kBookHeadings); }

TEST(ColumnLayoutTest, BookListWidthsAndStops) {
    const ColumnLayout layout = BookLayout();
    ASSERT_EQ(layout.count(), 6);
    // 716 - 17 - 8 = 691 shared by the percentages.
    EXPECT_THAT(layout.columnWidth.raw(), ElementsAre(159, 221, 83, 62, 83, 83));
    EXPECT_THAT(layout.drawnWidth.raw(), ElementsAre(159, 221, 83, 62, 83, 83));
    EXPECT_THAT(layout.tabStops, ElementsAre(2, 161, 382, 465, 527, 608));
}

TEST(ColumnLayoutTest, LastColumnFillsWhatRoundingLeaves) {
    // 101 units: 50.5 rounds to 50 twice, and the last column takes 51.
    const ColumnLayout layout = LayOutColumns(126, 17, {50, 50}, {"A", "B"});
    EXPECT_THAT(layout.columnWidth.raw(), ElementsAre(50, 50));
    EXPECT_THAT(layout.drawnWidth.raw(), ElementsAre(50, 51));
    EXPECT_EQ(layout.headings[2].offset, 50);
    EXPECT_EQ(layout.headings[2].width, 51);
}

TEST(ColumnLayoutTest, WidthsRoundHalfToEvenAndKeepTheSign) {
    // 50 units: 12.5 -> 12, -2.5 -> -2, 35 -> 35; 30.5 -> 30 and 17.5 -> 18.
    EXPECT_THAT(LayOutColumns(75, 17, {25, -5, 70}, {"a", "b", "c"}).columnWidth.raw(), ElementsAre(12, -2, 35));
    EXPECT_THAT(LayOutColumns(75, 17, {61, 35}, {"a", "b"}).columnWidth.raw(), ElementsAre(30, 18));
}

TEST(ColumnLayoutTest, KindsComeFromTheHeadingMarker) {
    const ColumnLayout book = BookLayout();
    EXPECT_THAT(book.columnKind.raw(), ElementsAre(1, 1, 1, 3, 3, 1));

    // Code 1 -> number, empty -> none, other codes -> text; a negative width
    // right-aligns; a column of width 0 has no kind.
    const ColumnLayout other =
        LayOutColumns(617, 17, {20, 20, 20, 20, -10, 10}, {"\x01" "Count", "", "\x03X", "\xff", "\x02When", "\x02Z"});
    EXPECT_THAT(other.columnKind.raw(), ElementsAre(2, 0, 1, 1, -3, 3));
    const ColumnLayout zero = LayOutColumns(617, 17, {0, 100}, {"\x02Gone", "Rest"});
    EXPECT_THAT(zero.columnKind.raw(), ElementsAre(0, 1));
}

TEST(ColumnLayoutTest, HeadingLabels) {
    const ColumnLayout layout = BookLayout();
    std::vector<std::string> texts;
    std::vector<int32_t> offsets;
    for (const HeadingLabel& label : layout.headings.raw()) {
        texts.push_back(label.text);
        offsets.push_back(label.offset);
        EXPECT_FALSE(label.rightAligned) << label.text;
    }
    EXPECT_THAT(texts, ElementsAre("  Author", "  Title", "  Call No", "  Pub Date", "    Ordered", "    Library"));
    EXPECT_THAT(offsets, ElementsAre(0, 159, 380, 463, 525, 608));
}

TEST(ColumnLayoutTest, NegativePercentageRightAlignsLabelAndStop) {
    // 100 units: 50 and -50.
    const ColumnLayout layout = LayOutColumns(125, 17, {50, -50}, {"Name", "\x01" "Count"});
    EXPECT_THAT(layout.columnKind.raw(), ElementsAre(1, -2));
    EXPECT_THAT(layout.drawnWidth.raw(), ElementsAre(50, 50));
    EXPECT_EQ(layout.headings[2].text, "Count  ");
    EXPECT_TRUE(layout.headings[2].rightAligned);
    EXPECT_EQ(layout.headings[1].text, "  Name");
    // Stop 1 is 2 + 50 - 2 = 50; right-aligned 6 inside the column's edge: -(50 + 50 - 6).
    EXPECT_THAT(layout.tabStops, ElementsAre(2, -94));
}

TEST(ColumnLayoutTest, RightAlignedFirstColumn) {
    const ColumnLayout layout = LayOutColumns(125, 17, {-40, 60}, {"\x01N", "Text"});
    EXPECT_THAT(layout.tabStops, ElementsAre(-(40 + 2 - 6), 40));
}

TEST(TabStopConversionTest, SixPixelsPerFourUnits) {
    // 1024 units map to 1536 pixels: 1000 pixels are 666.67 -> 667 units.
    EXPECT_THAT(TabStopsInDialogUnits({2, 161, 382, 465, 527, 608}, 1536), ElementsAre(1, 107, 255, 310, 352, 406));
    EXPECT_THAT(TabStopsInDialogUnits({-94}, 1536), ElementsAre(-63));
}

TEST(TabStopConversionTest, UnitsPerThousandPixelsRoundHalfUp) {
    // 1024000 / 16384 = 62.5 -> 63; half to even would give 62.
    EXPECT_THAT(TabStopsInDialogUnits({1000}, 16384), ElementsAre(63));
    // 1024000 / 2048 = 500 exactly; 3 x 500 / 1000 = 1.5 and 5 x 0.5 = 2.5 round to even.
    EXPECT_THAT(TabStopsInDialogUnits({3, 5, 1000}, 2048), ElementsAre(2, 2, 500));
}

TEST(UnitConversionTest, PixelsToDialogUnits) {
    EXPECT_EQ(PixelsToDialogUnits(17, 1536), 11);  // 11.33
    EXPECT_EQ(PixelsToDialogUnits(3, 2048), 2);    // 1.5 -> 2
    EXPECT_EQ(PixelsToDialogUnits(5, 2048), 2);    // 2.5 -> 2
    EXPECT_EQ(HeadingHeight(13), 16);              // 15.6
    EXPECT_EQ(HeadingHeight(16), 19);              // 19.2
}

}  // namespace
}  // namespace tome
