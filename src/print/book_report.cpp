#include "print/book_report.h"

#include <string>
#include <utility>
#include <vector>

#include "books/order_date.h"
#include "print/comment_lines.h"
#include "print/report_layout.h"

namespace tome {

namespace {

constexpr double HeadingY = 1.0;
constexpr double LabelX = 0.75;
constexpr double ValueX = 2.75;
constexpr double CommentWidth = 4.5;
// The line step is 1.2 lines, with 1.2 as a single-precision number.
constexpr float LineStepFactor = 1.2f;

std::string NumberOrNothing(uint16_t value) { return value != 0 ? std::to_string(value) : std::string(); }

std::vector<std::pair<std::string, std::string>> BookRows(const BookCollection& books, int32_t b) {
    const BookRecord& r = books.records[b];
    return {
        {"Author:", AuthorText(books, b)},
        {"Title:", books.titles[b]},
        {"Call Number:", r.callNumber != 0 ? ListText(books.callNumbers, r.callNumber) : std::string()},
        {"Publisher:", r.publisher != 0 ? ListText(books.publishers, r.publisher) : std::string()},
        {"Order date:", r.orderDate != 0 ? FormatOrderDate(r.orderDate) : std::string()},
        {"Publish date:", NumberOrNothing(r.pubYear)},
        {"Library:", r.library != 0 ? ListText(books.libraries, r.library) : std::string()},
        {"Category:", r.category != 0 ? ListText(books.categories, r.category) : std::string()},
    };
}

}  // namespace

void PrintBook(TextPrinter& printer, const BookCollection& books, int32_t bookNumber) {
    if (bookNumber < 1 || bookNumber > books.bookCount()) return;
    if (printer.ChoosePrinter().empty()) return;
    printer.SetFont(ReportFontFace, 10, "");
    printer.SetMargins(ReportLeftMargin, ReportRightMargin, ReportTopMargin, ReportBottomMargin);
    double averageWidth = 0;
    double h = 0;
    printer.GetCharSize(averageWidth, h);
    const double step = static_cast<double>(LineStepFactor) * h;

    printer.BeginDocument(ReportJobName);
    printer.BeginPage();
    const bool wantToRead = books.records[bookNumber].has(WantToRead);
    printer.PrintText(wantToRead ? "Book source - Want to read" : "Book source - Have read", LabelX, HeadingY);
    double y = HeadingY + 3 * step;
    for (const auto& [label, value] : BookRows(books, bookNumber)) {
        printer.PrintText(label, LabelX, y);
        printer.PrintText(value, ValueX, y);
        y += step;
    }
    // The first comment line shares the label's line.
    printer.PrintText("Source/comments:", LabelX, y);
    for (const std::string& line : CommentLines(printer, books.comments[bookNumber], CommentWidth)) {
        printer.PrintText(line, ValueX, y);
        y += step;
    }
    printer.FinishPage();
    printer.FinishDocument();
}

}  // namespace tome
