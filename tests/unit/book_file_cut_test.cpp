// A book file cut short anywhere is refused as incomplete, and the reader
// never looks past its last byte: the order and the records are taken as
// whole blocks, so every cut is tried in every block. Each cut copy is a
// buffer of exactly its length, so the address sanitizer sees any read
// beyond it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/book_file.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

// Three books out of number order, an entry in every list, a comment, and a
// title long enough to need the 32-bit length.
BookCollection EveryBlockFilled(size_t longTitle) {
    BookCollection c;
    c.authors.append("Austen, Jane");
    c.authors.append("Bronte, Anne");
    c.callNumbers.append("823.7");
    c.publishers.append("Penguin");
    c.libraries.append("Central");
    c.categories.append("Novels");
    c.spareCount = 3;
    const std::string titles[] = {std::string(longTitle, 'x'), "Persuasion", "Sanditon"};
    for (int i = 0; i < 3; ++i) {
        Book b;
        b.record.flags = WantToRead | Shown;
        b.record.author = static_cast<uint16_t>(1 + i % 2);
        b.record.callNumber = b.record.publisher = b.record.library = b.record.category = 1;
        b.record.pubYear = 1815;
        b.title = titles[i];
        b.comments = i == 1 ? "lent to Anne" : "";
        AddBookAt(c, b, 1);  // each new book first: the order is 3, 2, 1
    }
    return c;
}

// Every cut from one byte to one short of the whole file, stepping through
// the bytes in [skipFrom, skipTo) rather than trying each.
void ExpectEveryCutRefused(const Bytes& whole, size_t skipFrom = 0, size_t skipTo = 0) {
    const std::string incomplete = "The file is damaged or incomplete: ";
    BookCollection before;
    before.authors.append("open before");
    for (size_t keep = 1; keep < whole.size(); keep += keep >= skipFrom && keep < skipTo ? 997 : 1) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(keep));
        BookCollection out = before;
        std::string reason;
        ASSERT_FALSE(ParseBookFile(cut.data(), cut.size(), out, reason)) << keep;
        ASSERT_EQ(reason.compare(0, incomplete.size(), incomplete), 0) << keep << ": " << reason;
        ASSERT_TRUE(out == before) << keep;
    }
}

TEST(BookFileCut, EveryCutOfAFileWithEveryBlockFilledIsRefused) {
    const BookCollection books = EveryBlockFilled(12);
    const Bytes whole = SerializeBookFile(books);
    BookCollection back;
    std::string reason;
    ASSERT_TRUE(ParseBookFile(whole.data(), whole.size(), back, reason)) << reason;
    ASSERT_TRUE(back == books);
    ExpectEveryCutRefused(whole);
}

TEST(BookFileCut, EveryCutAroundAThirtyTwoBitLengthIsRefused) {
    const Bytes whole = SerializeBookFile(EveryBlockFilled(70000));
    const size_t text = BookFileHeaderSize + 28 + 3 * 4 + 3 * 12 + 6;
    ASSERT_EQ(whole[text - 6], 0xFF);  // the cuts below are around the long length and its text
    ASSERT_EQ(whole[text - 5], 0xFF);
    ExpectEveryCutRefused(whole, text + 64, text + 70000 - 64);
}

TEST(BookFileCut, ACutNamesTheBlockItEndsIn) {
    const Bytes whole = SerializeBookFile(EveryBlockFilled(200));
    const size_t titleText = BookFileHeaderSize + 28 + 3 * 4 + 3 * 12 + 2;
    struct Case {
        size_t keep;
        const char* words;
    } cases[] = {
        {BookFileHeaderSize + 27, "it ends inside its counts."},
        {titleText + 100, "it ends inside its titles."},
        {whole.size() - 1, "it ends inside its categories list."},
    };
    for (const Case& c : cases) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(c.keep));
        BookCollection out;
        std::string reason;
        EXPECT_FALSE(ParseBookFile(cut.data(), cut.size(), out, reason));
        EXPECT_EQ(reason, std::string("The file is damaged or incomplete: ") + c.words) << c.keep;
    }
}

}  // namespace
}  // namespace tome
