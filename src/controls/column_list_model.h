// The multi-column list without its windows: the column layout worked out
// from percentages, the rows with their display order, and column sorting.
// The Win32 control keeps one of these and shows it in a list box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "books/one_based.h"

namespace tome {

// Column kinds; a negative kind is the same kind, right-aligned.
constexpr int32_t TextColumn = 1;
constexpr int32_t NumberColumn = 2;
constexpr int32_t DateColumn = 3;

// Leading heading characters that mark a column's kind; they are not shown.
constexpr char NumberMarker = '\x01';
constexpr char DateMarker = '\x02';

struct HeadingLabel {
    std::string text;
    bool rightAligned = false;
    int32_t offset = 0;  // from the list's left edge
    int32_t width = 0;
};

struct ColumnLayout {
    OneBased<int32_t> columnWidth;  // signed, from the percentages
    OneBased<int32_t> columnKind;
    OneBased<int32_t> drawnWidth;   // the last column fills the rest of the list
    std::vector<int32_t> tabStops;  // stop 0 .. n-1 in the list's own units
    OneBased<HeadingLabel> headings;

    int32_t count() const { return columnWidth.count(); }
};

// Lays out n columns across a list of the given width. percentages and
// headings hold n entries each; a negative percentage right-aligns its column.
ColumnLayout LayOutColumns(int32_t width, int32_t scrollBarWidth, const std::vector<int32_t>& percentages,
                           const std::vector<std::string>& headings);

// List boxes take tab stops in dialog template units. mapped1024 is the pixel
// width of 1024 horizontal dialog units of the parent.
std::vector<int32_t> TabStopsInDialogUnits(const std::vector<int32_t>& pixelStops, int32_t mapped1024);

// Pixels to dialog units, mapped1024 being the pixel size of 1024 units.
int32_t PixelsToDialogUnits(int32_t pixels, int32_t mapped1024);

// Heading strip height: the height of "0" times 1.2.
int32_t HeadingHeight(int32_t textHeight);

// Sort key of an mm-dd-yyyy text: month from characters 1-2, day from 4-5,
// year from the last four, each read leniently and packed as an order date.
int32_t DateKey(const std::string& text);

class ColumnListModel {
public:
    // Cell text and the widest it may be -> how many leading characters to keep.
    using FitFunction = std::function<size_t(std::string_view cell, int32_t maxWidth)>;

    void SetLayout(ColumnLayout layout);
    const ColumnLayout& Layout() const { return layout_; }
    int32_t ColumnCount() const { return layout_.count(); }

    int32_t RowCount() const { return rowCount_; }
    // Only the count changes: the rows stay, and the next AddRow writes row
    // count + 1. A count of 0 starts a fill.
    void SetRowCount(int32_t count);

    // What the list box shows, so that a refill which adds back exactly the
    // rows it holds need not add them to it again. MarkShown: the rows in
    // display order are now what the list box holds. ForgetShown: it holds
    // something else. UnchangedSinceShown: the fill since then added the same
    // rows with the same items, in the same order and number.
    void MarkShown();
    void ForgetShown() { shownRows_ = -1; }
    bool UnchangedSinceShown() const;

    // The selected display position, 0 when there are no rows.
    int32_t CurrentRow() const { return rowCount_ == 0 ? 0 : currentRow_; }
    // The position as last selected, whatever the row count.
    int32_t StoredCurrentRow() const { return currentRow_; }
    // Records a selection: the position's sign is dropped and it is at least 1.
    int32_t SetCurrentRow(int32_t position);

    // 0 outside 1 .. the highest row ever added.
    int32_t RowAt(int32_t position) const;
    int32_t ItemDataAt(int32_t position) const;
    // The first display position showing value, 0 when none does.
    int32_t PositionOfItem(int32_t value) const;
    // Rows that can be shown: the row count, limited to the rows that exist.
    int32_t ShownRowCount() const;
    // Text shown at a display position 1 .. ShownRowCount().
    const std::string& DisplayText(int32_t position) const;

    // Appends a row from TAB-joined cells, each cut to 95 % of its column;
    // returns the row text as stored.
    const std::string& AddRow(const std::string& text, int32_t itemValue, const FitFunction& fit);

    // Reorders the display positions by a column (1..n): descending when the
    // rows already look ascending, otherwise ascending. The current row becomes
    // the row number that was shown at it. False when there is nothing to sort.
    bool SortByColumn(int32_t column);

    struct HeadingClick {
        bool sorted = false;
        int32_t position = 0;  // where the book selected before now is, 0 if none
    };
    // A heading click: sorts by the column and finds the book that was selected.
    HeadingClick ClickHeading(int32_t column);

private:
    ColumnLayout layout_;
    int32_t rowCount_ = 0;
    int32_t currentRow_ = 0;
    OneBased<std::string> rowText_;      // by row number, insertion order
    OneBased<int32_t> displayOrder_;     // display position -> row number
    OneBased<int32_t> itemData_;         // by display position
    OneBased<int32_t> cellLimit_;        // widest a cell may be, by column
    std::string row_;                    // AddRow's buffer, kept between rows
    int32_t shownRows_ = -1;             // rows 1..n shown in row order; -1 unknown
    bool changedSinceShown_ = true;
};

}  // namespace tome
