#include "list_filling.h"

#include <algorithm>
#include <charconv>

#include "order_date.h"
#include "text_rules.h"

namespace tome {

namespace {

bool TabShows(const BookRecord& record, int32_t activeTab) {
    switch (activeTab) {
        case 1: return true;
        case 2: return record.has(WantToRead);
        case 3: return record.has(HaveRead);
        case 4: return record.has(InCustomList);
        default: return false;
    }
}

void AppendNumber(std::string& text, int32_t n) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text.append(digits, end);
}

// The list can briefly hold book numbers the collection no longer has (rows
// filled before a load or purge); such a row names no book.
bool IsBook(const BookCollection& books, int32_t bookNumber) {
    return bookNumber >= 1 && bookNumber <= books.bookCount();
}

}  // namespace

void MarkShownBooks(BookCollection& books, int32_t activeTab, ListState& listState) {
    listState.shownCount = 0;
    for (int32_t b : books.sortIndex.raw()) {
        BookRecord& record = books.records[b];
        record.clear(Shown);
        if (record.has(Deleted)) continue;
        if (TabShows(record, activeTab)) {
            record.set(Shown);
            ++listState.shownCount;
        }
    }
}

std::string RowText(const BookCollection& books, int32_t bookNumber) {
    std::string text;
    WriteRowText(books, bookNumber, text);
    return text;
}

void WriteRowText(const BookCollection& books, int32_t bookNumber, std::string& text) {
    const BookRecord& record = books.records[bookNumber];
    const std::string_view author = ShownAuthorText(books, bookNumber);
    const std::string& title = books.titles[bookNumber];
    const std::string& callNumber = ListText(books.callNumbers, record.callNumber);
    const std::string& library = ListText(books.libraries, record.library);

    text.clear();
    text.reserve(author.size() + title.size() + callNumber.size() + library.size() + 24);
    text += author;
    text += '\t';
    text += title;
    text += '\t';
    text += callNumber;
    text += '\t';
    if (record.pubYear != 0) AppendNumber(text, record.pubYear);
    text += '\t';
    if (record.orderDate != 0) {
        // The trailing blank is part of the cell as the list shows it.
        text += FormatOrderDate(record.orderDate);
        text += ' ';
    }
    text += '\t';
    text += library;
}

std::string FilenameStatus(const std::string& currentFile) {
    return "Filename:" + FileNameOf(currentFile);
}

std::string CategoryStatus(const BookCollection& books, int32_t bookNumber) {
    return "Category:" + ListText(books.categories, books.records[bookNumber].category);
}

std::string PositionStatus(int32_t row, int32_t shownCount) {
    std::string text = " ";
    AppendNumber(text, row);
    text += " : ";
    AppendNumber(text, shownCount);
    return text;
}

void FillList(const ListScreen& screen, int32_t selectPosition, int32_t topPosition) {
    BookCollection& books = screen.books;
    MarkShownBooks(books, screen.activeTab, screen.listState);

    screen.list.SetRowCount(0);
    std::string row;  // one buffer for every row: the rows cost no allocation here
    int32_t rows = 0;
    int32_t selectRow = 0;
    const int32_t count = books.sortIndex.count();
    for (int32_t p = 1; p <= count; ++p) {
        const int32_t b = books.sortIndex[p];
        if (!books.records[b].has(Shown)) continue;
        WriteRowText(books, b, row);
        screen.list.AddRow(row, b);
        ++rows;
        if (p == selectPosition) selectRow = rows;
    }
    screen.list.Redisplay();
    screen.list.SelectRow(-std::max(selectRow, 1), topPosition);
    UpdateStatusBar(screen);
}

void UpdateStatusBar(const ListScreen& screen) {
    std::string category;
    std::string position;
    if (screen.listState.shownCount != 0) {
        const int32_t r = screen.list.CurrentRow();
        const int32_t b = r != 0 ? screen.list.ItemDataAt(r) : 0;
        if (IsBook(screen.books, b)) {
            category = CategoryStatus(screen.books, b);
            position = PositionStatus(r, screen.listState.shownCount);
        }
    }
    screen.window.SetStatusText(1, FilenameStatus(screen.files.currentFile));
    screen.window.SetStatusText(2, category);
    screen.window.SetStatusText(3, position);
}

}  // namespace tome
