// The owner-drawn tabs: colours of the selected and the other tabs, and the
// 3-pixel strip at the top that the tab control's own painting keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/menus_win.h"
#include "main_window_fixture.h"

namespace tome_test {
namespace {

constexpr COLORREF Marker = RGB(255, 0, 255);

// A tab drawn by DrawTabItem into a bitmap first filled with the marker.
class DrawnTab {
public:
    DrawnTab(int index, UINT state) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, Width, Height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, Width, Height};
        HBRUSH marker = CreateSolidBrush(Marker);
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
        SelectObject(dc_, reinterpret_cast<HGDIOBJ>(SendMessageA(tome::mainState.hMainWindow, WM_GETFONT, 0, 0)));

        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_TAB;
        item.CtlID = tome::TabControlId;
        item.itemID = static_cast<UINT>(index);
        item.itemState = state;
        item.hwndItem = GetDlgItem(tome::mainState.hMainWindow, tome::TabControlId);
        item.hDC = dc_;
        item.rcItem = all;
        tome::DrawTabItem(tome::mainState.hMainWindow, tome::TabControlId, item);
    }
    ~DrawnTab() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DrawnTab(const DrawnTab&) = delete;
    DrawnTab& operator=(const DrawnTab&) = delete;

    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Count(COLORREF colour, int fromY = 0) const {
        int n = 0;
        for (int y = fromY; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) n += At(x, y) == colour ? 1 : 0;
        }
        return n;
    }

    static constexpr int Width = 120, Height = 22;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class MainWindowTabDrawing : public MainWindowTest {};

TEST_F(MainWindowTabDrawing, SelectedTabIsBlueOnLightBlueGrey) {
    Run([] {
        DrawnTab tab(1, ODS_SELECTED);
        for (int x = 0; x < DrawnTab::Width; x += 7) {
            for (int y = 0; y < 3; ++y) ASSERT_EQ(tab.At(x, y), Marker) << x << "," << y;
        }
        EXPECT_EQ(tab.At(1, 3), RGB(220, 230, 240));
        EXPECT_EQ(tab.At(DrawnTab::Width - 2, DrawnTab::Height - 1), RGB(220, 230, 240));
        EXPECT_GT(tab.Count(RGB(0, 0, 255)), 20);
        EXPECT_EQ(tab.Count(RGB(0, 0, 0)), 0);
        EXPECT_EQ(tab.Count(Marker, 3), 0);
    });
}

TEST_F(MainWindowTabDrawing, OtherTabsAndSelectedWithFocusAreBlackOnButtonFace) {
    Run([] {
        for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS), static_cast<UINT>(ODS_FOCUS)}) {
            SCOPED_TRACE(state);
            DrawnTab tab(2, state);
            EXPECT_EQ(tab.At(5, 0), Marker);
            EXPECT_EQ(tab.At(5, 2), Marker);
            EXPECT_EQ(tab.At(1, 3), GetSysColor(COLOR_BTNFACE));
            EXPECT_GT(tab.Count(RGB(0, 0, 0)), 20);
            EXPECT_EQ(tab.Count(RGB(0, 0, 255)), 0);
        }
    });
}

TEST_F(MainWindowTabDrawing, TheTextIsTheTabsOwn) {
    Run([] {
        // The same text drawn the same way gives the same pixels.
        DrawnTab tab(2, 0);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, DrawnTab::Width, DrawnTab::Height);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(tome::mainState.hMainWindow, WM_GETFONT, 0, 0)));
        RECT area = {0, 3, DrawnTab::Width, DrawnTab::Height};
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, " Have read        ", -1, &area, DT_CENTER | DT_SINGLELINE);
        int differ = 0;
        for (int y = 3; y < DrawnTab::Height; ++y) {
            for (int x = 0; x < DrawnTab::Width; ++x) differ += GetPixel(dc, x, y) != tab.At(x, y) ? 1 : 0;
        }
        EXPECT_EQ(differ, 0);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    });
}

}  // namespace
}  // namespace tome_test
