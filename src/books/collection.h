// The book collection: books in parallel 1-based arrays by book number, the
// display order, and the five drop-down lists the records refer to by number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "book_record.h"
#include "one_based.h"

namespace tome {

using TextList = OneBased<std::string>;  // Windows-1252 bytes, no terminator

enum class ListKind { Authors, CallNumbers, Publishers, Libraries, Categories };
constexpr ListKind AllListKinds[] = {ListKind::Authors, ListKind::CallNumbers, ListKind::Publishers,
                                     ListKind::Libraries, ListKind::Categories};

struct Book {
    BookRecord record;
    std::string title;
    std::string comments;
};

struct BookCollection {
    OneBased<int32_t> sortIndex;  // position -> book number
    OneBased<BookRecord> records;
    TextList titles;
    TextList comments;
    TextList authors;
    TextList callNumbers;
    TextList publishers;
    TextList libraries;
    TextList categories;
    int32_t spareCount = 0;  // sixth count word of the file; kept as read

    int32_t bookCount() const { return records.count(); }
    int32_t authorCount() const { return authors.count(); }
    int32_t callNumberCount() const { return callNumbers.count(); }
    int32_t publisherCount() const { return publishers.count(); }
    int32_t libraryCount() const { return libraries.count(); }
    int32_t categoryCount() const { return categories.count(); }

    TextList& list(ListKind kind);
    const TextList& list(ListKind kind) const;

    bool operator==(const BookCollection& o) const;
};

// Highest list number a record can hold for the list.
int32_t ListCapacity(ListKind kind);
// The record field that refers to the list.
int32_t ListNumberOf(const BookRecord& record, ListKind kind);
// Stores number when the field can hold it (0..ListCapacity); otherwise
// leaves the record alone and returns false.
[[nodiscard]] bool SetListNumber(BookRecord& record, ListKind kind, int32_t number);

// Text of a list number; callers test for 0 first except for authors, and an
// author number that is 0 or beyond the list reads as the empty text.
const std::string& ListText(const TextList& list, int32_t number);
const std::string& AuthorText(const BookCollection& books, int32_t bookNumber);

// The words messages use for one entry of a list ("call number") and for the
// list itself ("call numbers").
const char* ListEntryWord(ListKind kind);
const char* ListWord(ListKind kind);
// The author as lists and reports show it: empty when the entry holds only a
// comma between blanks, which is what a name of only commas and blanks is
// stored as (", ") and what an edited book's author may have been kept as.
std::string_view ShownAuthorText(const BookCollection& books, int32_t bookNumber);

// Appends a book and puts its number at sortIndex position (1..bookCount+1).
// Returns the new book number.
int32_t AddBookAt(BookCollection& books, const Book& book, int32_t position);
// Marks the old version deleted, then adds the new one at position.
int32_t EditBookAt(BookCollection& books, int32_t oldBookNumber, const Book& book, int32_t position);
void DeleteBook(BookCollection& books, int32_t bookNumber);

// Appends text to the list; returns its list number.
int32_t AddListEntry(TextList& list, std::string text);
// Removes entry s; records that referred to it get 0 (none), later ones move down.
void RemoveListEntry(BookCollection& books, ListKind kind, int32_t s);

// Removes every Deleted book, renumbering the rest densely in book-number
// order; sortIndex keeps the relative order of the remaining books.
void PurgeDeletedBooks(BookCollection& books);

}  // namespace tome
