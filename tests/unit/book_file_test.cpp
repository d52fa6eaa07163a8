#include "books/book_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "books/list_filling.h"
#include "dialogs/book_save.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}
Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}
Bytes Counts(int32_t books, int32_t authors, int32_t calls = 0, int32_t pubs = 0, int32_t libs = 0,
             int32_t spare = 0, int32_t cats = 0) {
    return Concat({Text("Tomecase Version 1"), I32(books), I32(authors), I32(calls), I32(pubs), I32(libs),
                   I32(spare), I32(cats)});
}

BookCollection Emma() {
    BookCollection c;
    c.authors.append("Austen");
    Book b;
    b.record.flags = WantToRead | Shown;
    b.record.author = 1;
    b.title = "Emma";
    AddBookAt(c, b, 1);
    return c;
}

const Bytes EmmaBytes = Concat({Counts(1, 1), I32(1), {0x22, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                {4, 0}, Text("Emma"), {0, 0}, {6, 0}, Text("Austen")});

std::string Refusal(const Bytes& bytes) {
    BookCollection out = Emma();
    const BookCollection before = out;
    std::string reason;
    EXPECT_FALSE(ParseBookFile(bytes.data(), bytes.size(), out, reason));
    EXPECT_TRUE(out == before) << "a refused file must not touch the collection";
    EXPECT_FALSE(reason.empty());
    return reason;
}

TEST(BookFileFormat, OneBookExampleByteForByte) {
    EXPECT_EQ(SerializeBookFile(Emma()), EmmaBytes);
    BookCollection back;
    std::string reason;
    ASSERT_TRUE(ParseBookFile(EmmaBytes.data(), EmmaBytes.size(), back, reason)) << reason;
    EXPECT_TRUE(back == Emma());
}

TEST(BookFileFormat, LongStringsUseTheFFFFEscape) {
    for (size_t n : {size_t(65534), size_t(65535), size_t(70000)}) {
        BookCollection c = Emma();
        c.titles[1] = std::string(n, 'x');
        const Bytes bytes = SerializeBookFile(c);
        const size_t titleAt = 18 + 28 + 4 + 12;
        // The writer sizes its buffer before writing: nothing may be left over.
        EXPECT_EQ(bytes.size(), titleAt + (n < 65535 ? 2 : 6) + n + 2 + 2 + 6) << n;
        if (n < 65535) {
            EXPECT_EQ(bytes[titleAt], uint8_t(n));
            EXPECT_EQ(bytes[titleAt + 1], uint8_t(n >> 8));
        } else {
            EXPECT_EQ(bytes[titleAt], 0xFF);
            EXPECT_EQ(bytes[titleAt + 1], 0xFF);
            Bytes len(bytes.begin() + titleAt + 2, bytes.begin() + titleAt + 6);
            EXPECT_EQ(len, I32(static_cast<int32_t>(n)));
        }
        BookCollection back;
        std::string reason;
        ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), back, reason)) << reason;
        EXPECT_EQ(back.titles[1].size(), n);
        EXPECT_EQ(SerializeBookFile(back), bytes);
    }
}

TEST(BookFileFormat, EmptyListsWriteNoBlocksAndSpareCountIsKept) {
    BookCollection c = Emma();
    c.spareCount = 7;
    const Bytes bytes = SerializeBookFile(c);
    EXPECT_EQ(bytes.size(), EmmaBytes.size());
    EXPECT_EQ(Bytes(bytes.begin() + 38, bytes.begin() + 42), I32(7));

    BookCollection empty;
    EXPECT_EQ(SerializeBookFile(empty), Counts(0, 0));
}

TEST(BookFileFormat, ZeroByteFileIsAnEmptyCollection) {
    BookCollection out = Emma();
    std::string reason;
    ASSERT_TRUE(ParseBookFile(nullptr, 0, out, reason));
    EXPECT_EQ(out.bookCount(), 0);
    EXPECT_EQ(out.authorCount(), 0);
}

TEST(BookFileFormat, BytesAfterTheLastElementAreIgnored) {
    Bytes withLeftovers = Concat({EmmaBytes, Text("leftover from a longer save")});
    BookCollection out;
    std::string reason;
    ASSERT_TRUE(ParseBookFile(withLeftovers.data(), withLeftovers.size(), out, reason)) << reason;
    EXPECT_TRUE(out == Emma());
}

TEST(BookFileFormat, RecordFieldsKeepTheirOffsets) {
    BookCollection c = Emma();
    c.callNumbers.append("Fic");
    c.publishers.append("Penguin");
    c.libraries.append("Main");
    c.categories.append("Romance");
    BookRecord& r = c.records[1];
    r.author = 1;
    r.callNumber = 1;
    r.orderDate = 0x3243;
    r.pubYear = 1815;
    r.publisher = 1;
    r.library = 1;
    r.reserved = 0xAB;
    r.category = 1;
    const Bytes bytes = SerializeBookFile(c);
    const Bytes record(bytes.begin() + 50, bytes.begin() + 62);
    EXPECT_EQ(record, (Bytes{0x22, 0x01, 0x00, 0x01, 0x43, 0x32, 0x17, 0x07, 0x01, 0x01, 0xAB, 0x01}));
}

