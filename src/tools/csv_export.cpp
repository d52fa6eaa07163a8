#include "tools/csv_export.h"

#include "books/cp1252.h"
#include "books/order_date.h"

namespace tome {
namespace {

const char* const Header[] = {"Author",    "Title",   "Call Number", "Order Date", "Pub Year",
                              "Publisher", "Library", "Category",    "Comments",   "Status"};

void AppendField(std::string& out, const std::string& utf8, char delimiter) {
    // Outer blanks are quoted too: readers trim them from unquoted fields.
    const bool quote = utf8.find_first_of(std::string("\"\r\n") + delimiter) != std::string::npos ||
                       (!utf8.empty() && (utf8.front() == ' ' || utf8.front() == '\t' || utf8.back() == ' ' ||
                                          utf8.back() == '\t'));
    if (!quote) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string ListCell(const TextList& list, int32_t number) {
    return number == 0 ? std::string() : Utf8FromCp1252(ListText(list, number));
}

}  // namespace

std::string StatusText(const BookRecord& record) {
    if (record.has(WantToRead) && record.has(HaveRead)) return "want to read, have read";
    if (record.has(WantToRead)) return "want to read";
    if (record.has(HaveRead)) return "have read";
    return {};
}

std::string ExportCsv(const BookCollection& books, char delimiter) {
    std::string out = "\xEF\xBB\xBF";
    const auto row = [&out, delimiter](const std::string* cells, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (i != 0) out += delimiter;
            AppendField(out, cells[i], delimiter);
        }
        out += "\r\n";
    };
    const std::vector<std::string> header(std::begin(Header), std::end(Header));
    row(header.data(), header.size());
    for (int32_t p = 1; p <= books.sortIndex.count(); ++p) {
        const int32_t b = books.sortIndex[p];
        const BookRecord& r = books.records[b];
        if (r.has(Deleted)) continue;
        const std::string cells[] = {
            Utf8FromCp1252(AuthorText(books, b)),
            Utf8FromCp1252(books.titles[b]),
            ListCell(books.callNumbers, r.callNumber),
            r.orderDate == 0 ? std::string() : FormatOrderDate(r.orderDate),
            r.pubYear == 0 ? std::string() : std::to_string(r.pubYear),
            ListCell(books.publishers, r.publisher),
            ListCell(books.libraries, r.library),
            ListCell(books.categories, r.category),
            Utf8FromCp1252(books.comments[b]),
            StatusText(r),
        };
        row(cells, sizeof cells / sizeof cells[0]);
    }
    return out;
}

}  // namespace tome
