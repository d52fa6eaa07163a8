#include "app/main_state_win.h"

namespace tome {

MainWindowState mainState;

namespace {

// The column lists find their list boxes by the visible tab's list ID; this
// names it to them before any list is created.
const bool listIdShared = (cColumnList::ShareListId(&mainState.activeListId), true);

}  // namespace

}  // namespace tome
