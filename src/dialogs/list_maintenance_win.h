// The drop-down list maintenance dialog: add, change and remove entries of
// one of the five lists, over the core's list maintenance steps.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

constexpr int MaintenanceAddId = 4001;
constexpr int MaintenanceChangeId = 4002;
constexpr int MaintenanceRemoveId = 4003;
constexpr int MaintenanceTextId = 4004;
constexpr int MaintenanceListId = 4005;

// The open dialog's list (its command, 211-215) and mode: 1 Add, 2 Change, 3 Remove.
struct ListMaintenanceState {
    int32_t list = 0;
    int32_t mode = 1;
};
extern ListMaintenanceState maintenance;

// command: the Edit menu's maintenance command, 211 (authors) to 215 (categories).
void ShowListMaintenance(int32_t command);
INT_PTR CALLBACK ListMaintenanceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tome
