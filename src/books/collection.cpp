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

const char* ListEntryWord(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return "author";
        case ListKind::CallNumbers: return "call number";
        case ListKind::Publishers: return "publisher";
        case ListKind::Libraries: return "library";
        case ListKind::Categories: return "category";
    }
    return "";
}

const char* ListWord(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return "authors";
        case ListKind::CallNumbers: return "call numbers";
        case ListKind::Publishers: return "publishers";
        case ListKind::Libraries: return "libraries";
        case ListKind::Categories: return "categories";
    }
    return "";
}

std::string_view ShownAuthorText(const BookCollection& books, int32_t bookNumber) {
    const std::string& author = AuthorText(books, bookNumber);
    return TrimmedBlanks(author) == "," ? std::string_view() : std::string_view(author);
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

}  // namespace tome
