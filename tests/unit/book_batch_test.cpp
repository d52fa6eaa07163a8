// Many books added at once must end up exactly as the book dialog's Add,
// one book after another, would leave the collection.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "books/normalise.h"
#include "books/order_date.h"
#include "books/text_rules.h"
#include "dialogs/book_save.h"
#include "tools/book_batch.h"

namespace tome {
namespace {

const char* const Surnames[] = {"smith", "SMITH", "Brown", "le carre", "adams", "Zola", "mcbain", "\xC9mile"};
const char* const Given[] = {"john", "Jane", "ed", "A.", ""};
const char* const Words[] = {"the", "a", "an", "zoo", "apple", "of", "war", "peace", "An", "The", "night"};
const char* const Places[] = {"", "", "Ace", "ACE", "Tor", "tor ", " Penguin"};

BookForm RandomForm(std::mt19937& rng) {
    const auto pick = [&rng](const auto& items) { return items[rng() % (sizeof items / sizeof items[0])]; };
    BookForm form;
    form.author = std::string(pick(Surnames)) + ", " + pick(Given);
    for (int w = 0, n = 1 + static_cast<int>(rng() % 4); w < n; ++w) form.title += std::string(w ? " " : "") + pick(Words);
    form.publisher = pick(Places);
    form.library = pick(Places);
    form.category = pick(Places);
    form.callNumber = pick(Places);
    if (rng() % 2) form.orderDate = std::to_string(1 + rng() % 12) + "/" + std::to_string(1 + rng() % 28) + "/05";
    if (rng() % 2) form.pubYear = std::to_string(1900 + rng() % 120);
    form.haveRead = rng() % 3 == 0;
    form.comments = rng() % 4 ? "" : "note\r\nmore";
    return form;
}

// What the import hands the batch for a form the dialog would take.
ImportedBook AsImported(const BookForm& form) {
    ImportedBook book;
    book.author = NormaliseAuthorName(TrimBlanks(form.author));
    book.title = NormaliseTitle(form.title);
    book.callNumber = TrimBlanks(form.callNumber);
    book.publisher = TrimBlanks(form.publisher);
    book.library = TrimBlanks(form.library);
    book.category = TrimBlanks(form.category);
    book.orderDate = ParseOrderDate(TrimBlanks(form.orderDate));
    book.pubYear = static_cast<uint16_t>(LenientInteger(form.pubYear));
    book.flags = form.haveRead ? HaveRead : WantToRead;
    book.comments = form.comments;
    return book;
}

// A file's collection: books in an order of their own (not sorted), some
// deleted, and namesakes in the lists.
BookCollection UnsortedCollection(std::mt19937& rng) {
    BookCollection books;
    FileState files;
    for (int i = 0; i < 40; ++i) SaveBook(books, files, RandomForm(rng), 0);
    std::shuffle(books.sortIndex.raw().begin(), books.sortIndex.raw().end(), rng);
    for (int b = 3; b <= books.bookCount(); b += 7) books.records[b].set(Deleted);
    books.authors.append("SMITH, JANE");
    books.publishers.append("ace");
    return books;
}

TEST(BookBatch, EndsExactlyAsAddingOneBookAtATimeWould) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        BookCollection start = seed % 3 == 0 ? BookCollection() : UnsortedCollection(rng);
        std::vector<BookForm> forms;
        for (int i = 0; i < 150; ++i) forms.push_back(RandomForm(rng));

        BookCollection oneByOne = start;
        FileState files;
        for (const BookForm& form : forms) ASSERT_TRUE(SaveBook(oneByOne, files, form, 0).saved);

        BookCollection batched = start;
        BookBatch batch(batched);
        for (const BookForm& form : forms) {
            const ImportedBook book = AsImported(form);
            ASSERT_EQ(batch.WhyNot(book), "");
            ASSERT_TRUE(batch.Add(book));
        }
        batch.Finish();
        ASSERT_EQ(batched.sortIndex.raw(), oneByOne.sortIndex.raw()) << "seed " << seed;
        EXPECT_TRUE(batched == oneByOne) << "seed " << seed;
    }
}

TEST(BookBatch, AFullListRefusesNewEntriesButNotExistingOnes) {
    BookCollection books;
    for (int i = 1; i <= 255; ++i) books.publishers.append("Publisher " + std::to_string(i));
    BookBatch batch(books);
    ImportedBook book;
    book.author = "Smith, John";
    book.title = "One";
    book.publisher = "PUBLISHER 7";
    EXPECT_EQ(batch.WhyNot(book), "");
    book.publisher = "Another";
    EXPECT_EQ(batch.WhyNot(book), "Publisher list is full (255 entries)");
    book.publisher = "";
    book.category = "A new one";
    EXPECT_EQ(batch.WhyNot(book), "");
    ASSERT_TRUE(batch.Add(book));
    batch.Finish();
    EXPECT_EQ(books.categories.count(), 1);
    EXPECT_EQ(books.publishers.count(), 255);
}

TEST(BookBatch, DuplicatesAreLiveBooksOrEarlierOnesIgnoringCase) {
    BookCollection books;
    FileState files;
    BookForm form;
    form.author = "john smith";
    form.title = "the zoo";
    SaveBook(books, files, form, 0);
    form.title = "gone";
    SaveBook(books, files, form, 0);
    books.records[2].set(Deleted);

    BookBatch batch(books);
    ImportedBook book;
    book.author = "SMITH, JOHN";
    book.title = "The ZOO";
    EXPECT_TRUE(batch.IsDuplicate(book));
    book.title = "Gone";
    EXPECT_FALSE(batch.IsDuplicate(book));  // only a deleted copy is there
    ASSERT_TRUE(batch.Add(book));
    book.author = "Smith, John";
    book.title = "gone";
    EXPECT_TRUE(batch.IsDuplicate(book));
}

}  // namespace
}  // namespace tome
