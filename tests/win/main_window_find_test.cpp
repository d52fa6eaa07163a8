// The Find box: typing mode and its colours, the search on every change,
// and leaving typing mode.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/keyboard_hook_win.h"
#include "main_window_fixture.h"

namespace tome_test {
namespace {

class MainWindowFind : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWith(ShelfBooks());
    }

    static HWND FindBox() { return Control(tome::FindBoxId); }
    static std::string FindResult() { return Text(Control(tome::FindResultId)); }
    // Typing changes the text and raises EN_CHANGE, as SetWindowText does.
    static void Type(const char* text) { SetWindowTextA(FindBox(), text); }

    static COLORREF FindTextColour() {
        HDC dc = GetDC(tome::mainState.hMainWindow);
        SendMessageA(tome::mainState.hMainWindow, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(FindBox()));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(tome::mainState.hMainWindow, dc);
        return colour;
    }
};

TEST_F(MainWindowFind, FocusStartsTypingModeAndClickingTheWindowEndsIt) {
    Run([] {
        EXPECT_EQ(Text(FindBox()), "Author/Title");
        EXPECT_EQ(FindTextColour(), RGB(128, 128, 128));

        SetFocus(FindBox());
        EXPECT_TRUE(tome::mainState.findActive);
        EXPECT_EQ(Text(FindBox()), "");
        EXPECT_EQ(FindTextColour(), RGB(0, 0, 0));

        Type("mid");
        EXPECT_EQ(SelectedRow(1), 5);
        EXPECT_EQ(StatusPart(3), " 5 : 6");

        SendMessageA(tome::mainState.hMainWindow, WM_LBUTTONDOWN, 0, MAKELPARAM(700, 460));
        EXPECT_FALSE(tome::mainState.findActive);
        EXPECT_EQ(Text(FindBox()), "Author/Title");
        EXPECT_EQ(FindTextColour(), RGB(128, 128, 128));
        EXPECT_EQ(GetFocus(), ListBox(1));
        // The list keeps what the find selected.
        EXPECT_EQ(SelectedRow(1), 5);
    });
}

TEST_F(MainWindowFind, ClickOnTheFrameEndsTypingModeToo) {
    Run([] {
        SetFocus(FindBox());
        // The border: on the caption the default handling would go on to
        // move the window, waiting for the mouse.
        SendMessageA(tome::mainState.hMainWindow, WM_NCLBUTTONDOWN, HTBORDER, 0);
        EXPECT_FALSE(tome::mainState.findActive);
        EXPECT_EQ(Text(FindBox()), "Author/Title");
    });
}

TEST_F(MainWindowFind, LosingTheFocusDropsWhatWasTyped) {
    Run([] {
        SetFocus(FindBox());
        Type("xyz");
        SetFocus(Control(tome::cmd::AddButton));
        EXPECT_FALSE(tome::mainState.findActive);
        EXPECT_EQ(Text(FindBox()), "Author/Title");
        EXPECT_EQ(FindTextColour(), RGB(128, 128, 128));
        EXPECT_EQ(FindResult(), "Not found");
    });
}

TEST_F(MainWindowFind, AMissSearchesOnceMoreFromTheTop) {
    Run([] {
        SetFocus(FindBox());
        Type("e");
        EXPECT_EQ(SelectedRow(1), 1);  // Austen
        Type("el");
        EXPECT_EQ(SelectedRow(1), 5);  // Eliot, after row 1
        // Nothing after row 5: the text is set back, which searches once
        // from the top. A second search would start after row 5 again and
        // end in "Not found".
        Type("eli");
        EXPECT_EQ(SelectedRow(1), 5);
        EXPECT_EQ(tome::mainState.list.lastFoundRow, 5);
        EXPECT_EQ(FindResult(), "");
        EXPECT_EQ(Text(FindBox()), "eli");
        DWORD start = 0, end = 0;
        SendMessageA(FindBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 3u);
        EXPECT_EQ(end, 3u);
    });
}

TEST_F(MainWindowFind, NothingFoundLeavesTheSelection) {
    Run([] {
        SetFocus(FindBox());
        Type("teeth");
        EXPECT_EQ(SelectedRow(1), 6);  // by title
        Type("teethx");
        EXPECT_EQ(FindResult(), "Not found");
        EXPECT_EQ(SelectedRow(1), 6);
        EXPECT_EQ(Text(FindBox()), "teethx");
        EXPECT_EQ(tome::mainState.list.lastFoundRow, 0);
    });
}

TEST_F(MainWindowFind, EnterInTheFindBoxMovesToTheList) {
    Run([] {
        SetFocus(FindBox());
        Type("per");
        tome::KeyboardHookProc(HC_ACTION, VK_RETURN, 0);
        EXPECT_EQ(GetFocus(), ListBox(1));
        EXPECT_FALSE(tome::mainState.findActive);
        EXPECT_EQ(SelectedRow(1), 4);
    });
}

TEST_F(MainWindowFind, AKeyPressReachesTheInstalledHook) {
    Run([] {
        SetForegroundWindow(tome::mainState.hMainWindow);
        SetFocus(FindBox());
        ASSERT_EQ(GetFocus(), FindBox());
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
        // The keys arrive through the message loop, where the hook sees them.
        MSG message;
        for (int i = 0; i < 50 && GetFocus() == FindBox(); ++i) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (!IsDialogMessageA(tome::mainState.hMainWindow, &message)) DispatchMessageA(&message);
            }
            Sleep(10);
        }
        EXPECT_EQ(GetFocus(), ListBox(1));
        // Press and release: acted on once, counted twice.
        EXPECT_EQ(tome::keyEventCount, 0);
    });
}

}  // namespace
}  // namespace tome_test
