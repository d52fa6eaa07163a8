// Writing the book file: the exact size is added up first, then every field
// goes straight into place, with no check of room per byte.
#include <cassert>
#include <cstring>

#include "book_file.h"
#include "byte_io.h"

namespace tome {
namespace {

// Moves along a buffer already sized for everything written to it.
class Cursor {
public:
    explicit Cursor(uint8_t* at) : at_(at) {}
    uint8_t* at() const { return at_; }

    void U8(uint8_t v) { *at_++ = v; }
    void U16(uint16_t v) {
        StoreU16(at_, v);
        at_ += 2;
    }
    void U32(uint32_t v) {
        StoreU32(at_, v);
        at_ += 4;
    }
    void Bytes(const void* data, size_t n) {
        if (n != 0) std::memcpy(at_, data, n);
        at_ += n;
    }

private:
    uint8_t* at_;
};

size_t StringSize(const std::string& text) { return (text.size() < LongTextMarker ? 2 : 6) + text.size(); }

void WriteString(Cursor& out, const std::string& text) {
    if (text.size() < LongTextMarker) {
        out.U16(static_cast<uint16_t>(text.size()));
    } else {
        out.U16(LongTextMarker);
        out.U32(static_cast<uint32_t>(text.size()));
    }
    out.Bytes(text.data(), text.size());
}

void WriteRecord(Cursor& out, const BookRecord& r) {
    out.U8(r.flags);
    out.U16(r.author);
    out.U8(r.callNumber);
    out.U16(r.orderDate);
    out.U16(r.pubYear);
    out.U8(r.publisher);
    out.U8(r.library);
    out.U8(r.reserved);
    out.U8(r.category);
}

// The seven string blocks in file order.
template <class F>
void ForEachTextList(const BookCollection& books, F f) {
    for (const TextList* list : {&books.titles, &books.comments, &books.authors, &books.callNumbers,
                                 &books.publishers, &books.libraries, &books.categories}) {
        f(*list);
    }
}

}  // namespace

std::vector<uint8_t> SerializeBookFile(const BookCollection& books) {
    size_t size = BookFileHeaderSize + 7 * 4 + books.sortIndex.raw().size() * 4 +
                  books.records.raw().size() * sizeof(BookRecord);
    ForEachTextList(books, [&](const TextList& list) {
        for (const std::string& text : list.raw()) size += StringSize(text);
    });
    std::vector<uint8_t> bytes(size);
    Cursor out(bytes.data());

    out.Bytes(BookFileHeader, BookFileHeaderSize);
    for (int32_t count : {books.bookCount(), books.authorCount(), books.callNumberCount(), books.publisherCount(),
                          books.libraryCount(), books.spareCount, books.categoryCount()}) {
        out.U32(static_cast<uint32_t>(count));
    }
    for (int32_t k : books.sortIndex.raw()) out.U32(static_cast<uint32_t>(k));
    for (const BookRecord& r : books.records.raw()) WriteRecord(out, r);
    ForEachTextList(books, [&](const TextList& list) {
        for (const std::string& text : list.raw()) WriteString(out, text);
    });
    assert(out.at() == bytes.data() + bytes.size());
    return bytes;
}

}  // namespace tome
