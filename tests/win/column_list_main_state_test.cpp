// The main-window state that decides which column list reaches the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_state_win.h"
#include "app/tab_pages_win.h"
#include "column_list_fixture.h"

namespace tome_test {
namespace {

class MainStateTest : public ColumnListWindow {
protected:
    void SetUp() override {
        ColumnListWindow::SetUp();
        for (int t = 1; t <= tome::TabCount; ++t) {
            tome::mainState.tabPage[static_cast<size_t>(t)] = AddPage();
            if (t > 1) ShowWindow(tome::mainState.tabPage[static_cast<size_t>(t)], SW_HIDE);
        }
    }
    void TearDown() override {
        tome::mainState.tabPage = {};
        tome::SelectTab(1);
        ColumnListWindow::TearDown();
    }
};

TEST_F(MainStateTest, SelectTabFollowsTheTable) {
    const int32_t ids[5] = {0, 2040, 2050, 2060, 2070};
    for (int t : {3, 1, 4, 2}) {
        SCOPED_TRACE(t);
        tome::SelectTab(t);
        EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[static_cast<size_t>(t)]);
        EXPECT_EQ(tome::mainState.activeListId, ids[t]);
        EXPECT_EQ(tome::mainState.hActivePage, tome::mainState.tabPage[static_cast<size_t>(t)]);
    }
}

TEST_F(MainStateTest, OnlyTheSelectedTabsListReachesItsListBox) {
    for (int t = 1; t <= 4; ++t) {
        const size_t i = static_cast<size_t>(t);
        CreateBookList(tome::mainState.tabList[i], tome::mainState.tabPage[i], tome::TabListId[i], t == 4 ? 80 : 0, t == 4 ? 313 : 398);
    }
    // Each Create takes the list ID over; the last one created was tab 4's.
    EXPECT_EQ(tome::mainState.activeListId, 2070);

    tome::SelectTab(2);
    for (int t = 1; t <= 4; ++t) {
        tome::cColumnList& list = tome::mainState.tabList[static_cast<size_t>(t)];
        list.SetRowCount(0);
        std::string row = "Author\tTab " + std::to_string(t);
        list.AddRow(row, t);
        list.Redisplay();
    }
    for (int t = 1; t <= 4; ++t) {
        HWND box = GetDlgItem(tome::mainState.tabPage[static_cast<size_t>(t)], tome::TabListId[static_cast<size_t>(t)]);
        EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), t == 2 ? 1 : 0) << "tab " << t;
        EXPECT_EQ(tome::mainState.tabList[static_cast<size_t>(t)].RowCount(), 1) << "tab " << t;
    }
    EXPECT_EQ(ItemText(GetDlgItem(tome::mainState.tabPage[2], 2050), 0), "Author\tTab 2");
}

}  // namespace
}  // namespace tome_test
