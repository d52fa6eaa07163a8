// Maintaining one drop-down list directly: adding, renaming and removing
// entries, with the books that refer to them kept consistent.
#pragma once

#include <cstdint>
#include <string>

#include "books/book_store.h"
#include "books/collection.h"
#include "dialogs/list_entries.h"

namespace tome {

// The list an Edit menu maintenance command (211-215) works on, and its words.
struct MaintainedList {
    int32_t command;
    ListKind kind;
    const char* captionSuffix;  // "Authors", "Call Numbers", ...
    const char* kindWord;       // "Call number", "Publication", ...; "" for authors
};

// nullptr when command is not one of the five.
const MaintainedList* MaintainedListOf(int32_t command);

// "Drop Down List Maintenance - " + the suffix.
std::string MaintenanceCaption(const MaintainedList& list);

// Each step returns true when done and false, with why set, when refused;
// a refusal changes nothing.

// Appends text exactly as typed (empty and repeated texts too).
bool AddMaintainedEntry(BookCollection& books, ListKind kind, const std::string& text, UserMessage& why);

// Renames the entry the box shows as current (the first one equal to it
// ignoring case); books follow, since they hold entry numbers.
bool ChangeMaintainedEntry(BookCollection& books, ListKind kind, const std::string& current,
                           const std::string& newText, UserMessage& why);

// Nothing selected in the box: nothing to remove.
UserMessage NothingToRemoveMessage();

// Removes author s. Its books first move to the lowest-numbered namesake
// (an entry with the same text ignoring case); an author still used by a
// book, Deleted books included, stays.
bool RemoveAuthorEntry(BookCollection& books, int32_t s, UserMessage& why);

// The question asked before an entry of another list is removed from all books.
UserMessage RemoveEntryQuestion(const MaintainedList& list, const std::string& current);

// What every completed "&Ok" ends with besides refilling the list.
void FinishMaintenance(FileState& files);

}  // namespace tome
