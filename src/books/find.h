// The incremental Find over the authors and titles of the visible list.
#pragma once

#include "list_filling.h"

namespace tome {

// The Find box's text while it is idle; never searched for.
constexpr char FindCueText[] = "Author/Title";
constexpr char NotFoundText[] = "Not found";

// Runs on every change of the Find box's text. Selects the next row after
// lastFoundRow whose author, or failing that whose title, contains the text
// (case-insensitive, blanks kept). A miss shows "Not found" and sets the
// text back, which runs the search once more from row 1; a second miss ends
// there.
void FindNext(const ListScreen& screen);

}  // namespace tome
