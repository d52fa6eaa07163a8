#include "book_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "byte_io.h"

namespace tome {

const char BookFileHeader[] = "Tomecase Version 1";
static_assert(sizeof(BookFileHeader) - 1 == BookFileHeaderSize, "header is 18 bytes");

namespace {

struct Counts {
    int32_t books = 0, authors = 0, callNumbers = 0, publishers = 0, libraries = 0, spare = 0,
            categories = 0;
};

// A 16-bit length, or FFFF and a 32-bit one, then that many bytes.
bool TakeString(ByteReader& in, const uint8_t*& text, size_t& length) {
    const uint8_t* at;
    if (!in.Take(2, at)) return false;
    length = LoadU16(at);
    if (length == LongTextMarker) {
        if (!in.Take(4, at)) return false;
        length = LoadU32(at);
    }
    return in.Take(length, text);
}

std::string Damaged(const std::string& detail) { return "The file is damaged: " + detail + "."; }
std::string CutShort(const char* what) {
    return "The file is damaged or incomplete: it ends inside its " + std::string(what) + ".";
}

// Each string is built in its place in the list, straight from the file's bytes.
bool ReadStrings(ByteReader& in, int32_t count, TextList& list, const char* what, std::string& reason) {
    std::vector<std::string>& items = list.raw();
    items.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* text;
        size_t length;
        if (!TakeString(in, text, length)) {
            reason = CutShort(what);
            return false;
        }
        items.emplace_back(reinterpret_cast<const char*>(text), length);
    }
    return true;
}

bool CheckSortIndex(const BookCollection& books, std::string& reason) {
    const int32_t count = books.bookCount();
    std::vector<bool> seen(static_cast<size_t>(count) + 1, false);
    for (int32_t p = 1; p <= count; ++p) {
        const int32_t k = books.sortIndex[p];
        if (k < 1 || k > count || seen[static_cast<size_t>(k)]) {
            reason = Damaged("its display order does not list each of its " + std::to_string(count) +
                             " books exactly once");
            return false;
        }
        seen[static_cast<size_t>(k)] = true;
    }
    return true;
}

// Book b refers past at least one list: the first such number, in list
// order, is the one named.
bool RefuseListNumber(const BookCollection& books, int32_t b, std::string& reason) {
    for (ListKind kind : AllListKinds) {
        const int32_t n = ListNumberOf(books.records[b], kind);
        const int32_t count = books.list(kind).count();
        if (n > count) {
            reason = Damaged("book " + std::to_string(b) + " refers to " + ListEntryWord(kind) + " " +
                             std::to_string(n) + ", but that list has " + std::to_string(count) + " entries");
            break;
        }
    }
    return false;
}

// One test of each record against all five counts at once.
bool CheckListNumbers(const BookCollection& books, std::string& reason) {
    const int32_t authors = books.authorCount(), callNumbers = books.callNumberCount(),
                  publishers = books.publisherCount(), libraries = books.libraryCount(),
                  categories = books.categoryCount();
    const std::vector<BookRecord>& records = books.records.raw();
    for (size_t i = 0; i < records.size(); ++i) {
        const BookRecord& r = records[i];
        if (r.author > authors || r.callNumber > callNumbers || r.publisher > publishers ||
            r.library > libraries || r.category > categories) {
            return RefuseListNumber(books, static_cast<int32_t>(i) + 1, reason);
        }
    }
    return true;
}

bool ReadHeader(ByteReader& in, std::string& reason) {
    // A file cut inside the header is told apart from a foreign one by the
    // bytes it does have.
    const size_t present = std::min(in.remaining(), BookFileHeaderSize);
    char header[BookFileHeaderSize];
    if (!in.ReadBytes(header, present) || std::memcmp(header, BookFileHeader, present) != 0) {
        reason = "It is not a Tomecase book file.";
        return false;
    }
    if (present < BookFileHeaderSize) {
        reason = CutShort("header");
        return false;
    }
    return true;
}

// The counts are checked before anything is reserved for them: none may be
// negative, no list may be longer than a record can number, and together they
// may not call for more bytes than the file has left.
bool ReadCounts(ByteReader& in, Counts& c, std::string& reason) {
    if (!in.ReadI32(c.books) || !in.ReadI32(c.authors) || !in.ReadI32(c.callNumbers) ||
        !in.ReadI32(c.publishers) || !in.ReadI32(c.libraries) || !in.ReadI32(c.spare) ||
        !in.ReadI32(c.categories)) {
        reason = CutShort("counts");
        return false;
    }
    const std::pair<int32_t, const char*> sized[] = {
        {c.books, "books"},           {c.authors, "authors"},     {c.callNumbers, "call numbers"},
        {c.publishers, "publishers"}, {c.libraries, "libraries"}, {c.categories, "categories"}};
    for (const auto& [count, name] : sized) {
        if (count < 0) {
            reason = Damaged(std::string("its number of ") + name + " is negative");
            return false;
        }
    }
    const std::pair<int32_t, ListKind> lists[] = {{c.authors, ListKind::Authors},
                                                  {c.callNumbers, ListKind::CallNumbers},
                                                  {c.publishers, ListKind::Publishers},
                                                  {c.libraries, ListKind::Libraries},
                                                  {c.categories, ListKind::Categories}};
    for (const auto& [count, kind] : lists) {
        if (count > ListCapacity(kind)) {
            reason = Damaged(std::string("its ") + ListWord(kind) + " list has " + std::to_string(count) +
                             " entries, more than the " + std::to_string(ListCapacity(kind)) +
                             " a book record can refer to");
            return false;
        }
    }
    // The least each element can take: an order entry, a record and two empty
    // strings per book, an empty string per list entry.
    const uint64_t least = uint64_t(c.books) * (4 + 12 + 2 + 2) +
                           2 * (uint64_t(c.authors) + uint64_t(c.callNumbers) + uint64_t(c.publishers) +
                                uint64_t(c.libraries) + uint64_t(c.categories));
    if (least > in.remaining()) {
        reason = "The file is damaged or incomplete: its counts call for more data than it holds.";
        return false;
    }
    return true;
}

BookRecord RecordAt(const uint8_t* b) {
    // Packed fields are filled from locals: a reference to the 16-bit author
    // at offset 1 would be misaligned.
    BookRecord r;
    r.flags = b[0];
    r.author = LoadU16(b + 1);
    r.callNumber = b[3];
    r.orderDate = LoadU16(b + 4);
    r.pubYear = LoadU16(b + 6);
    r.publisher = b[8];
    r.library = b[9];
    r.reserved = b[10];
    r.category = b[11];
    return r;
}

// The order and the records are fixed-size blocks, each checked once as a whole.
bool ReadBooks(ByteReader& in, int32_t count, BookCollection& books, std::string& reason) {
    if (count == 0) return true;
    const size_t n = static_cast<size_t>(count);
    const uint8_t* at;
    if (!in.Take(n * 4, at)) {
        reason = CutShort("display order");
        return false;
    }
    std::vector<int32_t>& order = books.sortIndex.raw();
    order.resize(n);
    for (size_t i = 0; i < n; ++i) order[i] = static_cast<int32_t>(LoadU32(at + 4 * i));
    if (!in.Take(n * 12, at)) {
        reason = CutShort("book records");
        return false;
    }
    std::vector<BookRecord>& records = books.records.raw();
    records.resize(n);
    for (size_t i = 0; i < n; ++i) records[i] = RecordAt(at + 12 * i);
    return ReadStrings(in, count, books.titles, "titles", reason) &&
           ReadStrings(in, count, books.comments, "comments", reason);
}

}  // namespace

