#include "book_file.h"

#include <cstring>
#include <utility>

#include "byte_io.h"

namespace tome {

const char BookFileHeader[] = "Tomecase Version 1";
static_assert(sizeof(BookFileHeader) - 1 == BookFileHeaderSize, "header is 18 bytes");

namespace {

constexpr uint16_t LongTextMarker = 0xFFFF;

struct Counts {
    int32_t books = 0, authors = 0, callNumbers = 0, publishers = 0, libraries = 0, spare = 0,
            categories = 0;
};

bool ReadString(ByteReader& in, std::string& out) {
    uint16_t shortLength;
    if (!in.ReadU16(shortLength)) return false;
    uint32_t length = shortLength;
    if (shortLength == LongTextMarker && !in.ReadU32(length)) return false;
    return in.ReadText(out, length);
}

void WriteString(ByteWriter& out, const std::string& text) {
    if (text.size() < LongTextMarker) {
        out.WriteU16(static_cast<uint16_t>(text.size()));
    } else {
        out.WriteU16(LongTextMarker);
        out.WriteU32(static_cast<uint32_t>(text.size()));
    }
    out.WriteBytes(text.data(), text.size());
}

std::string Damaged(const std::string& detail) { return "The file is damaged: " + detail + "."; }
std::string CutShort(const char* what) {
    return "The file is damaged or incomplete: it ends inside its " + std::string(what) + ".";
}

bool ReadStrings(ByteReader& in, int32_t count, TextList& list, const char* what, std::string& reason) {
    list.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        std::string text;
        if (!ReadString(in, text)) {
            reason = CutShort(what);
            return false;
        }
        list.append(std::move(text));
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

const char* ListName(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return "author";
        case ListKind::CallNumbers: return "call number";
        case ListKind::Publishers: return "publisher";
        case ListKind::Libraries: return "library";
        case ListKind::Categories: return "category";
    }
    return "";
}

bool CheckListNumbers(const BookCollection& books, std::string& reason) {
    for (int32_t b = 1; b <= books.bookCount(); ++b) {
        for (ListKind kind : AllListKinds) {
            const int32_t n = ListNumberOf(books.records[b], kind);
            const int32_t count = books.list(kind).count();
            if (n > count) {
                reason = Damaged("book " + std::to_string(b) + " refers to " + ListName(kind) + " " +
                                 std::to_string(n) + ", but that list has " + std::to_string(count) +
                                 " entries");
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool ParseBookFile(const uint8_t* data, size_t size, BookCollection& out, std::string& reason) {
    if (size == 0) {  // what opening a new name creates
        out = BookCollection();
        return true;
    }
    ByteReader in(data, size);
    char header[BookFileHeaderSize];
    if (!in.ReadBytes(header, sizeof header) || std::memcmp(header, BookFileHeader, sizeof header) != 0) {
        reason = "It is not a Tomecase book file.";
        return false;
    }

    Counts c;
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
    // The least each element can take: an order entry, a record and two empty
    // strings per book, an empty string per list entry. Checking this first
    // keeps every reservation below within the size of the file.
    const uint64_t least = uint64_t(c.books) * (4 + 12 + 2 + 2) +
                           2 * (uint64_t(c.authors) + uint64_t(c.callNumbers) + uint64_t(c.publishers) +
                                uint64_t(c.libraries) + uint64_t(c.categories));
    if (least > in.remaining()) {
        reason = "The file is damaged or incomplete: its counts call for more data than it holds.";
        return false;
    }

    BookCollection books;
    books.spareCount = c.spare;
    if (c.books > 0) {
        books.sortIndex.reserve(static_cast<size_t>(c.books));
        for (int32_t i = 0; i < c.books; ++i) {
            int32_t k;
            if (!in.ReadI32(k)) {
                reason = CutShort("display order");
                return false;
            }
            books.sortIndex.append(k);
        }
        books.records.reserve(static_cast<size_t>(c.books));
        for (int32_t i = 0; i < c.books; ++i) {
            // Packed fields are read through locals: a reference to the
            // 16-bit author at offset 1 would be misaligned.
            uint8_t b[12];
            if (!in.ReadBytes(b, sizeof b)) {
                reason = CutShort("book records");
                return false;
            }
            BookRecord r;
            r.flags = b[0];
            r.author = static_cast<uint16_t>(b[1] | (b[2] << 8));
            r.callNumber = b[3];
            r.orderDate = static_cast<uint16_t>(b[4] | (b[5] << 8));
            r.pubYear = static_cast<uint16_t>(b[6] | (b[7] << 8));
            r.publisher = b[8];
            r.library = b[9];
            r.reserved = b[10];
            r.category = b[11];
            books.records.append(r);
        }
        if (!ReadStrings(in, c.books, books.titles, "titles", reason) ||
            !ReadStrings(in, c.books, books.comments, "comments", reason)) {
            return false;
        }
    }
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

std::vector<uint8_t> SerializeBookFile(const BookCollection& books) {
    ByteWriter out;
    size_t size = BookFileHeaderSize + 7 * 4 + size_t(books.bookCount()) * 20;
    for (const auto* list : {&books.titles, &books.comments, &books.authors, &books.callNumbers,
                             &books.publishers, &books.libraries, &books.categories}) {
        for (const std::string& text : list->raw()) size += text.size() + 2;
    }
    out.Reserve(size);

    out.WriteBytes(BookFileHeader, BookFileHeaderSize);
    out.WriteI32(books.bookCount());
    out.WriteI32(books.authorCount());
    out.WriteI32(books.callNumberCount());
    out.WriteI32(books.publisherCount());
    out.WriteI32(books.libraryCount());
    out.WriteI32(books.spareCount);
    out.WriteI32(books.categoryCount());
    for (int32_t k : books.sortIndex.raw()) out.WriteI32(k);
    for (const BookRecord& r : books.records.raw()) {
        out.WriteU8(r.flags);
        out.WriteU16(r.author);
        out.WriteU8(r.callNumber);
        out.WriteU16(r.orderDate);
        out.WriteU16(r.pubYear);
        out.WriteU8(r.publisher);
        out.WriteU8(r.library);
        out.WriteU8(r.reserved);
        out.WriteU8(r.category);
    }
    for (const auto* list : {&books.titles, &books.comments, &books.authors, &books.callNumbers,
                             &books.publishers, &books.libraries, &books.categories}) {
        for (const std::string& text : list->raw()) WriteString(out, text);
    }
    return std::move(out.bytes());
}

void FixStoredPubYears(BookCollection& books) {
    for (BookRecord& r : books.records.raw()) {
        if (r.pubYear > 2500) r.pubYear = static_cast<uint16_t>(r.pubYear / 16);
    }
}

}  // namespace tome
