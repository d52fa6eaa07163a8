// The main window as the host of the book dialog and list maintenance: the
// owner, the visible list, and the All Books tab after a save.
#pragma once

#include <cstdint>

#include "dialogs/dialog_host_win.h"

namespace tome {

class MainDialogHost final : public DialogHost {
public:
    MainDialogHost();
    HWND Owner() override;
    int32_t BookAtRow(int32_t position) override;
    void FocusList() override;
    // Tab 1 becomes the shown and active tab (tab control, page, list, list
    // ID, activeTab and lastTab), then the list is refilled. Without a main
    // window only the state changes.
    void ShowSavedBook(int32_t position) override;
    void RefillList() override;

    // How the visible list is refilled: FillList, or a test's recorder.
    void (*fill)(int32_t selectPosition, int32_t topPosition);
};
extern MainDialogHost mainDialogHost;

}  // namespace tome
