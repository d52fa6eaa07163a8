#include "collection.h"

#include <cstdio>
#include <vector>

#include "text_rules.h"

namespace tome {

TextList& BookCollection::list(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return authors;
        case ListKind::CallNumbers: return callNumbers;
        case ListKind::Publishers: return publishers;
        case ListKind::Libraries: return libraries;
        case ListKind::Categories: return categories;
    }
    return authors;
}

const TextList& BookCollection::list(ListKind kind) const {
    return const_cast<BookCollection*>(this)->list(kind);
}

bool BookCollection::operator==(const BookCollection& o) const {
    return sortIndex == o.sortIndex && records == o.records && titles == o.titles &&
           comments == o.comments && authors == o.authors && callNumbers == o.callNumbers &&
           publishers == o.publishers && libraries == o.libraries && categories == o.categories &&
           spareCount == o.spareCount;
}

int32_t ListCapacity(ListKind kind) {
    return kind == ListKind::Authors ? MaxAuthorNumber : MaxSmallListNumber;
}

int32_t ListNumberOf(const BookRecord& record, ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return record.author;
        case ListKind::CallNumbers: return record.callNumber;
        case ListKind::Publishers: return record.publisher;
        case ListKind::Libraries: return record.library;
        case ListKind::Categories: return record.category;
    }
    return 0;
}

bool SetListNumber(BookRecord& record, ListKind kind, int32_t number) {
    // A number past the field's width would wrap to another entry.
    if (number < 0 || number > ListCapacity(kind)) return false;
    switch (kind) {
        case ListKind::Authors: record.author = static_cast<uint16_t>(number); break;
        case ListKind::CallNumbers: record.callNumber = static_cast<uint8_t>(number); break;
        case ListKind::Publishers: record.publisher = static_cast<uint8_t>(number); break;
        case ListKind::Libraries: record.library = static_cast<uint8_t>(number); break;
        case ListKind::Categories: record.category = static_cast<uint8_t>(number); break;
    }
    return true;
}

const std::string& ListText(const TextList& list, int32_t number) {
    static const std::string none;
    if (number < 1 || number > list.count()) return none;
    return list[number];
}

const std::string& AuthorText(const BookCollection& books, int32_t bookNumber) {
    return ListText(books.authors, books.records[bookNumber].author);
}

int32_t AddBookAt(BookCollection& books, const Book& book, int32_t position) {
    books.records.append(book.record);
    books.titles.append(book.title);
    books.comments.append(book.comments);
    const int32_t number = books.bookCount();
    books.sortIndex.insertAt(position, number);
    return number;
}

int32_t EditBookAt(BookCollection& books, int32_t oldBookNumber, const Book& book, int32_t position) {
    DeleteBook(books, oldBookNumber);
    return AddBookAt(books, book, position);
}

void DeleteBook(BookCollection& books, int32_t bookNumber) { books.records[bookNumber].set(Deleted); }

int32_t AddListEntry(TextList& list, std::string text) {
    list.append(std::move(text));
    return list.count();
}

void RemoveListEntry(BookCollection& books, ListKind kind, int32_t s) {
    books.list(kind).removeAt(s);
    // Numbers only move down here, so every one of them fits its field.
    for (BookRecord& record : books.records.raw()) {
        const int32_t n = ListNumberOf(record, kind);
        if (n == s) (void)SetListNumber(record, kind, 0);
        else if (n > s) (void)SetListNumber(record, kind, n - 1);
    }
}

void PurgeDeletedBooks(BookCollection& books) {
    const int32_t count = books.bookCount();
    // newNumber[k] = the number book k keeps, 0 when it goes.
    std::vector<int32_t> newNumber(static_cast<size_t>(count) + 1, 0);
    int32_t kept = 0;
    for (int32_t k = 1; k <= count; ++k) {
        if (!books.records[k].has(Deleted)) newNumber[static_cast<size_t>(k)] = ++kept;
    }
    if (kept == count) return;

    std::vector<int32_t>& order = books.sortIndex.raw();
    size_t out = 0;
    for (int32_t k : order) {
        const int32_t n = newNumber[static_cast<size_t>(k)];
        if (n != 0) order[out++] = n;
    }
    order.resize(out);

    auto compact = [&](auto& items) {
        auto& raw = items.raw();
        size_t to = 0;
        for (size_t from = 0; from < raw.size(); ++from) {
            if (newNumber[from + 1] != 0) {
                if (to != from) raw[to] = std::move(raw[from]);
                ++to;
            }
        }
        raw.resize(to);
    };
    compact(books.records);
    compact(books.titles);
    compact(books.comments);
}

std::string FormatOrderDate(uint16_t packed) {
    const int day = packed & 31;
    const int month = (packed & 480) >> 5;
    const int year = (packed >> 9) + 1980;
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%d", month, day, year);
    return text;
}

namespace {

uint16_t RotateLeft16(uint16_t v, int n) { return static_cast<uint16_t>((v << n) | (v >> (16 - n))); }
uint16_t RotateRight16(uint16_t v, int n) { return static_cast<uint16_t>((v >> n) | (v << (16 - n))); }

// The field's leading number, rounded, kept in 16 bits (wrapping like a word).
uint16_t Word(const std::string& field) { return static_cast<uint16_t>(LenientInteger(field)); }

}  // namespace

uint16_t ParseOrderDate(const std::string& text) {
    if (text.empty()) return 0;
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == '-' || c == '/') fields.emplace_back();
        else fields.back() += c;
    }
    const uint16_t month = Word(fields[0]);
    const uint16_t day = fields.size() > 1 ? Word(fields[1]) : 0;
    const std::string yearText = fields.size() > 2 ? fields[2] : std::string();
    uint16_t year = Word(yearText);
    if (yearText.size() != 4) year = static_cast<uint16_t>(year + 2000);
    const uint16_t y = static_cast<uint16_t>(year - 1980);
    return static_cast<uint16_t>(RotateLeft16(month, 5) + RotateRight16(y, 7) + day);
}

}  // namespace tome
