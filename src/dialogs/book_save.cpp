#include "dialogs/book_save.h"

#include <cassert>
#include <vector>

#include "books/normalise.h"
#include "books/order_date.h"
#include "books/sort_key.h"
#include "books/text_rules.h"
#include "books/user_prompts.h"

namespace tome {

namespace {

const char SaveErrorCaption[] = "Add Book Error";
constexpr int64_t MaxPubYear = 2500;  // a load divides larger stored years by 16

BookSaveResult Refused(std::string text, FormField field) {
    BookSaveResult result;
    result.refusal = {std::move(text), SaveErrorCaption, mb::IconHand};
    result.field = field;
    return result;
}

// A box's text and whether it names an entry still to be appended.
struct ListChoice {
    ListKind kind;
    FormField field;
    std::string text;
    bool isNew = false;
};

// Puts the list number of each box's entry into the record: the entry that
// matches the text, or the one an append would make. A number the record's
// field cannot hold refuses the save, before anything has changed.
bool ChooseEntries(const BookCollection& books, ListChoice (&choices)[5], BookRecord& record,
                   BookSaveResult& refusal) {
    for (ListChoice& choice : choices) {
        if (choice.text.empty()) continue;
        const TextList& list = books.list(choice.kind);
        const int32_t found = FindEntry(list, choice.text);
        choice.isNew = found == 0;
        if (!SetListNumber(record, choice.kind, choice.isNew ? list.count() + 1 : found)) {
            refusal = Refused(choice.isNew ? ListFullText(choice.kind) : EntryBeyondRecordText(choice.kind, found),
                              choice.field);
            return false;
        }
    }
    return true;
}

}  // namespace

bool BookForm::operator==(const BookForm& o) const {
    return author == o.author && title == o.title && callNumber == o.callNumber && orderDate == o.orderDate &&
           publisher == o.publisher && pubYear == o.pubYear && library == o.library && category == o.category &&
           comments == o.comments && haveRead == o.haveRead;
}

bool OrderDateFits(const std::string& text) {
    if (text.empty()) return true;
    // Fields split as ParseOrderDate splits them and read without its 16-bit
    // wrapping, so that a day of 33 or a month of 65537 cannot pass for
    // another date.
    const std::vector<std::string> fields = DateFields(text);
    if (fields.size() < 2) return false;
    const int64_t month = LenientInteger(fields[0]);
    const int64_t day = LenientInteger(fields[1]);
    const std::string yearText = fields.size() > 2 ? fields[2] : std::string();
    int64_t year = LenientInteger(yearText);
    if (yearText.size() != 4) year += 2000;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 1980 && year <= 2107;
}

BookSaveResult SaveBook(BookCollection& books, FileState& files, const BookForm& form, int32_t oldBookNumber) {
    assert(oldBookNumber >= 0 && oldBookNumber <= books.bookCount());
    std::string name = TrimBlanks(form.author);
    if (oldBookNumber == 0) name = NormaliseAuthorName(name);
    if (name.empty()) return Refused("Must specify author", FormField::Author);

    ListChoice choices[] = {
        {ListKind::Authors, FormField::Author, name},
        {ListKind::CallNumbers, FormField::CallNumber, TrimBlanks(form.callNumber)},
        {ListKind::Publishers, FormField::Publisher, TrimBlanks(form.publisher)},
        {ListKind::Libraries, FormField::Library, TrimBlanks(form.library)},
        {ListKind::Categories, FormField::Category, TrimBlanks(form.category)},
    };
    Book book;
    BookSaveResult refusal;
    if (!ChooseEntries(books, choices, book.record, refusal)) return refusal;

    const std::string orderText = TrimBlanks(form.orderDate);
    if (!OrderDateFits(orderText)) return Refused("Order date must be m/d/y, from 1980 to 2107", FormField::OrderDate);

    const std::string yearText = TrimBlanks(form.pubYear);
    const int64_t year = yearText.empty() ? 0 : LenientInteger(yearText);
    if (year < 0 || year > MaxPubYear) return Refused("Pub date must be a year from 0 to 2500", FormField::PubYear);

    // Everything is checked: from here on the save changes the collection.
    for (ListChoice& choice : choices) {
        if (choice.isNew) AddListEntry(books.list(choice.kind), choice.text);
    }
    book.record.orderDate = ParseOrderDate(orderText);
    book.record.pubYear = static_cast<uint16_t>(year);
    book.record.flags = static_cast<uint8_t>((form.haveRead ? HaveRead : WantToRead) | Shown);
    book.title = NormaliseTitle(form.title);
    book.comments = form.comments;

    BookSaveResult result;
    result.saved = true;
    result.position = InsertPosition(books, name, book.title);
    result.bookNumber = oldBookNumber == 0 ? AddBookAt(books, book, result.position)
                                           : EditBookAt(books, oldBookNumber, book, result.position);
    files.fileChanged = 1;
    return result;
}

BookForm FormOfBook(const BookCollection& books, int32_t bookNumber) {
    const BookRecord& r = books.records[bookNumber];
    BookForm form;
    form.author = AuthorText(books, bookNumber);
    form.title = books.titles[bookNumber];
    form.comments = books.comments[bookNumber];
    if (r.callNumber != 0) form.callNumber = ListText(books.callNumbers, r.callNumber);
    if (r.orderDate != 0) form.orderDate = FormatOrderDate(r.orderDate);
    if (r.pubYear != 0) form.pubYear = std::to_string(r.pubYear);
    if (r.publisher != 0) form.publisher = ListText(books.publishers, r.publisher);
    if (r.library != 0) form.library = ListText(books.libraries, r.library);
    if (r.category != 0) form.category = ListText(books.categories, r.category);
    form.haveRead = r.has(HaveRead);
    return form;
}

}  // namespace tome
