#include "app/main_dialog_host_win.h"

#include "app/main_state_win.h"
#include "app/screen_win.h"
#include "app/tab_pages_win.h"

namespace tome {

MainDialogHost mainDialogHost;

MainDialogHost::MainDialogHost() : fill(FillList) {}

HWND MainDialogHost::Owner() { return mainState.hMainWindow; }

int32_t MainDialogHost::BookAtRow(int32_t position) { return mainState.activeList->ItemDataAt(position); }

void MainDialogHost::FocusList() {
    if (HWND list = GetDlgItem(mainState.hActivePage, mainState.activeList->ControlId())) SetFocus(list);
}

void MainDialogHost::ShowSavedBook(int32_t position) {
    // The tab shown is the tab acted on: a click on the tab shown before the
    // save must switch back to it.
    SelectTab(1, TabShown | TabActedOn | TabInControl);
    fill(position, position - 9);
}

void MainDialogHost::RefillList() { fill(0, 0); }

}  // namespace tome
