// The main window's commands: Delete with its question, the quit prompt,
// Add's preset author, the button reset and the context menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace tome_test {
namespace {

using Names = std::vector<std::string>;

class MainWindowCommands : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        bookFile = StartWith(ShelfBooks());
    }
    std::string bookFile;
};

TEST_F(MainWindowCommands, DeleteAsksAndOnYesMarksTheBookDeleted) {
    Run([&] {
        tome::mainState.activeList->SelectRow(4, 0);  // Persuasion
        prompts.answers = {tome::AnswerNo};
        Command(203);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].text,
                  "Are you sure you want to delete this book?\r\n\r\nPersuasion\r\nBy Austen, Jane");
        EXPECT_EQ(prompts.asked[0].caption, "Book Removal");
        EXPECT_EQ(prompts.asked[0].style, 0x34u);
        EXPECT_EQ(RowsShown(1), 6);
        EXPECT_FALSE(tome::collection.records[4].has(tome::Deleted));
        EXPECT_EQ(tome::fileState.fileChanged, 0);

        prompts.answers = {tome::AnswerYes};
        Command(203);
        EXPECT_TRUE(tome::collection.records[4].has(tome::Deleted));
        EXPECT_EQ(Titles(1), (Names{"Emma", "Letters", "Mansfield Park", "Middlemarch", "White Teeth"}));
        EXPECT_EQ(tome::fileState.fileChanged, 1);
        EXPECT_EQ(StatusPart(3).substr(StatusPart(3).find(':')), ": 5");
        // Still in the collection until a save purges it.
        EXPECT_EQ(tome::collection.bookCount(), 6);
    });
}

TEST_F(MainWindowCommands, DeleteOnAnEmptyListAsksNothing) {
    Run([&] {
        ClickTab(4);
        Command(203);
        EXPECT_TRUE(prompts.asked.empty());
    });
}

TEST_F(MainWindowCommands, QuitPromptCancelKeepsTheWindow) {
    Run([&] {
        tome::fileState.fileChanged = 1;
        prompts.answers = {tome::AnswerCancel};
        SendMessageA(tome::mainState.hMainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].text, "This file has changed... save it before quiting?");
        EXPECT_EQ(prompts.asked[0].caption, "Quit Program");
        EXPECT_EQ(prompts.asked[0].style, 0x23u);
    });
    EXPECT_TRUE(StillOpenAfterBody());
}

TEST_F(MainWindowCommands, QuitPromptNoClosesWithoutSaving) {
    const std::string before = ReadBytes(bookFile);
    Run([&] {
        tome::mainState.activeList->SelectRow(1, 0);
        prompts.answers = {tome::AnswerYes, tome::AnswerNo};
        Command(203);
        // "E&xit" goes the way of the close box.
        Command(107);
    });
    EXPECT_FALSE(StillOpenAfterBody());
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(ReadBytes(bookFile), before);
}

TEST_F(MainWindowCommands, QuitPromptYesSavesThenCloses) {
    Run([&] {
        tome::mainState.activeList->SelectRow(1, 0);
        prompts.answers = {tome::AnswerYes, tome::AnswerYes};
        Command(203);
        // The "&Quit" button too.
        SendMessageA(tome::mainState.hMainWindow, WM_COMMAND, MAKEWPARAM(tome::cmd::QuitButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(tome::cmd::QuitButton)));
    });
    EXPECT_FALSE(StillOpenAfterBody());
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].caption, "Quit Program");
    tome::BookCollection saved;
    std::string reason;
    const std::string bytes = ReadBytes(bookFile);
    ASSERT_TRUE(tome::ParseBookFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), saved, reason));
    EXPECT_EQ(saved.bookCount(), 5);
    EXPECT_EQ(saved.titles[1], "Letters");
    EXPECT_EQ(ReadBytes(DataFolder() + "\\Tomecase.ini"), bookFile + "\r\n");
}

