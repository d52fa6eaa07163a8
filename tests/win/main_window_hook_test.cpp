// The keyboard hook: it acts on the first of each two HC_ACTION calls, Enter
// moves from the Find box or views the selected book, and Backspace or
// Delete drop the Author box's completed part first.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/keyboard_hook_win.h"
#include "dialogs/dialog_engine_win.h"
#include "main_window_fixture.h"

namespace tome_test {
namespace {

class MainWindowHook : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWith(ShelfBooks());
    }
    static void Enter(int code = HC_ACTION) { tome::KeyboardHookProc(code, VK_RETURN, 0); }
};

TEST_F(MainWindowHook, ActsOnPressesNotOnReleases) {
    Run([] {
        HWND find = Control(tome::FindBoxId);
        SetFocus(find);
        Enter();  // press: acted on
        EXPECT_EQ(GetFocus(), ListBox(1));
        EXPECT_EQ(tome::keyEventCount, 1);

        SetFocus(find);
        Enter();  // release: counted, not acted on
        EXPECT_EQ(GetFocus(), find);
        EXPECT_EQ(tome::keyEventCount, 0);

        Enter();  // the next press
        EXPECT_EQ(GetFocus(), ListBox(1));
    });
}

TEST_F(MainWindowHook, OnlyHcActionCallsAreCounted) {
    Run([] {
        HWND find = Control(tome::FindBoxId);
        SetFocus(find);
        Enter(HC_NOREMOVE);
        EXPECT_EQ(tome::keyEventCount, 0);
        EXPECT_EQ(GetFocus(), find);
        Enter(-1);
        EXPECT_EQ(tome::keyEventCount, 0);
        EXPECT_EQ(GetFocus(), find);
        Enter();
        EXPECT_EQ(GetFocus(), ListBox(1));
    });
}

TEST_F(MainWindowHook, EnterOnTheListViewsTheSelectedBook) {
    Run([] {
        tome::mainState.activeList->SelectRow(2, 0);
        SetFocus(ListBox(1));
        {
            DialogCloser closer("View Book Data", 2022);
            Enter();
            EXPECT_TRUE(DialogCloser::Seen());
            EXPECT_EQ(DialogCloser::Text(), "Letters");
        }
        Enter();  // the release

        SetFocus(Control(tome::cmd::AddButton));
        DialogCloser closer("View Book Data");
        Enter();  // neither in the Find box nor on the list
        EXPECT_FALSE(DialogCloser::Seen());
    });
}

// Closes the context menu and presses Enter through the hook while it is
// still open.
void CALLBACK EnterInTheOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    if (OwnWindow("#32768", nullptr) == nullptr) return;
    KillTimer(nullptr, timer);
    // The menu ends when this returns; it is still open for the hook.
    EndMenu();
    tome::KeyboardHookProc(HC_ACTION, VK_RETURN, 0);
}

TEST_F(MainWindowHook, EnterThatChoosesAMenuItemViewsNothing) {
    Run([] {
        tome::mainState.activeList->SelectRow(2, 0);
        SetFocus(ListBox(1));
        DialogCloser closer("View Book Data");
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, EnterInTheOpenMenu);
        POINT at = {40, 5};
        ClientToScreen(ListBox(1), &at);
        SendMessageA(tome::mainState.hMainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Page(1)), MAKELPARAM(at.x, at.y));
        KillTimer(nullptr, timer);
        EXPECT_EQ(tome::keyEventCount, 1) << "the press was counted";
        EXPECT_FALSE(DialogCloser::Seen());
        EXPECT_EQ(GetFocus(), ListBox(1));

        // With the menu closed, Enter on the list views the book again.
        tome::keyEventCount = 0;
        Enter();
        EXPECT_TRUE(DialogCloser::Seen());
    });
}

TEST_F(MainWindowHook, OtherKeysDoNothingButCount) {
    Run([] {
        HWND find = Control(tome::FindBoxId);
        SetFocus(find);
        tome::KeyboardHookProc(HC_ACTION, 'A', 0);
        EXPECT_EQ(tome::keyEventCount, 1);
        EXPECT_EQ(GetFocus(), find);
    });
}

// A book dialog stand-in with the Author box, a drop-down combo box.
class AuthorBox : public ::testing::Test {
protected:
    void SetUp() override {
        tome::DialogSpec spec;
        spec.caption = "Book";
        spec.style = WS_POPUP | WS_CAPTION | DS_3DLOOK;
        spec.width = 300;
        spec.height = 100;
        tome::ControlSpec box;
        box.className = "COMBOBOX";
        box.id = tome::AuthorBoxId;
        box.style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_TABSTOP;
        box.x = 10;
        box.y = 10;
        box.width = 200;
        box.height = 120;
        spec.controls = {box};
        dialog = tome::CreateSpecDialog(spec, nullptr, true);
        ASSERT_NE(dialog, nullptr);
        tome::bookDialog.hBookDialog = dialog;
        tome::bookDialog.authorBoxHasFocus = 1;
        tome::keyEventCount = 0;
        SetWindowTextA(Box(), "Austen, Jane");
    }
    void TearDown() override {
        DestroyWindow(dialog);
        tome::bookDialog.hBookDialog = nullptr;
        tome::bookDialog.authorBoxHasFocus = 0;
        tome::keyEventCount = 0;
    }
    HWND Box() const { return GetDlgItem(dialog, tome::AuthorBoxId); }
    void Select(int start, int end) { SendMessageA(Box(), CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    std::pair<int, int> Selection() const {
        const DWORD s = static_cast<DWORD>(SendMessageA(Box(), CB_GETEDITSEL, 0, 0));
        return {LOWORD(s), HIWORD(s)};
    }
    std::string BoxText() const {
        char text[64] = "";
        GetWindowTextA(Box(), text, sizeof text);
        return text;
    }
    static void Key(WPARAM key) { tome::KeyboardHookProc(HC_ACTION, key, 0); }

    HWND dialog = nullptr;
};

TEST_F(AuthorBox, BackspaceDropsTheCompletedPartAndPutsTheCaretAtTheEnd) {
    Select(3, 12);
    Key(VK_BACK);
    EXPECT_EQ(BoxText(), "Aus");
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
}

TEST_F(AuthorBox, DeleteDropsASelectionInTheMiddle) {
    Select(2, 5);
    Key(VK_DELETE);
    EXPECT_EQ(BoxText(), "Aun, Jane");
    EXPECT_EQ(Selection(), std::make_pair(9, 9));
}

TEST_F(AuthorBox, NothingSelectedNothingDropped) {
    Select(4, 4);
    Key(VK_BACK);
    EXPECT_EQ(BoxText(), "Austen, Jane");
    EXPECT_EQ(Selection(), std::make_pair(4, 4));
}

TEST_F(AuthorBox, OnlyWhileTheAuthorBoxHasTheFocusAndOnThePress) {
    tome::bookDialog.authorBoxHasFocus = 0;
    Select(3, 12);
    Key(VK_BACK);
    EXPECT_EQ(BoxText(), "Austen, Jane");

    tome::bookDialog.authorBoxHasFocus = 1;
    Key(VK_BACK);  // the release of the press above
    EXPECT_EQ(BoxText(), "Austen, Jane");
    Key(VK_BACK);
    EXPECT_EQ(BoxText(), "Aus");
}

}  // namespace
}  // namespace tome_test
