// Turning a list position into a record's list number: a number the field
// cannot hold is refused in every build, never wrapped to another entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/book_file.h"
#include "dialogs/book_save.h"
#include "tools/book_json.h"

namespace tome {
namespace {

TEST(ListNumbers, AFieldTakesOnlyTheNumbersItCanHold) {
    for (ListKind kind : AllListKinds) {
        BookRecord r;
        EXPECT_TRUE(SetListNumber(r, kind, ListCapacity(kind)));
        EXPECT_EQ(ListNumberOf(r, kind), ListCapacity(kind));
        for (int32_t wrong : {ListCapacity(kind) + 1, ListCapacity(kind) + 45, -1}) {
            EXPECT_FALSE(SetListNumber(r, kind, wrong)) << wrong;
            EXPECT_EQ(ListNumberOf(r, kind), ListCapacity(kind)) << "a refused number changed the record";
        }
    }
}

// A collection whose lists go past what a record can number, as no file or
// document can make any more: one book, and entries "E1", "E2", ...
BookCollection Overfull(ListKind kind, int32_t entries) {
    BookCollection c;
    c.authors.append("Austen, Jane");
    TextList& list = c.list(kind);
    while (list.count() < entries) list.append("E" + std::to_string(list.count() + 1));
    Book b;
    b.record.author = 1;
    b.record.flags = WantToRead | Shown;
    b.title = "Emma";
    AddBookAt(c, b, 1);
    return c;
}

TEST(ListNumbers, ABookCannotBeSavedWithAnEntryItsFieldCannotReach) {
    const struct {
        ListKind kind;
        std::string BookForm::*box;
        int32_t entries;
        const char* words;
    } cases[] = {
        {ListKind::CallNumbers, &BookForm::callNumber, 300, "Call number list entry 300 is past the 255 a book can refer to"},
        {ListKind::Categories, &BookForm::category, 256, "Category list entry 256 is past the 255 a book can refer to"},
        {ListKind::Authors, &BookForm::author, 65537, "Author list entry 65537 is past the 65535 a book can refer to"},
    };
    for (const auto& c : cases) {
        BookCollection books = Overfull(c.kind, c.entries);
        FileState files;
        BookForm form;
        form.author = "Austen, Jane";
        form.title = "Persuasion";
        form.*c.box = "E" + std::to_string(c.entries);
        const std::vector<uint8_t> before = SerializeBookFile(books);
        for (int32_t old : {0, 1}) {
            const BookSaveResult r = SaveBook(books, files, form, old);
            EXPECT_FALSE(r.saved);
            EXPECT_EQ(r.refusal.text, c.words);
            EXPECT_EQ(r.refusal.caption, "Add Book Error");
            EXPECT_EQ(SerializeBookFile(books), before);
            EXPECT_EQ(files.fileChanged, 0);
        }

        // The last entry a record reaches is stored as itself and shown again.
        const std::string last = "E" + std::to_string(ListCapacity(c.kind));
        form.*c.box = last;
        const BookSaveResult r = SaveBook(books, files, form, 0);
        ASSERT_TRUE(r.saved) << r.refusal.text;
        EXPECT_EQ(ListNumberOf(books.records[r.bookNumber], c.kind), ListCapacity(c.kind));
        EXPECT_EQ(FormOfBook(books, r.bookNumber).*c.box, last);
    }
}

TEST(ListNumbers, ADocumentWithAListPastItsFieldIsNotBuilt) {
    BookCollection atLimit;
    for (int32_t n = 0; n < 255; ++n) atLimit.callNumbers.append("C" + std::to_string(n));
    BookCollection built;
    std::string reason;
    ASSERT_TRUE(CollectionFromJson(CollectionToJson(atLimit), built, reason)) << reason;
    EXPECT_TRUE(built == atLimit);

    const struct {
        ListKind kind;
        int32_t entries;
        const char* words;
    } cases[] = {
        {ListKind::CallNumbers, 256, "callNumbers has 256 entries, more than the 255 a book record can refer to"},
        {ListKind::Libraries, 300, "libraries has 300 entries, more than the 255 a book record can refer to"},
        {ListKind::Authors, 65536, "authors has 65536 entries, more than the 65535 a book record can refer to"},
    };
    for (const auto& c : cases) {
        BookCollection tooLong;
        for (int32_t n = 0; n < c.entries; ++n) tooLong.list(c.kind).append("");
        BookCollection out = atLimit;
        EXPECT_FALSE(CollectionFromJson(CollectionToJson(tooLong), out, reason));
        EXPECT_EQ(reason, c.words);
        EXPECT_TRUE(out == atLimit);
    }
}

}  // namespace
}  // namespace tome
