#include "dialogs/list_entries.h"

#include "books/text_case.h"

namespace tome {

namespace {

// "Call number" for "call number": the messages start with the word.
std::string KindName(ListKind kind) {
    std::string word = ListEntryWord(kind);
    if (!word.empty()) word[0] = UpperAnsiChar(word[0]);
    return word;
}

}  // namespace

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAnsiChar(text[i]) != LowerAnsiChar(prefix[i])) return false;
    }
    return true;
}

int32_t FindEntry(const TextList& list, const std::string& text) {
    for (int32_t n = 1; n <= list.count(); ++n) {
        if (EqualIgnoringCase(list[n], text)) return n;
    }
    return 0;
}

std::vector<int32_t> EntriesNamed(const TextList& list, const std::string& text) {
    std::vector<int32_t> numbers;
    for (int32_t n = 1; n <= list.count(); ++n) {
        if (EqualIgnoringCase(list[n], text)) numbers.push_back(n);
    }
    return numbers;
}

int32_t FirstItemStartingWith(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                              const std::string& typed) {
    // An emptied box stays empty rather than filling itself with the first item.
    if (typed.empty()) return -1;
    for (int32_t i = 0; i < count; ++i) {
        if (StartsWithIgnoringCase(itemAt(i), typed)) return i;
    }
    return -1;
}

bool ListIsFull(const TextList& list, ListKind kind) { return list.count() >= ListCapacity(kind); }

std::string ListFullText(ListKind kind) {
    return KindName(kind) + " list is full (" + std::to_string(ListCapacity(kind)) + " entries)";
}

std::string EntryBeyondRecordText(ListKind kind, int32_t number) {
    return KindName(kind) + " list entry " + std::to_string(number) + " is past the " +
           std::to_string(ListCapacity(kind)) + " a book can refer to";
}

}  // namespace tome