// The record's first byte: 0x02 want to read, 0x04 have read, 0x08 on the
// custom list, 0x10 deleted, 0x20 shown. A file's byte decides the tabs that
// list the book, and a book saved from the dialog writes its byte.
TEST(BookFileFormat, TheFlagByteDecidesWhichTabsListTheBook) {
    const struct {
        uint8_t byte;
        std::vector<int32_t> tabs;
    } cases[] = {
        {0x00, {1}}, {0x22, {1, 2}}, {0x04, {1, 3}}, {0x08, {1, 4}},
        {0x0E, {1, 2, 3, 4}}, {0x10, {}}, {0x3E, {}},
    };
    for (const auto& c : cases) {
        Bytes bytes = EmmaBytes;
        bytes[50] = c.byte;
        BookCollection books;
        std::string reason;
        ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), books, reason)) << reason;
        std::vector<int32_t> tabs;
        for (int32_t tab = 1; tab <= 4; ++tab) {
            ListState state;
            MarkShownBooks(books, tab, state);
            if (state.shownCount == 1) tabs.push_back(tab);
        }
        EXPECT_EQ(tabs, c.tabs) << "flag byte " << int(c.byte);
        EXPECT_EQ(FormOfBook(books, 1).haveRead, (c.byte & 0x04) != 0) << "flag byte " << int(c.byte);
    }

    for (const bool haveRead : {false, true}) {
        BookCollection books;
        FileState files;
        BookForm form;
        form.author = "Austen";
        form.title = "Emma";
        form.haveRead = haveRead;
        ASSERT_TRUE(SaveBook(books, files, form, 0).saved);
        EXPECT_EQ(int(SerializeBookFile(books)[50]), haveRead ? 0x24 : 0x22);
    }
}

TEST(BookFileRefusal, NotABookFile) {
    EXPECT_NE(Refusal(Text("PK\x03\x04 some zip")).find("not a Tomecase book file"), std::string::npos);
    Bytes other = EmmaBytes;
    other[17] = '2';  // "Tomecase Version 2"
    Refusal(other);
    Refusal(Text("Tomecase"));
}

TEST(BookFileRefusal, NegativeCounts) {
    for (int which = 0; which < 7; ++which) {
        if (which == 5) continue;  // the spare count has no block behind it
        Bytes b = EmmaBytes;
        const Bytes minus = I32(-1);
        std::copy(minus.begin(), minus.end(), b.begin() + 18 + 4 * which);
        EXPECT_NE(Refusal(b).find("negative"), std::string::npos) << which;
    }
}

TEST(BookFileRefusal, CountsBeyondTheFileAreRefusedBeforeReading) {
    // Two thousand million books in a 46-byte file: refused without reserving.
    Refusal(Counts(2000000000, 0));
    Refusal(Counts(0, 2000000000));
    Refusal(Counts(0, 0, 0, 0, 0, 0, 2000000000));
}

TEST(BookFileRefusal, TruncatedAtEveryByte) {
    for (size_t keep = 1; keep < EmmaBytes.size(); ++keep) {
        Refusal(Bytes(EmmaBytes.begin(), EmmaBytes.begin() + static_cast<long>(keep)));
    }
}

TEST(BookFileRefusal, StringLengthPastTheEnd) {
    Bytes b = Concat({Counts(0, 1), {0xFF, 0xFF}, I32(-2), Text("xx")});
    Refusal(b);
    Refusal(Concat({Counts(0, 1), {50, 0}, Text("short")}));
}

TEST(BookFileRefusal, DisplayOrderMustListEachBookOnce) {
    const Bytes rec = {0x22, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes strings = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 'A'};
    for (Bytes order : {Concat({I32(1), I32(1)}), Concat({I32(0), I32(1)}), Concat({I32(3), I32(1)}),
                        Concat({I32(-1), I32(2)})}) {
        Refusal(Concat({Counts(2, 1), order, rec, rec, strings}));
    }
    BookCollection ok;
    const Bytes good = Concat({Counts(2, 1), I32(2), I32(1), rec, rec, strings});
    std::string reason;
    EXPECT_TRUE(ParseBookFile(good.data(), good.size(), ok, reason)) << reason;
}

TEST(BookFileRefusal, RecordsMustReferToExistingEntries) {
    struct Case { size_t offset; uint8_t value; };
    // author (offset 1, low byte), call number 3, publisher 8, library 9, category 11
    for (Case k : {Case{1, 2}, Case{3, 1}, Case{8, 1}, Case{9, 1}, Case{11, 1}}) {
        Bytes b = EmmaBytes;
        b[50 + k.offset] = k.value;
        EXPECT_NE(Refusal(b).find("refers to"), std::string::npos);
    }
    // Author 0 is readable: it shows as an empty author.
    Bytes noAuthor = EmmaBytes;
    noAuthor[51] = 0;
    BookCollection out;
    std::string reason;
    EXPECT_TRUE(ParseBookFile(noAuthor.data(), noAuthor.size(), out, reason)) << reason;
}

TEST(BookFileLoad, StoredYearsAbove2500AreDividedBy16) {
    BookCollection c = Emma();
    AddBookAt(c, Book{c.records[1], "Persuasion", ""}, 2);
    AddBookAt(c, Book{c.records[1], "Sanditon", ""}, 3);
    c.records[1].pubYear = 2001 * 16;
    c.records[2].pubYear = 2500;
    c.records[3].pubYear = 2501;
    FixStoredPubYears(c);
    EXPECT_EQ(c.records[1].pubYear, 2001);
    EXPECT_EQ(c.records[2].pubYear, 2500);
    EXPECT_EQ(c.records[3].pubYear, 156);
}

}  // namespace
}  // namespace tome
