// A walk through the whole command table of the main window: every command
// of the menus, the context menu and the top-row buttons, sent as its item
// or button sends it, does what its row says; IDs without a row do nothing.
// Printing goes to the test printer and is read back; help opens the built
// help file.
#include <windows.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../print/test_printer_win.h"
#include "app/commands.h"
#include "main_window_fixture.h"

namespace tome_test {
namespace {

// Command IDs as the menus, the context menu and the buttons send them.
std::set<int> SentCommandIds() {
    std::set<int> ids;
    for (const tome::MenuPopup& popup : tome::MenuPopups()) {
        for (const tome::MenuEntry& entry : popup.entries) {
            if (entry.commandId != 0) ids.insert(entry.commandId);
        }
    }
    for (const tome::MenuEntry& entry : tome::ContextMenuEntries()) {
        if (entry.commandId != 0) ids.insert(entry.commandId);
    }
    for (int id = tome::cmd::AddButton; id <= tome::cmd::QuitButton; ++id) ids.insert(id);
    return ids;
}

// Notes any dialog of this process other than the main window, and closes it.
class AnyDialogCheck {
public:
    AnyDialogCheck() {
        seen_ = false;
        timer_ = SetTimer(nullptr, 0, 30, Check);
    }
    ~AnyDialogCheck() { KillTimer(nullptr, timer_); }
    AnyDialogCheck(const AnyDialogCheck&) = delete;
    AnyDialogCheck& operator=(const AnyDialogCheck&) = delete;
    static bool Seen() { return seen_; }

private:
    static BOOL CALLBACK CloseOther(HWND window, LPARAM) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && window != tome::mainState.hMainWindow && IsWindowVisible(window)) {
            seen_ = true;
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return TRUE;
    }
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) { EnumWindows(CloseOther, 0); }
    UINT_PTR timer_;
    static inline bool seen_ = false;
};

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

