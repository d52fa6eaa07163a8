// Adding many books at once exactly as the book dialog's Add adds them one
// after another (same list entries, same sortIndex positions), with look-ups
// that do not slow down as the lists grow.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "books/collection.h"

namespace tome {

// A book as the dialog would save it: texts in Windows-1252, already trimmed
// and normalised; list texts still to be looked up.
struct ImportedBook {
    std::string author;
    std::string title;
    std::string callNumber;
    std::string publisher;
    std::string library;
    std::string category;
    std::string comments;
    uint16_t orderDate = 0;
    uint16_t pubYear = 0;
    uint8_t flags = 0;  // WantToRead, HaveRead or both (Shown is added)
};

class BookBatch {
public:
    // Works on books, which must not change otherwise until Finish.
    explicit BookBatch(BookCollection& books);

    // Why a list cannot take the book ("Publisher list is full (255
    // entries)"), counting the entries earlier books of the batch added;
    // empty when it fits.
    std::string WhyNot(const ImportedBook& book) const;

    // Same author and title, ignoring case, as a book that is not deleted or
    // as an earlier book of the batch.
    bool IsDuplicate(const ImportedBook& book) const;

    // Appends the book; WhyNot must have said it fits. False, with nothing
    // appended, when a list number is past what its record field holds
    // (which a book file the program loads cannot bring about).
    [[nodiscard]] bool Add(const ImportedBook& book);

    // Gives the added books their places in sortIndex.
    void Finish();

private:
    int32_t Entry(ListKind kind, const std::string& text);
    static std::string DuplicateKey(const std::string& author, const std::string& title);
    int32_t GapFor(const std::string& key) const;

    struct Pending {
        int32_t gap;  // before which of the original positions (count + 1: at the end)
        std::string key;
        int32_t bookNumber;
    };

    BookCollection& books_;
    std::unordered_map<std::string, int32_t> entries_[5];  // lower-cased text -> first list number
    std::unordered_set<std::string> present_;
    std::vector<std::string> originalKeys_;  // by original position, from 0
    std::vector<int32_t> prefixMax_;         // position of the greatest key up to each position
    std::vector<Pending> pending_;
};

}  // namespace tome
