#include "tools/book_batch.h"

#include <algorithm>
#include <cassert>

#include "books/sort_key.h"
#include "books/text_case.h"
#include "dialogs/list_entries.h"

namespace tome {
namespace {

size_t KindIndex(ListKind kind) { return static_cast<size_t>(kind); }

const std::string& TextOf(const ImportedBook& book, ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return book.author;
        case ListKind::CallNumbers: return book.callNumber;
        case ListKind::Publishers: return book.publisher;
        case ListKind::Libraries: return book.library;
        case ListKind::Categories: return book.category;
    }
    return book.author;
}

}  // namespace

BookBatch::BookBatch(BookCollection& books) : books_(books) {
    for (ListKind kind : AllListKinds) {
        const TextList& list = books.list(kind);
        auto& index = entries_[KindIndex(kind)];
        // The dialog's look-up finds the lowest-numbered of namesakes.
        for (int32_t n = 1; n <= list.count(); ++n) index.emplace(LowerAnsi(list[n]), n);
    }
    for (int32_t b = 1; b <= books.bookCount(); ++b) {
        if (!books.records[b].has(Deleted)) present_.insert(DuplicateKey(AuthorText(books, b), books.titles[b]));
    }
    // The dialog puts a book before the first position whose key is greater,
    // wherever the file's own order has put the others; the first such
    // position is the first at which the running greatest key exceeds it.
    const int32_t count = books.sortIndex.count();
    originalKeys_.reserve(static_cast<size_t>(count));
    prefixMax_.reserve(static_cast<size_t>(count));
    for (int32_t p = 1; p <= count; ++p) {
        const int32_t b = books.sortIndex[p];
        originalKeys_.push_back(SortKey(AuthorText(books, b), books.titles[b]));
        const size_t here = originalKeys_.size() - 1;
        if (here == 0 || CompareSortKeys(originalKeys_[here], originalKeys_[prefixMax_.back()]) > 0) {
            prefixMax_.push_back(static_cast<int32_t>(here));
        } else {
            prefixMax_.push_back(prefixMax_.back());
        }
    }
}

std::string BookBatch::DuplicateKey(const std::string& author, const std::string& title) {
    return LowerAnsi(author) + '\n' + LowerAnsi(title);
}

std::string BookBatch::WhyNot(const ImportedBook& book) const {
    for (ListKind kind : AllListKinds) {
        const std::string& text = TextOf(book, kind);
        if (text.empty() || entries_[KindIndex(kind)].count(LowerAnsi(text)) != 0) continue;
        if (ListIsFull(books_.list(kind), kind)) return ListFullText(kind);
    }
    return {};
}

bool BookBatch::IsDuplicate(const ImportedBook& book) const {
    return present_.count(DuplicateKey(book.author, book.title)) != 0;
}

int32_t BookBatch::Entry(ListKind kind, const std::string& text) {
    if (text.empty()) return 0;
    const auto found = entries_[KindIndex(kind)].emplace(LowerAnsi(text), 0);
    if (found.second) found.first->second = AddListEntry(books_.list(kind), text);
    return found.first->second;
}

int32_t BookBatch::GapFor(const std::string& key) const {
    // prefixMax_ keys never decrease: find the first that is greater.
    const auto first = std::upper_bound(prefixMax_.begin(), prefixMax_.end(), key,
                                        [this](const std::string& k, int32_t at) {
                                            return CompareSortKeys(k, originalKeys_[static_cast<size_t>(at)]) < 0;
                                        });
    return static_cast<int32_t>(first - prefixMax_.begin()) + 1;
}

bool BookBatch::Add(const ImportedBook& book) {
    assert(WhyNot(book).empty());
    Book added;
    for (ListKind kind : AllListKinds) {
        if (!SetListNumber(added.record, kind, Entry(kind, TextOf(book, kind)))) return false;
    }
    added.record.orderDate = book.orderDate;
    added.record.pubYear = book.pubYear;
    added.record.flags = static_cast<uint8_t>(book.flags | Shown);
    added.title = book.title;
    added.comments = book.comments;
    books_.records.append(added.record);
    books_.titles.append(std::move(added.title));
    books_.comments.append(std::move(added.comments));
    present_.insert(DuplicateKey(book.author, book.title));
    std::string key = SortKey(book.author, book.title);
    const int32_t gap = GapFor(key);
    pending_.push_back({gap, std::move(key), books_.bookCount()});
    return true;
}

void BookBatch::Finish() {
    // Books that share a gap are not greater than the original book after
    // it and not less than every one before it, so among themselves they
    // fall in key order, ties in the order they came: a stable sort.
    std::stable_sort(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) {
        if (a.gap != b.gap) return a.gap < b.gap;
        return CompareSortKeys(a.key, b.key) < 0;
    });
    OneBased<int32_t> order;
    order.reserve(static_cast<size_t>(books_.bookCount()));
    size_t next = 0;
    const int32_t originalCount = static_cast<int32_t>(originalKeys_.size());
    for (int32_t gap = 1; gap <= originalCount + 1; ++gap) {
        while (next < pending_.size() && pending_[next].gap == gap) order.append(pending_[next++].bookNumber);
        if (gap <= originalCount) order.append(books_.sortIndex[gap]);
    }
    books_.sortIndex = std::move(order);
    pending_.clear();
}

}  // namespace tome