class CommandTableWalk : public MainWindowTest {
protected:
    static void SetUpTestSuite() { printerError() = InstallTestPrinter(); }

    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(printerError(), "") << "the test printer could not be installed";
        StartWith(ShelfBooks());
        // The help file is looked for in the working directory at start-up.
        ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), (helpFolder_ / "Tomecase.chm").c_str(), FALSE))
            << BuiltHelpFile();
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof directory, directory);
        startDirectory_ = directory;
        SetCurrentDirectoryA(helpFolder_.path().c_str());
    }
    void TearDown() override {
        HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        SetCurrentDirectoryA(startDirectory_.c_str());
        MainWindowTest::TearDown();
    }

    // All Books with a row selected, as the checks of the book commands need.
    static void ShowAllBooksAt(int row) {
        Command(tome::cmd::ViewAllBooks);
        tome::mainState.activeList->SelectRow(row, 0);
    }

    // Sends the command, confirms the "Print" dialog and returns the printed
    // pages' lines.
    static std::vector<std::vector<std::string>> PrintThrough(int id) {
        ClearPrinterPort();
        {
            PrintDialogAnswerer user(IDOK);
            Command(id);
            EXPECT_TRUE(user.answered()) << id << " showed no \"Print\" dialog";
        }
        const std::string ps = TakePrintout("command-" + std::to_string(id));
        EXPECT_NE(ps, "") << id << " printed nothing";
        return ps.empty() ? std::vector<std::vector<std::string>>{} : PageTexts(ps);
    }

    // Whether the command opened a dialog with this caption.
    static bool OpensDialog(int id, const char* caption, int readId = 0, std::string* read = nullptr) {
        DialogCloser closer(caption, readId);
        Command(id);
        if (read != nullptr) *read = DialogCloser::Text();
        return DialogCloser::Seen();
    }

    struct CommandRow {
        std::vector<int> ids;
        std::function<void(CommandTableWalk&, int id)> check;
    };

    // One row per line of the command table.
    static std::vector<CommandRow> Table() {
        using W = CommandTableWalk;
        return {
            {{101}, [](W& w, int id) {
                 const int before = w.prompts.openDialogs;
                 Command(id);
                 EXPECT_EQ(w.prompts.openDialogs, before + 1) << "the open-file dialog";
             }},
            {{102}, [](W& w, int id) {
                 w.prompts.answers = {tome::AnswerNo};
                 Command(id);
                 ASSERT_FALSE(w.prompts.asked.empty());
                 EXPECT_EQ(w.prompts.asked.back().text, "Save this file now?");
             }},
            {{103}, [](W& w, int id) {
                 const int before = w.prompts.saveDialogs;
                 Command(id);
                 EXPECT_EQ(w.prompts.saveDialogs, before + 1) << "the Save As dialog";
             }},
            {{105, 1004}, [](W&, int id) {
                 // The visible list, titled by its tab.
                 ClickTab(id == 105 ? 1 : 2);
                 const auto pages = PrintThrough(id);
                 ASSERT_FALSE(pages.empty());
                 ASSERT_FALSE(pages[0].empty());
                 EXPECT_EQ(pages[0][0], id == 105 ? "All books" : "Books to read");
                 EXPECT_TRUE(Contains(pages[0], "Smith, Zadie - White Teeth"));
                 EXPECT_EQ(Contains(pages[0], "Middlemarch"), id == 105) << "only tab 2's books on tab 2";
                 ClickTab(1);
             }},
            {{107, 1005}, [](W& w, int id) {
                 // The close box's path: its question, here answered Cancel.
                 tome::fileState.fileChanged = 1;
                 w.prompts.answers = {tome::AnswerCancel};
                 Command(id);
                 ASSERT_FALSE(w.prompts.asked.empty());
                 EXPECT_EQ(w.prompts.asked.back().caption, "Quit Program");
                 EXPECT_TRUE(IsWindow(tome::mainState.hMainWindow));
                 tome::fileState.fileChanged = 0;
             }},
            {{201, 1001}, [](W&, int id) {
                 ShowAllBooksAt(5);
                 std::string author;
                 EXPECT_TRUE(OpensDialog(id, "Add Book to List", tome::AuthorBoxId, &author));
                 EXPECT_EQ(author, "Eliot, George");
             }},
            {{202, 1002}, [](W&, int id) {
                 ShowAllBooksAt(3);
                 std::string title;
                 EXPECT_TRUE(OpensDialog(id, "Edit Book Data", 2022, &title));
                 EXPECT_EQ(title, "Mansfield Park");
             }},
            {{306, 1003}, [](W&, int id) {
                 ShowAllBooksAt(4);
                 std::string title;
                 EXPECT_TRUE(OpensDialog(id, "View Book Data", 2022, &title));
                 EXPECT_EQ(title, "Persuasion");
             }},
            {{203}, [](W& w, int id) {
                 ShowAllBooksAt(2);
                 w.prompts.answers = {tome::AnswerNo};
                 Command(id);
                 ASSERT_FALSE(w.prompts.asked.empty());
                 EXPECT_EQ(w.prompts.asked.back().caption, "Book Removal");
                 EXPECT_NE(w.prompts.asked.back().text.find("Letters"), std::string::npos);
                 EXPECT_EQ(RowsShown(1), 6) << "No keeps the book";
             }},
            {{204}, [](W&, int id) {
                 ShowAllBooksAt(5);
                 const auto pages = PrintThrough(id);
                 ASSERT_EQ(pages.size(), 1u);
                 ASSERT_FALSE(pages[0].empty());
                 EXPECT_EQ(pages[0][0], "Book source - Have read");
                 EXPECT_TRUE(Contains(pages[0], "Middlemarch"));
             }},
            {{211, 212, 213, 214, 215}, [](W&, int id) {
                 const char* suffixes[] = {"Authors", "Call Numbers", "Publishers", "Libraries", "Categories"};
                 const std::string caption = std::string("Drop Down List Maintenance - ") + suffixes[id - 211];
                 EXPECT_TRUE(OpensDialog(id, caption.c_str())) << caption;
             }},
            {{301, 302, 303, 304}, [](W&, int id) {
                 const int t = id - 300;
                 Command(id);
                 EXPECT_EQ(SelectedTabIndex(), t - 1);
                 EXPECT_TRUE(PageVisible(t));
                 EXPECT_EQ(tome::mainState.activeListId, tome::TabListId[static_cast<size_t>(t)]);
                 EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[static_cast<size_t>(t)]);
             }},
            {{401}, [](W&, int id) {
                 Command(id);
                 HWND viewer = nullptr;
                 for (int waited = 0; waited < 5000 && viewer == nullptr; waited += 50) {
                     MSG message;
                     while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
                     viewer = FindWindowA(nullptr, "Tomecase Help");
                     Sleep(50);
                 }
                 EXPECT_NE(viewer, nullptr) << "the help viewer did not show Tomecase.chm";
                 HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
             }},
            {{402}, [](W&, int id) { EXPECT_TRUE(OpensDialog(id, "About Tomecase")); }},
        };
    }

    static std::string& printerError() {
        static std::string error;
        return error;
    }

private:
    TempFolder helpFolder_;
    std::string startDirectory_;
};

TEST_F(CommandTableWalk, EveryCommandSentHasARowAndEveryRowIsSent) {
    std::set<int> rows;
    for (const CommandRow& row : Table()) rows.insert(row.ids.begin(), row.ids.end());
    EXPECT_EQ(rows, SentCommandIds());
}

TEST_F(CommandTableWalk, EveryCommandDoesWhatItsRowSays) {
    Run([&] {
        for (const CommandRow& row : Table()) {
            for (int id : row.ids) {
                SCOPED_TRACE("command " + std::to_string(id));
                prompts.asked.clear();
                row.check(*this, id);
                EXPECT_TRUE(IsWindow(tome::mainState.hMainWindow));
            }
        }
    });
    EXPECT_TRUE(StillOpenAfterBody());
}

TEST_F(CommandTableWalk, IdsWithoutARowDoNothing) {
    Run([&] {
        tome::mainState.activeList->SelectRow(2, 0);
        for (int id : {IDOK, IDCANCEL, 104, 106, 205, 216, 305, 403, 1006, 9999}) {
            SCOPED_TRACE("id " + std::to_string(id));
            AnyDialogCheck check;
            Command(id);
            MSG message;
            for (int i = 0; i < 5; ++i) {
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
                Sleep(30);
            }
            EXPECT_FALSE(AnyDialogCheck::Seen());
            EXPECT_TRUE(prompts.asked.empty());
            EXPECT_EQ(SelectedTabIndex(), 0);
            EXPECT_EQ(SelectedRow(1), 2);
            EXPECT_EQ(RowsShown(1), 6);
        }
        EXPECT_EQ(prompts.openDialogs + prompts.saveDialogs, 0);
    });
    EXPECT_TRUE(StillOpenAfterBody());
}

}  // namespace
}  // namespace tome_test