bool ParseBookFile(const uint8_t* data, size_t size, BookCollection& out, std::string& reason) {
    if (size == 0) {  // what opening a new name creates
        out = BookCollection();
        return true;
    }
    ByteReader in(data, size);
    Counts c;
    if (!ReadHeader(in, reason) || !ReadCounts(in, c, reason)) return false;

    BookCollection books;
    books.spareCount = c.spare;
    if (!ReadBooks(in, c.books, books, reason)) return false;
    if (!ReadStrings(in, c.authors, books.authors, "authors list", reason) ||
        !ReadStrings(in, c.callNumbers, books.callNumbers, "call numbers list", reason) ||
        !ReadStrings(in, c.publishers, books.publishers, "publishers list", reason) ||
        !ReadStrings(in, c.libraries, books.libraries, "libraries list", reason) ||
        !ReadStrings(in, c.categories, books.categories, "categories list", reason)) {
        return false;
    }
    if (!CheckSortIndex(books, reason) || !CheckListNumbers(books, reason)) return false;
    // Bytes after the last element are leftovers of an older, longer save.
    out = std::move(books);
    return true;
}

void FixStoredPubYears(BookCollection& books) {
    for (BookRecord& r : books.records.raw()) {
        if (r.pubYear > 2500) r.pubYear = static_cast<uint16_t>(r.pubYear / 16);
    }
}

}  // namespace tome