TEST_F(MainWindowCommands, QuitPromptYesWithASaveThatDoesNotHappenKeepsTheWindow) {
    Run([&] {
        // A collection that was never saved: Yes asks for a name, and the
        // user cancels that.
        tome::fileState.currentFile.clear();
        tome::fileState.fileChanged = 1;
        prompts.answers = {tome::AnswerYes};
        prompts.saveChoice = "";
        SendMessageA(tome::mainState.hMainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(prompts.saveDialogs, 1);
        EXPECT_EQ(tome::fileState.fileChanged, 1);
    });
    EXPECT_TRUE(StillOpenAfterBody());
}

TEST_F(MainWindowCommands, QuitWithoutChangesAsksNothing) {
    Run([&] {
        SendMessageA(tome::mainState.hMainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_FALSE(StillOpenAfterBody());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(MainWindowCommands, AddStartsWithTheAuthorOfTheSelectedBook) {
    Run([&] {
        tome::mainState.activeList->SelectRow(5, 0);  // Middlemarch, by Eliot
        {
            // The "Add" button acts as "&Add book".
            DialogCloser closer("Add Book to List", tome::AuthorBoxId);
            SendMessageA(tome::mainState.hMainWindow, WM_COMMAND, MAKEWPARAM(tome::cmd::AddButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(Control(tome::cmd::AddButton)));
            EXPECT_TRUE(DialogCloser::Seen());
            EXPECT_EQ(DialogCloser::Text(), "Eliot, George");
        }
        EXPECT_EQ(tome::bookDialog.presetAuthor, 2);

        ClickTab(4);  // no rows: a new book without an author
        {
            DialogCloser closer("Add Book to List", tome::AuthorBoxId);
            Command(201);
            EXPECT_TRUE(DialogCloser::Seen());
            EXPECT_EQ(DialogCloser::Text(), "");
        }
        EXPECT_EQ(tome::bookDialog.presetAuthor, 0);
    });
}

TEST_F(MainWindowCommands, EditAndViewShowTheSelectedBook) {
    Run([&] {
        tome::mainState.activeList->SelectRow(3, 0);
        {
            DialogCloser closer("Edit Book Data", 2022);
            Command(1002);
            EXPECT_EQ(DialogCloser::Text(), "Mansfield Park");
        }
        {
            DialogCloser closer("View Book Data", 2022);
            Command(306);
            EXPECT_EQ(DialogCloser::Text(), "Mansfield Park");
        }
        {
            // A double-click on the list views the book too.
            DialogCloser closer("View Book Data", 2022);
            PageNotify(1, 2040, LBN_DBLCLK);
            EXPECT_EQ(DialogCloser::Text(), "Mansfield Park");
        }
        // With no row nothing opens.
        ClickTab(4);
        DialogCloser closer("Edit Book Data");
        Command(202);
        Command(1003);
        EXPECT_FALSE(DialogCloser::Seen());
    });
}

TEST_F(MainWindowCommands, ListMaintenanceForEachList) {
    Run([&] {
        const char* suffixes[] = {"Authors", "Call Numbers", "Publishers", "Libraries", "Categories"};
        for (int id = 211; id <= 215; ++id) {
            const std::string caption = std::string("Drop Down List Maintenance - ") + suffixes[id - 211];
            DialogCloser closer(caption.c_str());
            Command(id);
            EXPECT_TRUE(DialogCloser::Seen()) << caption;
        }
    });
}

TEST_F(MainWindowCommands, AboutBox) {
    Run([&] {
        DialogCloser closer("About Tomecase");
        Command(402);
        EXPECT_TRUE(DialogCloser::Seen());
    });
}

TEST_F(MainWindowCommands, EveryCommandLeavesNoButtonTheDefault) {
    Run([&] {
        for (int id = tome::cmd::AddButton; id <= tome::cmd::QuitButton; ++id) {
            SendMessageA(Control(id), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
        }
        Command(IDOK);  // Enter: no command, but the reset
        for (int id = tome::cmd::AddButton; id <= tome::cmd::QuitButton; ++id) {
            EXPECT_EQ(GetWindowLongA(Control(id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << id;
        }
        // Notifications are no commands.
        SendMessageA(Control(tome::cmd::EditButton), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
        SendMessageA(tome::mainState.hMainWindow, WM_COMMAND, MAKEWPARAM(tome::FindBoxId, EN_UPDATE),
                     reinterpret_cast<LPARAM>(Control(tome::FindBoxId)));
        EXPECT_EQ(GetWindowLongA(Control(tome::cmd::EditButton), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    });
}

// The context menu is modal; a timer notes whether it showed and closes it.
class ContextMenuCheck {
public:
    ContextMenuCheck() {
        shown_ = false;
        timer_ = SetTimer(nullptr, 0, 50, Close);
    }
    ~ContextMenuCheck() { KillTimer(nullptr, timer_); }
    static bool Shown() { return shown_; }

private:
    static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) {
        if (OwnWindow("#32768", nullptr) != nullptr) {
            shown_ = true;
            EndMenu();
        }
    }
    UINT_PTR timer_;
    static inline bool shown_ = false;
};

// Screen position of a point in the list box of tab t.
POINT InList(int t, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(MainWindowTest::ListBox(t), &at);
    return at;
}

void RightClick(HWND from, POINT screen) {
    SendMessageA(tome::mainState.hMainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(from),
                 MAKELPARAM(screen.x, screen.y));
}

TEST_F(MainWindowCommands, ContextMenuSelectsTheRowUnderThePointer) {
    Run([&] {
        const int rowHeight = static_cast<int>(SendMessageA(ListBox(1), LB_GETITEMHEIGHT, 0, 0));
        {
            ContextMenuCheck check;
            RightClick(Page(1), InList(1, 40, 2 * rowHeight + rowHeight / 2));
            EXPECT_TRUE(ContextMenuCheck::Shown());
        }
        EXPECT_EQ(tome::mainState.activeList->CurrentRow(), 3);
        EXPECT_EQ(SelectedRow(1), 3);
        EXPECT_EQ(StatusPart(3), " 3 : 6");

        // Below the last row: the last row.
        {
            ContextMenuCheck check;
            RightClick(Page(1), InList(1, 40, 20 * rowHeight));
            EXPECT_TRUE(ContextMenuCheck::Shown());
        }
        EXPECT_EQ(SelectedRow(1), 6);
    });
}

TEST_F(MainWindowCommands, ContextMenuOnlyOverTheVisibleList) {
    Run([&] {
        {
            // The heading strip is above the list box.
            ContextMenuCheck check;
            RightClick(Page(1), InList(1, 40, -5));
            EXPECT_FALSE(ContextMenuCheck::Shown());
        }
        {
            // From anything but the visible page: the main window's own area.
            ContextMenuCheck check;
            RightClick(tome::mainState.hMainWindow, InList(1, 40, 30));
            EXPECT_FALSE(ContextMenuCheck::Shown());
        }
        EXPECT_EQ(SelectedRow(1), 1);
    });
}

TEST_F(MainWindowCommands, ContextMenuLeftOfAndAboveThePrimaryScreen) {
    Run([&] {
        // Screen coordinates there are negative, as on a second monitor.
        SetWindowPos(tome::mainState.hMainWindow, nullptr, -900, -700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int rowHeight = static_cast<int>(SendMessageA(ListBox(1), LB_GETITEMHEIGHT, 0, 0));
        const POINT third = InList(1, 40, 2 * rowHeight + rowHeight / 2);
        ASSERT_LT(third.x, 0);
        ASSERT_LT(third.y, 0);
        {
            ContextMenuCheck check;
            RightClick(Page(1), third);
            EXPECT_TRUE(ContextMenuCheck::Shown());
        }
        EXPECT_EQ(SelectedRow(1), 3);
        {
            ContextMenuCheck check;
            RightClick(Page(1), InList(1, 40, -5));
            EXPECT_FALSE(ContextMenuCheck::Shown());
        }
        EXPECT_EQ(SelectedRow(1), 3);
    });
}

// Notes where the context menu showed before closing it.
class ContextMenuPlace {
public:
    ContextMenuPlace() {
        shown_ = false;
        timer_ = SetTimer(nullptr, 0, 50, Close);
    }
    ~ContextMenuPlace() { KillTimer(nullptr, timer_); }
    static bool Shown() { return shown_; }
    static const RECT& Place() { return place_; }

private:
    static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = OwnWindow("#32768", nullptr);
        if (menu == nullptr) return;
        shown_ = true;
        GetWindowRect(menu, &place_);
        EndMenu();
    }
    UINT_PTR timer_;
    static inline bool shown_ = false;
    static inline RECT place_ = {};
};

TEST_F(MainWindowCommands, ContextMenuFromTheKeyboardShowsBelowTheSelectedRow) {
    Run([&] {
        const int rowHeight = static_cast<int>(SendMessageA(ListBox(1), LB_GETITEMHEIGHT, 0, 0));
        tome::mainState.activeList->SelectRow(2, 0);
        {
            ContextMenuPlace place;
            SendMessageA(tome::mainState.hMainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Page(1)), MAKELPARAM(-1, -1));
            ASSERT_TRUE(ContextMenuPlace::Shown());
            const POINT belowSecond = InList(1, 0, 2 * rowHeight);
            EXPECT_EQ(ContextMenuPlace::Place().left, belowSecond.x);
            EXPECT_EQ(ContextMenuPlace::Place().top, belowSecond.y);
        }
        // The selection is the user's, not the pointer's.
        EXPECT_EQ(SelectedRow(1), 2);
        {
            ContextMenuPlace place;
            SendMessageA(tome::mainState.hMainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tome::mainState.hMainWindow),
                         MAKELPARAM(-1, -1));
            EXPECT_FALSE(ContextMenuPlace::Shown());
        }
    });
}

void CALLBACK ChooseThirdItem(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = OwnWindow("#32768", nullptr);
    if (menu == nullptr) return;
    KillTimer(nullptr, timer);
    for (int i = 0; i < 3; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(MainWindowCommands, ChosenContextMenuItemArrivesAsItsCommand) {
    Run([&] {
        const int rowHeight = static_cast<int>(SendMessageA(ListBox(1), LB_GETITEMHEIGHT, 0, 0));
        prompts.answers = {tome::AnswerNo};
        // "Delete Book" is the third item: Down three times, then Enter.
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, ChooseThirdItem);
        RightClick(Page(1), InList(1, 40, 4 * rowHeight + 2));
        // The command is posted when the menu closes.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        KillTimer(nullptr, timer);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].caption, "Book Removal");
        EXPECT_NE(prompts.asked[0].text.find("Middlemarch"), std::string::npos);
    });
}

}  // namespace
}  // namespace tome_test
