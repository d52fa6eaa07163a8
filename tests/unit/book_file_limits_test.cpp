// The reader at the edges of what a record can number and of what a file can
// ask for: lists as long as their record field reaches load and write back;
// one entry more, a cut header, or counts out of proportion are refused
// before anything is reserved for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "books/book_file.h"
#include "heap_watch.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

// Every list as long as its record field can number, and books that refer to
// the first and the last entry of each.
BookCollection AtTheLimits() {
    BookCollection c;
    for (ListKind kind : AllListKinds) {
        TextList& list = c.list(kind);
        for (int32_t n = 1; n <= ListCapacity(kind); ++n) list.append("E" + std::to_string(n));
    }
    for (int32_t entry : {ListCapacity(ListKind::Authors), 1}) {
        Book b;
        b.record.flags = WantToRead | Shown;
        for (ListKind kind : AllListKinds) {
            EXPECT_TRUE(SetListNumber(b.record, kind, kind == ListKind::Authors ? entry : std::min(entry, 255)));
        }
        b.title = "Book " + std::to_string(entry);
        AddBookAt(c, b, c.bookCount() + 1);
    }
    return c;
}

std::string ReasonFor(const Bytes& bytes) {
    BookCollection out;
    std::string reason;
    EXPECT_FALSE(ParseBookFile(bytes.data(), bytes.size(), out, reason));
    EXPECT_TRUE(out == BookCollection());
    return reason;
}

void PutI32(Bytes& b, size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(uint32_t(v) >> (8 * i));
}

// A header and seven counts followed by `body` zero bytes: zeros read as
// empty strings, so the counts' lists are all there.
Bytes WithCounts(const int32_t (&counts)[7], size_t body) {
    Bytes b(BookFileHeaderSize + 28 + body, 0);
    std::copy(BookFileHeader, BookFileHeader + BookFileHeaderSize, b.begin());
    for (int i = 0; i < 7; ++i) PutI32(b, BookFileHeaderSize + 4 * size_t(i), counts[i]);
    return b;
}

// n books with empty texts and no list entries, in book-number order: the
// file that needs the most memory for its size.
Bytes EmptyBooks(int32_t n) {
    Bytes b = WithCounts({n, 0, 0, 0, 0, 0, 0}, 20 * size_t(n));
    for (int32_t k = 1; k <= n; ++k) PutI32(b, BookFileHeaderSize + 28 + 4 * size_t(k - 1), k);
    return b;
}

TEST(BookFileLimits, ListsAtTheirRecordLimitsLoadAndWriteBackByteForByte) {
    const BookCollection full = AtTheLimits();
    const Bytes bytes = SerializeBookFile(full);
    BookCollection back;
    std::string reason;
    ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), back, reason)) << reason;
    EXPECT_TRUE(back == full);
    EXPECT_EQ(ListNumberOf(back.records[1], ListKind::Authors), 65535);
    EXPECT_EQ(ListNumberOf(back.records[1], ListKind::Categories), 255);
    EXPECT_EQ(SerializeBookFile(back), bytes);
}

TEST(BookFileLimits, AListOneEntryPastItsRecordFieldIsRefusedNamingBothNumbers) {
    const struct {
        ListKind kind;
        const char* words;
    } cases[] = {
        {ListKind::Authors, "its authors list has 65536 entries, more than the 65535 a book record can refer to"},
        {ListKind::CallNumbers, "its call numbers list has 256 entries, more than the 255 a book record can"},
        {ListKind::Publishers, "its publishers list has 256 entries, more than the 255"},
        {ListKind::Libraries, "its libraries list has 256 entries, more than the 255"},
        {ListKind::Categories, "its categories list has 256 entries, more than the 255"},
    };
    for (const auto& c : cases) {
        BookCollection tooLong = AtTheLimits();
        tooLong.list(c.kind).append("One too many");
        const std::string reason = ReasonFor(SerializeBookFile(tooLong));
        EXPECT_NE(reason.find(c.words), std::string::npos) << reason;
    }
}

TEST(BookFileLimits, SixteenMillionEmptyAuthorsAreRefusedWithoutAllocatingForThem) {
    if (!HeapWatch::Available()) GTEST_SKIP() << "needs the address sanitizer's hooks";
    // 32 MiB that once took over 500 MB to load.
    const int32_t authors = 16 * 1024 * 1024;
    const Bytes file = WithCounts({0, authors, 0, 0, 0, 0, 0}, 2 * size_t(authors));
    std::string reason;
    {
        HeapWatch watch;
        BookCollection out;
        EXPECT_FALSE(ParseBookFile(file.data(), file.size(), out, reason));
        EXPECT_LT(watch.peak(), 4096u);
    }
    EXPECT_NE(reason.find("16777216 entries, more than the 65535"), std::string::npos) << reason;
}

// What the reader holds at its peak, beside the file's own bytes: four bytes
// of order and a 12-byte record per book, two strings per book and one per
// list entry, each the string object plus its text.
TEST(BookFileLimits, ReadingTakesAtMostAboutFourTimesTheFile) {
    if (!HeapWatch::Available()) GTEST_SKIP() << "needs the address sanitizer's hooks";
    const size_t longestLists = (65535 + 4 * 255) * sizeof(std::string);
    const struct {
        const char* shape;
        Bytes file;
    } files[] = {
        {"empty books", EmptyBooks(300000)},
        {"lists only", WithCounts({0, 65535, 255, 255, 255, 0, 255}, 2 * size_t(65535 + 4 * 255))},
        {"at the limits", SerializeBookFile(AtTheLimits())},
    };
    for (const auto& [shape, file] : files) {
        HeapWatch watch;
        BookCollection out;
        std::string reason;
        ASSERT_TRUE(ParseBookFile(file.data(), file.size(), out, reason)) << shape << ": " << reason;
        EXPECT_LE(watch.peak(), file.size() * 17 / 4 + longestLists) << shape;
        std::printf("%s: %zu bytes of file, %zu at the peak of reading\n", shape, file.size(), watch.peak());
    }
}

TEST(BookFileLimits, ACutInsideTheHeaderSaysTheFileIsIncomplete) {
    const std::string header(BookFileHeader, BookFileHeaderSize);
    for (size_t keep = 1; keep < BookFileHeaderSize; ++keep) {
        EXPECT_EQ(ReasonFor(Bytes(header.begin(), header.begin() + long(keep))),
                  "The file is damaged or incomplete: it ends inside its header.")
            << keep;
    }
    for (const std::string foreign : {"Tomecase Versiom", "PK", "tomecase version 1 and more"}) {
        EXPECT_EQ(ReasonFor(Bytes(foreign.begin(), foreign.end())), "It is not a Tomecase book file.") << foreign;
    }
}

}  // namespace
}  // namespace tome
