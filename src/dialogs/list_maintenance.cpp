#include "dialogs/list_maintenance.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "books/user_prompts.h"

namespace tome {

namespace {

const MaintainedList MaintainedLists[] = {
    {211, ListKind::Authors, "Authors", ""},
    {212, ListKind::CallNumbers, "Call Numbers", "Call number"},
    {213, ListKind::Publishers, "Publishers", "Publication"},
    {214, ListKind::Libraries, "Libraries", "Library"},
    {215, ListKind::Categories, "Categories", "Category"},
};

const char MaintenanceTitle[] = "Drop Down List Maintenance";

}  // namespace

const MaintainedList* MaintainedListOf(int32_t command) {
    for (const MaintainedList& list : MaintainedLists) {
        if (list.command == command) return &list;
    }
    return nullptr;
}

std::string MaintenanceCaption(const MaintainedList& list) {
    return std::string(MaintenanceTitle) + " - " + list.captionSuffix;
}

bool AddMaintainedEntry(BookCollection& books, ListKind kind, const std::string& text, UserMessage& why) {
    TextList& list = books.list(kind);
    if (ListIsFull(list, kind)) {
        why = {ListFullText(kind), MaintenanceTitle, mb::IconHand};
        return false;
    }
    AddListEntry(list, text);
    return true;
}

bool ChangeMaintainedEntry(BookCollection& books, ListKind kind, const std::string& current,
                           const std::string& newText, UserMessage& why) {
    TextList& list = books.list(kind);
    const int32_t n = FindEntry(list, current);
    if (n == 0) {
        why = {"Must select item to change from list", "", mb::IconHand};
        return false;
    }
    list[n] = newText;
    return true;
}

UserMessage NothingToRemoveMessage() { return {"Must select item to remove from list", "", mb::IconHand}; }

bool RemoveAuthorEntry(BookCollection& books, int32_t s, UserMessage& why) {
    assert(s >= 1 && s <= books.authorCount());
    const std::vector<int32_t> namesakes = EntriesNamed(books.authors, books.authors[s]);
    const int32_t target = *std::min_element(namesakes.begin(), namesakes.end());
    if (target == s) {
        for (const BookRecord& r : books.records.raw()) {
            if (r.author == s) {
                why = {"Cannot remove author... currently being used by a book", books.authors[s],
                       mb::IconExclamation};
                return false;
            }
        }
    } else {
        for (BookRecord& r : books.records.raw()) {
            // The namesake comes before s, so its number fits wherever s's did.
            if (r.author == s) (void)SetListNumber(r, ListKind::Authors, target);
        }
    }
    RemoveListEntry(books, ListKind::Authors, s);
    return true;
}

UserMessage RemoveEntryQuestion(const MaintainedList& list, const std::string& current) {
    return {std::string("Ok to delete this ") + list.kindWord + " from all books?",
            std::string(list.kindWord) + " - " + current, mb::OkCancel | mb::IconQuestion};
}

void FinishMaintenance(FileState& files) { files.fileChanged = 1; }

}  // namespace tome
