#include "tools/csv_mapping.h"

#include <cctype>

#include "books/book_record.h"
#include "books/collection.h"
#include "books/normalise.h"
#include "books/order_date.h"
#include "books/text_case.h"
#include "books/text_rules.h"
#include "dialogs/book_save.h"

namespace tome {
namespace {

constexpr int64_t MaxPubYear = 2500;  // a load divides larger stored years by 16

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Outer blanks and a [bracketed] form removed; ="..." (a spreadsheet's
// way of keeping digits as text) as its inner text.
std::string Bare(const std::string& cell) {
    std::string text = TrimBlanks(cell);
    if (text.size() >= 3 && text[0] == '=' && text[1] == '"' && text.back() == '"') {
        text = text.substr(2, text.size() - 3);
    }
    return text;
}

std::string WithoutBrackets(std::string text) {
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') text = TrimBlanks(text.substr(1, text.size() - 2));
    return text;
}

// Capitalises the first character of each blank-separated word.
std::string CapitalisedWords(const std::string& text) {
    std::string out;
    bool wordStart = true;
    for (char c : text) {
        if (c == ' ') {
            if (!wordStart) out += ' ';  // runs of blanks become one
            wordStart = true;
        } else {
            out += wordStart ? UpperAnsiChar(c) : c;
            wordStart = false;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool AllDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

uint8_t StatusFlags(Shape shape, const std::string& value, std::string& shelfCategory) {
    const std::string v = Lower(TrimBlanks(value));
    switch (shape) {
        case Shape::Tomecase:
            if (v == "want to read") return WantToRead;
            if (v == "have read") return HaveRead;
            if (v == "want to read, have read") return WantToRead | HaveRead;
            if (v.empty()) return 0;
            break;
        case Shape::ReadingSite:
            if (v == "read") return HaveRead;
            if (!v.empty() && v != "to-read" && v != "currently-reading") shelfCategory = TrimBlanks(value);
            return WantToRead;
        case Shape::ReadingLog:
            if (v == "read") return HaveRead;
            if (v == "did-not-finish") {
                shelfCategory = "did-not-finish";
                return HaveRead;
            }
            return WantToRead;
        case Shape::Catalogue: {
            size_t start = 0;
            while (start <= v.size()) {
                size_t end = v.find(',', start);
                if (end == std::string::npos) end = v.size();
                const std::string name = TrimBlanks(v.substr(start, end - start));
                if (name == "read" || name.compare(0, 5, "read ") == 0) return HaveRead;
                start = end + 1;
            }
            return WantToRead;
        }
        case Shape::Spreadsheet: break;
    }
    if (v == "want to read, have read") return WantToRead | HaveRead;
    return v == "have read" || v == "read" ? HaveRead : WantToRead;
}

const std::string& Cell(const CsvRow& row, int column) {
    static const std::string none;
    return column >= 0 && static_cast<size_t>(column) < row.cells.size() ? row.cells[static_cast<size_t>(column)]
                                                                         : none;
}

std::string FirstOf(const std::string& list, char separator) {
    return TrimBlanks(list.substr(0, list.find(separator)));
}

std::string AuthorOf(const CsvRow& row, const ColumnMap& map, TextEncoding encoding) {
    std::string name = TrimBlanks(CellAsUtf8(Cell(row, map.authorSurnameFirst), encoding));
    if (!name.empty()) return name;
    name = TrimBlanks(CellAsUtf8(Cell(row, map.author), encoding));
    return map.shape == Shape::ReadingLog ? FirstOf(name, ',') : name;  // a list, given names first
}

std::string CommentsOf(const CsvRow& row, const ColumnMap& map, TextEncoding encoding) {
    std::string comments;
    const auto add = [&comments](const std::string& part) {
        if (part.empty()) return;
        if (!comments.empty()) comments += "\r\n";
        comments += part;
    };
    for (int column : map.comments) {
        const std::string text = CellAsUtf8(Cell(row, column), encoding);
        add(map.htmlComments ? TextFromHtml(text) : text);
    }
    for (const LabelledColumn& extra : map.extraComments) {
        const std::string value = Bare(CellAsUtf8(Cell(row, extra.column), encoding));
        if (!value.empty()) add(extra.label + ": " + value);
    }
    return map.shape == Shape::Tomecase ? comments : WithCrLf(comments);
}

}  // namespace

std::string NormaliseImportedAuthor(const std::string& name) {
    const size_t comma = name.find(',');
    const std::string surname = comma == std::string::npos ? "" : TrimBlanks(name.substr(0, comma));
    if (surname.find(' ') == std::string::npos) return NormaliseAuthorName(name);  // what Add does
    // Given names as Add writes them: split at commas and blanks, rejoined.
    std::string given = name.substr(comma + 1);
    for (char& c : given) {
        if (c == ',') c = ' ';
    }
    given = CapitalisedWords(given);
    // Add's Mc and Mac rule, on the text as a whole.
    std::string result = CapitalisedWords(surname) + (given.empty() ? "" : ", " + given);
    if (result.compare(0, 2, "Mc") == 0 && result.size() > 2) result[2] = UpperAnsiChar(result[2]);
    if (result.compare(0, 3, "Mac") == 0 && result.size() > 3) result[3] = UpperAnsiChar(result[3]);
    return result;
}

bool ImportedOrderDate(const std::string& cell, uint16_t& packed, std::string& problem) {
    std::string text = WithoutBrackets(Bare(cell));
    const size_t time = text.find_first_of(" T");
    if (time != std::string::npos) text = text.substr(0, time);
    packed = 0;
    if (text.empty()) return true;
    const bool yearFirst = text.size() > 4 && AllDigits(text.substr(0, 4)) && (text[4] == '-' || text[4] == '/');
    std::string dialogText = text;
    if (yearFirst) {
        // Turned into the dialog's month/day/year and read the dialog's way.
        const size_t second = text.find_first_of("-/", 5);
        if (second == std::string::npos) {
            problem = "order date \"" + cell + "\" has no day";
            return false;
        }
        dialogText = text.substr(5, second - 5) + "/" + text.substr(second + 1) + "/" + text.substr(0, 4);
    }
    if (!OrderDateFits(dialogText)) {
        problem = "order date \"" + cell + "\" is not a date from 1980 to 2107";
        return false;
    }
    packed = ParseOrderDate(dialogText);
    return true;
}

bool ImportedPubYear(const std::string& cell, uint16_t& year, std::string& problem) {
    std::string text = WithoutBrackets(Bare(cell));
    if (!text.empty() && (text[0] == 'c' || text[0] == 'C')) text = TrimBlanks(text.substr(text[1] == '.' ? 2 : 1));
    year = 0;
    if (text.empty()) return true;
    const size_t digits = text.find_first_not_of("0123456789");
    if (digits == 0) {
        problem = "pub year \"" + cell + "\" is not a year";
        return false;
    }
    const std::string number = text.substr(0, digits);
    if (number.size() > 4 || std::stol(number) > MaxPubYear) {
        problem = "pub year \"" + cell + "\" is beyond 2500, the latest a book file holds";
        return false;
    }
    year = static_cast<uint16_t>(std::stol(number));
    return true;
}

bool BookFromRow(const CsvRow& row, const ColumnMap& map, TextEncoding encoding, ImportedBook& book,
                 Replacements& replaced, std::string& problem) {
    const bool own = map.shape == Shape::Tomecase;
    const auto text = [&](int column) {
        return Cp1252WithStandIns(Bare(CellAsUtf8(Cell(row, column), encoding)), replaced);
    };
    book = ImportedBook();
    // Tomecase's own texts come back as they were stored; the program itself
    // accepts an empty title.
    const std::string title = Cp1252WithStandIns(CellAsUtf8(Cell(row, map.title), encoding), replaced);
    if (TrimBlanks(title).empty() && !own) {
        problem = "it has no title";
        return false;
    }
    book.title = own ? title : NormaliseTitle(title);
    const std::string author = Cp1252WithStandIns(AuthorOf(row, map, encoding), replaced);
    book.author = own ? author : NormaliseImportedAuthor(author);
    if (book.author.empty()) {
        problem = "it has no author";
        return false;
    }
    book.callNumber = text(map.callNumber);
    book.publisher = text(map.publisher);
    if (map.shape == Shape::Catalogue) book.publisher = FirstOf(book.publisher, '(');
    book.library = text(map.library);
    book.category = text(map.category);
    if (book.category.empty() && map.tags != NoColumn) book.category = FirstOf(text(map.tags), ',');

    if (!ImportedOrderDate(CellAsUtf8(Cell(row, map.orderDate), encoding), book.orderDate, problem)) return false;
    const int yearColumn = Bare(Cell(row, map.pubYear)).empty() ? map.pubYearFallback : map.pubYear;
    if (!ImportedPubYear(CellAsUtf8(Cell(row, yearColumn), encoding), book.pubYear, problem)) return false;

    std::string shelf;
    book.flags = map.status == NoColumn ? uint8_t(WantToRead) : StatusFlags(map.shape, text(map.status), shelf);
    if (book.category.empty() && !shelf.empty()) book.category = shelf;
    book.comments = Cp1252WithStandIns(CommentsOf(row, map, encoding), replaced);
    return true;
}

}  // namespace tome
