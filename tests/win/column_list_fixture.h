// A main window with tab pages built the way the program builds them (pixel
// dialogs in MS Sans Serif 8), for the column list's Windows-side tests.
// Header only: the Windows-side test build takes every *_test.cpp.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_state_win.h"
#include "controls/column_list_win.h"
#include "dialogs/dialog_engine_win.h"

namespace tome_test {

constexpr int32_t BookPercentages[6] = {23, 32, 12, 9, 12, 12};
inline const std::string BookHeadings[6] = {"Author", "Title", "Call No", "\x02Pub Date", "\x02  Ordered",
                                            "  Library"};

inline INT_PTR CALLBACK ColumnListTestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) tome::ColumnListNotify(page, message, wParam, lParam);
    return FALSE;
}

class ColumnListWindow : public ::testing::Test {
protected:
    void SetUp() override {
        tome::DialogSpec spec;
        spec.caption = "Column list test";
        spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_3DLOOK;
        spec.width = 720;
        spec.height = 480;
        main_ = tome::CreateSpecDialog(spec, nullptr, true);
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOW);
        SetForegroundWindow(main_);
        savedActiveListId_ = tome::mainState.activeListId;
    }

    void TearDown() override {
        if (main_) DestroyWindow(main_);
        tome::mainState.activeListId = savedActiveListId_;
    }

    // A page of the main window, 716 pixels wide, whose handler passes every
    // WM_COMMAND to ColumnListNotify first.
    HWND AddPage() {
        const RECT where = {2, 40, 2 + 716, 40 + 436};
        HWND page = tome::CreateChildDialog(main_, ColumnListTestPageProc, 0, where);
        EXPECT_NE(page, nullptr);
        ShowWindow(page, SW_SHOW);
        return page;
    }

    // A six-column book list on page, as the program creates it.
    static void CreateBookList(tome::cColumnList& list, HWND page, int32_t id, int32_t y = 0, int32_t height = 398) {
        list.Create(page, id, 2, y, 716, height, BookPercentages, BookHeadings, 6);
    }

    static std::string ItemText(HWND listBox, int index) {
        const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) return "<none>";
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        return text;
    }

    static RECT RectInParent(HWND control) {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    HWND main_ = nullptr;

private:
    int32_t savedActiveListId_ = 0;
};

}  // namespace tome_test
