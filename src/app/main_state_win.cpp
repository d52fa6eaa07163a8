#include "app/main_state_win.h"

#include <cassert>

namespace tome {

HWND hMainWindow = nullptr;
std::array<HWND, TabCount + 1> tabPage = {};
std::array<cColumnList, TabCount + 1> tabList;
int32_t activeTab = 0;
int32_t lastTab = 1;
HWND hActivePage = nullptr;
cColumnList* activeList = &tabList[1];
bool findActive = false;

void SelectTab(int32_t t) {
    assert(t >= 1 && t <= TabCount);
    activeList = &tabList[static_cast<size_t>(t)];
    activeListId = TabListId[static_cast<size_t>(t)];
    hActivePage = tabPage[static_cast<size_t>(t)];
}

}  // namespace tome
