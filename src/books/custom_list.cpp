#include "custom_list.h"

namespace tome {

int32_t StateFilterOf(bool allBooksOn, bool wantToReadOn, bool haveReadOn) {
    if (allBooksOn) return AllStates;
    if (wantToReadOn) return OnlyWantToRead;
    if (haveReadOn) return OnlyHaveRead;
    return AllStates;
}

void BuildCustomList(BookCollection& books, CustomListBy by, int32_t listNumber, int32_t stateFilter) {
    for (int32_t b : books.sortIndex.raw()) {
        BookRecord& record = books.records[b];
        record.clear(InCustomList);
        const int32_t state = 2 * (record.has(HaveRead) ? 1 : 0) + (record.has(WantToRead) ? 1 : 0);
        const int32_t number = by == CustomListBy::Author ? record.author : record.category;
        if (number == listNumber && (stateFilter == AllStates || state == stateFilter)) record.set(InCustomList);
    }
}

void ClearCustomList(BookCollection& books) {
    for (int32_t b : books.sortIndex.raw()) books.records[b].clear(InCustomList);
}

}  // namespace tome
