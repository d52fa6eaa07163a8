// Saving the book dialog: from the texts typed into its boxes and the chosen
// option to a changed collection, all checks made before anything changes.
#pragma once

#include <cstdint>
#include <string>

#include "books/book_store.h"
#include "books/collection.h"
#include "dialogs/list_entries.h"

namespace tome {

// What the book dialog's boxes hold, as typed.
struct BookForm {
    std::string author;
    std::string title;
    std::string callNumber;
    std::string orderDate;
    std::string publisher;
    std::string pubYear;
    std::string library;
    std::string category;
    std::string comments;  // several lines, CR LF between them
    bool haveRead = false;  // "Have read" chosen, else "Want to read"

    bool operator==(const BookForm& o) const;
};

// The box a refusal sends the user back to.
enum class FormField { Author, CallNumber, OrderDate, Publisher, PubYear, Library, Category };

struct BookSaveResult {
    bool saved = false;
    // When refused: why, and the box to correct.
    UserMessage refusal;
    FormField field = FormField::Author;
    // When saved: the new book and its sortIndex position.
    int32_t bookNumber = 0;
    int32_t position = 0;
};

// Adds a book (oldBookNumber 0) or saves an edit of book oldBookNumber: the
// old version is marked Deleted and the edited one appended. An added book's
// author is normalised, an edited one's kept as typed; titles are always
// normalised. Texts not in a list become new entries. A refusal changes
// nothing; a save sets fileChanged.
BookSaveResult SaveBook(BookCollection& books, FileState& files, const BookForm& form, int32_t oldBookNumber);

// The texts the dialog shows for a book: values of 0 show as empty boxes.
BookForm FormOfBook(const BookCollection& books, int32_t bookNumber);

// An order date the packed 16 bits hold as typed: month 1-12, day 1-31 and
// year 1980-2107 once read the way ParseOrderDate reads them. Empty is none.
bool OrderDateFits(const std::string& text);

}  // namespace tome
