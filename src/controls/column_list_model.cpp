#include "column_list_model.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "books/order_date.h"
#include "books/text_rules.h"

namespace tome {
namespace {

// Gap the list box's border and edges take from its width.
constexpr int32_t ListFrame = 8;

int32_t Sign(int32_t v) { return (v > 0) - (v < 0); }

int32_t ToInt32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t KindOfHeading(const std::string& heading) {
    if (heading.empty()) return 0;
    const int32_t kind = static_cast<unsigned char>(heading[0]) + 1;
    return kind > DateColumn ? TextColumn : kind;
}

// Leading number of a text as a 16-bit word (wrapping, as the packed date does).
uint16_t Word(int64_t value) { return static_cast<uint16_t>(static_cast<uint64_t>(value)); }

std::string_view Field(std::string_view text, int32_t column) {
    size_t start = 0;
    for (int32_t i = 1; i < column; ++i) {
        const size_t tab = text.find('\t', start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    const size_t end = text.find('\t', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

unsigned char FoldAz(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

struct SortEntry {
    std::string_view text;  // text columns only
    std::string_view key;   // the text with a-z folded, for the comparisons
    uint64_t head = 0;      // the key's first eight bytes, big-endian, zero-padded
    int32_t number = 0;     // number and date columns only
    int32_t row = 0;
    int32_t item = 0;
};

}  // namespace

ColumnLayout LayOutColumns(int32_t width, int32_t scrollBarWidth, const std::vector<int32_t>& percentages,
                           const std::vector<std::string>& headings) {
    assert(percentages.size() == headings.size());
    const auto n = static_cast<int32_t>(percentages.size());
    ColumnLayout layout;
    const int32_t span = width - scrollBarWidth - ListFrame;
    for (int32_t i = 1; i <= n; ++i) {
        const int32_t w = ToInt32(RoundHalfEven(static_cast<double>(span) * percentages[i - 1] / 100.0));
        layout.columnWidth.append(w);
        layout.columnKind.append(KindOfHeading(headings[i - 1]) * Sign(w));
    }
    int32_t used = 0;
    for (int32_t i = 1; i < n; ++i) {
        layout.drawnWidth.append(std::abs(layout.columnWidth[i]));
        used += layout.drawnWidth[i];
    }
    if (n > 0) layout.drawnWidth.append(span - used);

    if (n > 0) {
        std::vector<int32_t>& stops = layout.tabStops;
        stops.assign(static_cast<size_t>(n), 0);
        stops[0] = 2;
        for (int32_t k = 1; k < n; ++k) stops[k] = stops[k - 1] + layout.drawnWidth[k];
        stops[n - 1] -= 2;
        // A negative stop right-aligns the next cell 6 units inside its column's right edge.
        for (int32_t j = 1; j <= n; ++j) {
            if (layout.columnKind[j] < 0) stops[j - 1] = -(layout.drawnWidth[j] + stops[j - 1] - 6);
        }
    }

    int32_t offset = 0;
    for (int32_t i = 1; i <= n; ++i) {
        HeadingLabel label;
        std::string text = headings[i - 1];
        if (std::abs(layout.columnKind[i]) > TextColumn) text.erase(0, 1);
        label.rightAligned = layout.columnKind[i] < 0;
        label.text = label.rightAligned ? text + "  " : "  " + text;
        label.offset = offset;
        label.width = layout.drawnWidth[i];
        offset += label.width;
        layout.headings.append(std::move(label));
    }
    return layout;
}

std::vector<int32_t> TabStopsInDialogUnits(const std::vector<int32_t>& pixelStops, int32_t mapped1024) {
    assert(mapped1024 > 0);
    // 1000 pixels in dialog units, halves rounded up.
    const int64_t u = (2 * int64_t{1000} * 1024 + mapped1024) / (2 * int64_t{mapped1024});
    std::vector<int32_t> stops;
    stops.reserve(pixelStops.size());
    for (int32_t s : pixelStops) stops.push_back(ToInt32(RoundHalfEven(static_cast<double>(s) * u / 1000.0)));
    return stops;
}

int32_t PixelsToDialogUnits(int32_t pixels, int32_t mapped1024) {
    assert(mapped1024 > 0);
    return ToInt32(RoundHalfEven(static_cast<double>(pixels) * 1024.0 / mapped1024));
}

int32_t HeadingHeight(int32_t textHeight) {
    return ToInt32(RoundHalfEven(textHeight * static_cast<double>(1.2f)));
}

int32_t DateKey(const std::string& text) {
    const std::string month = text.substr(0, 2);
    const std::string day = text.size() > 3 ? text.substr(3, 2) : std::string();
    const std::string year = text.size() > 4 ? text.substr(text.size() - 4) : text;
    return DateSum(Word(LenientInteger(month)), Word(LenientInteger(day)), Word(LenientInteger(year) - 1980));
}

void ColumnListModel::SetRowCount(int32_t count) {
    rowCount_ = count;
    changedSinceShown_ = count != 0;
}

void ColumnListModel::MarkShown() {
    const int32_t rows = ShownRowCount();
    for (int32_t p = 1; p <= rows; ++p) {
        if (displayOrder_[p] != p) {
            ForgetShown();
            return;
        }
    }
    shownRows_ = rows;
    changedSinceShown_ = false;
}

bool ColumnListModel::UnchangedSinceShown() const {
    return !changedSinceShown_ && shownRows_ >= 0 && ShownRowCount() == shownRows_;
}

void ColumnListModel::SetLayout(ColumnLayout layout) {
    changedSinceShown_ = true;
    layout_ = std::move(layout);
    // The last column too is cut to its share of the percentages, not its drawn width.
    cellLimit_.resize(layout_.count());
    for (int32_t i = 1; i <= layout_.count(); ++i) {
        cellLimit_[i] = ToInt32(RoundHalfEven(std::abs(layout_.columnWidth[i]) * static_cast<double>(0.95f)));
    }
}

int32_t ColumnListModel::SetCurrentRow(int32_t position) {
    const int64_t magnitude = std::llabs(int64_t{position});
    currentRow_ = static_cast<int32_t>(std::clamp<int64_t>(magnitude, 1, std::numeric_limits<int32_t>::max()));
    return currentRow_;
}

int32_t ColumnListModel::RowAt(int32_t position) const {
    return position >= 1 && position <= displayOrder_.count() ? displayOrder_[position] : 0;
}

int32_t ColumnListModel::ItemDataAt(int32_t position) const {
    return position >= 1 && position <= itemData_.count() ? itemData_[position] : 0;
}

int32_t ColumnListModel::PositionOfItem(int32_t value) const {
    const int32_t rows = ShownRowCount();
    for (int32_t k = 1; k <= rows; ++k) {
        if (itemData_[k] == value) return k;
    }
    return 0;
}

int32_t ColumnListModel::ShownRowCount() const { return std::clamp(rowCount_, 0, displayOrder_.count()); }

const std::string& ColumnListModel::DisplayText(int32_t position) const {
    return rowText_[displayOrder_[position]];
}

const std::string& ColumnListModel::AddRow(const std::string& text, int32_t itemValue, const FitFunction& fit) {
    // A fill adds every row again: the row buffer keeps its storage from row
    // to row, so a row costs no allocation once the list has been filled
    // before.
    const int32_t n = ColumnCount();
    row_.clear();
    // Cells are only ever cut: one allocation at most, none when the buffer
    // held a row as long before.
    row_.reserve(text.size());
    size_t start = 0;
    const std::string_view all(text);
    for (int32_t i = 1; i <= n; ++i) {
        std::string_view cell;
        if (start <= all.size()) {
            const size_t tab = all.find('\t', start);
            cell = all.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
            start = tab == std::string_view::npos ? all.size() + 1 : tab + 1;
        }
        row_.append(cell.substr(0, std::min(fit(cell, cellLimit_[i]), cell.size())));
        row_ += '\t';
    }
    const size_t last = row_.find_last_not_of('\t');
    row_.resize(last == std::string::npos ? 0 : last + 1);

    rowCount_ = std::max(rowCount_, 0) + 1;
    if (rowText_.count() < rowCount_) {
        rowText_.resize(rowCount_);
        displayOrder_.resize(rowCount_);
        itemData_.resize(rowCount_);
    }
    if (rowCount_ > shownRows_ || rowText_[rowCount_] != row_ || itemData_[rowCount_] != itemValue) {
        changedSinceShown_ = true;
    }
    // The row's old text becomes the buffer of the next row.
    rowText_[rowCount_].swap(row_);
    displayOrder_[rowCount_] = rowCount_;
    itemData_[rowCount_] = itemValue;
    return rowText_[rowCount_];
}

bool ColumnListModel::SortByColumn(int32_t column) {
    if (rowCount_ == 0) return false;
    if (column < 1 || column > ColumnCount()) return false;
    changedSinceShown_ = true;
    currentRow_ = RowAt(currentRow_);

    const int32_t kind = std::abs(layout_.columnKind[column]);
    const int32_t rows = ShownRowCount();
    if (rows == 0) return true;
    std::vector<SortEntry> entries(static_cast<size_t>(rows));
    for (int32_t p = 1; p <= rows; ++p) {
        SortEntry& e = entries[static_cast<size_t>(p - 1)];
        e.row = displayOrder_[p];
        e.item = itemData_[p];
        const std::string_view cell = Field(rowText_[e.row], column);
        if (kind == NumberColumn) {
            e.number = ToInt32(LenientInteger(std::string(cell)));
        } else if (kind == DateColumn) {
            e.number = DateKey(std::string(cell));
        } else {
            e.text = cell;
        }
    }
    // Texts sort in byte order with only a-z folded, a proper prefix first.
    // Each is folded once here rather than in every comparison; the keys
    // then compare as unsigned bytes, most of them settled by their heads.
    std::string folded;
    if (kind != NumberColumn && kind != DateColumn) {
        size_t total = 0;
        for (const SortEntry& e : entries) total += e.text.size();
        folded.resize(total);
        size_t at = 0;
        for (SortEntry& e : entries) {
            for (size_t i = 0; i < e.text.size(); ++i) folded[at + i] = static_cast<char>(FoldAz(e.text[i]));
            e.key = std::string_view(folded).substr(at, e.text.size());
            for (size_t i = 0; i < 8; ++i) {
                e.head = (e.head << 8) | (i < e.key.size() ? static_cast<uint8_t>(e.key[i]) : 0u);
            }
            at += e.text.size();
        }
    }

    // Already ascending (the last key above the first, compared exactly, case
    // included) means this click wants descending order.
    const SortEntry& first = entries.front();
    const SortEntry& last = entries.back();
    const bool ascending = last.text > first.text || first.number < last.number;
    const bool textKeys = kind != NumberColumn && kind != DateColumn;
    auto less = [textKeys](const SortEntry& a, const SortEntry& b) {
        if (!textKeys) return a.number < b.number;
        // Equal heads may still be different keys: "AB" and "AB\0".
        return a.head != b.head ? a.head < b.head : a.key < b.key;
    };
    if (ascending) {
        std::sort(entries.begin(), entries.end(), [&less](const SortEntry& a, const SortEntry& b) {
            return less(b, a);
        });
    } else {
        std::sort(entries.begin(), entries.end(), less);
    }

    for (int32_t p = 1; p <= rows; ++p) {
        displayOrder_[p] = entries[static_cast<size_t>(p - 1)].row;
        itemData_[p] = entries[static_cast<size_t>(p - 1)].item;
    }
    return true;
}

ColumnListModel::HeadingClick ColumnListModel::ClickHeading(int32_t column) {
    const int32_t selected = ItemDataAt(CurrentRow());
    HeadingClick click;
    click.sorted = SortByColumn(column);
    click.position = PositionOfItem(selected);
    return click;
}

}  // namespace tome
