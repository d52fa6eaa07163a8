// List filling, the status bar and Find on the main window: the core's
// routines over the visible tab's column list and the main window's status
// bar, Find box and Find result label.
#pragma once

#include <cstdint>

#include "app/file_flows.h"

namespace tome {

// Refills the visible list (mainState.activeList) for mainState.activeTab, selecting the row of
// sortIndex position selectPosition with position topPosition at the top.
void FillList(int32_t selectPosition, int32_t topPosition);
void UpdateStatusBar();
// On every change of the Find box's text.
void FindNext();

// The File flows over the program's collection, file state, prompts and this screen.
FileFlows MainFileFlows();

}  // namespace tome
