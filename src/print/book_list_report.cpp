#include "print/book_list_report.h"

#include <algorithm>

#include "books/order_date.h"
#include "books/text_rules.h"
#include "print/report_layout.h"

namespace tome {

namespace {

// The sheet is taken as US Letter whatever the printer says.
constexpr double SheetWidth = 8.5;
constexpr double SheetHeight = 11.0;
constexpr double TitleY = 0.5;
constexpr double LeftColumnX = 0.75;
constexpr double RightColumnX = 4.5;
constexpr double EntryWidth = 3.25;
constexpr double CallNumberX = 4.25;
constexpr double YearX = 5.0;
constexpr double OrderDateX = 5.5;
constexpr double LibraryX = 6.5;
constexpr double LibraryWidth = 1.5;

void PrintWantToReadDetails(TextPrinter& printer, const BookCollection& books, const BookRecord& r, double y) {
    if (r.callNumber != 0) printer.PrintText(ListText(books.callNumbers, r.callNumber), CallNumberX, y);
    if (r.pubYear != 0) printer.PrintText(std::to_string(r.pubYear), YearX, y);
    if (r.orderDate != 0) printer.PrintText(FormatOrderDate(r.orderDate), OrderDateX, y);
    if (r.library != 0) printer.PrintText(printer.FitString(ListText(books.libraries, r.library), LibraryWidth), LibraryX, y);
}

}  // namespace

std::string BookListTitle(int32_t activeTab) {
    switch (activeTab) {
    case 1: return "All books";
    case 2: return "Books to read";
    case 3: return "Current books read";
    case 4: return "Custom list";
    default: return std::string();
    }
}

std::string BookListEntry(const BookCollection& books, int32_t bookNumber) {
    return std::string(ShownAuthorText(books, bookNumber)) + " - " + books.titles[bookNumber];
}

void PrintBookList(TextPrinter& printer, const BookCollection& books, int32_t activeTab) {
    const std::string title = BookListTitle(activeTab);
    if (title.empty()) return;
    if (printer.ChoosePrinter().empty()) return;
    printer.SetFont(ReportFontFace, 9, "");
    printer.SetMargins(ReportLeftMargin, ReportRightMargin, ReportTopMargin, ReportBottomMargin);
    const int32_t linesPerColumn = printer.LinesLeft(0) - 7;
    double averageWidth = 0;
    double h = 0;
    printer.GetCharSize(averageWidth, h);
    // Entries stand on lines 2 to L + 3 (line 1 stays empty); a column holds
    // at least one, however little fits.
    const int32_t lastLine = std::max(linesPerColumn + 3, 2);
    const bool wantToRead = activeTab == 2;
    const double pageNumberY = SheetHeight - ReportBottomMargin - 2 * h;

    printer.BeginDocument(ReportJobName);
    int32_t page = 0;
    int32_t column = 0;
    int32_t line = 0;
    double x = LeftColumnX;
    bool pageOpen = false;
    bool columnOpen = false;
    for (int32_t i = 1; i <= books.bookCount(); ++i) {
        const int32_t b = books.sortIndex[i];
        const BookRecord& r = books.records[b];
        const bool shown = r.has(Shown);
        // Page 1 opens at the first position even when no book is shown, so
        // an empty list still prints its title; later columns and pages open
        // only for a book that goes on them.
        if (!columnOpen && (page == 0 || shown)) {
            if (!pageOpen) {
                ++page;
                printer.BeginPage();
                printer.PrintText(title, LeftColumnX, TitleY);
                printer.PrintText(" " + std::to_string(page), SheetWidth / 2, pageNumberY);
                pageOpen = true;
                column = 1;
            }
            line = 1;
            columnOpen = true;
            x = column % 2 == 1 ? LeftColumnX : RightColumnX;
        }
        if (!shown) continue;

        ++line;
        const double y = TitleY + line * h;
        printer.PrintText(printer.FitString(BookListEntry(books, b), EntryWidth), x, y);
        if (wantToRead) PrintWantToReadDetails(printer, books, r, y);

        if (line >= lastLine) {
            columnOpen = false;
            ++column;
            if (wantToRead || column > 2) {
                printer.FinishPage();
                pageOpen = false;
            }
        }
    }
    if (pageOpen) printer.FinishPage();
    printer.FinishDocument();
}

}  // namespace tome
