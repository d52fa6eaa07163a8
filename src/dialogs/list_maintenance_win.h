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

// command: the Edit menu's maintenance command, 211 (authors) to 215 (categories).
void ShowListMaintenance(int32_t command);
INT_PTR CALLBACK ListMaintenanceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tome
