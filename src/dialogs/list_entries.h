// Looking texts up in the drop-down lists the way the drop-down boxes match
// them (case-insensitive, code page 1252), and the messages about the lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "books/collection.h"

namespace tome {

// A message box as the dialogs show it; style holds mb:: values.
struct UserMessage {
    std::string text;
    std::string caption;
    uint32_t style = 0;
};

bool EqualIgnoringCase(const std::string& a, const std::string& b);
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);

// The entry whose text equals text ignoring case, the lowest-numbered one
// when namesakes exist; 0 when there is none.
int32_t FindEntry(const TextList& list, const std::string& text);

// Every entry whose text equals text ignoring case, in list order.
std::vector<int32_t> EntriesNamed(const TextList& list, const std::string& text);

// Index of the first of count items (a box's items in display order, read
// through itemAt) that begins with typed ignoring case; -1 when none does or
// typed is empty. Items after the first match are not read.
int32_t FirstItemStartingWith(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                              const std::string& typed);

// True when the list cannot take one more entry that a record could refer to.
bool ListIsFull(const TextList& list, ListKind kind);

// "Call number list is full (255 entries)", "Author list is full (65535 entries)".
std::string ListFullText(ListKind kind);

// "Call number list entry 300 is past the 255 a book can refer to".
std::string EntryBeyondRecordText(ListKind kind, int32_t number);

}  // namespace tome
