// The real main window, built and run modally in the test process: the test
// body runs inside the window's own message loop once the window is shown.
// Message boxes and file dialogs are answered by a script, and the data
// folder lies in a temporary folder. Header only: the Windows-side test
// build takes every *_test.cpp.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/keyboard_hook_win.h"
#include "app/main_state_win.h"
#include "app/main_window_proc_win.h"
#include "app/main_window_win.h"
#include "books/book_file.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_state_win.h"
#include "dialogs/dialog_engine_win.h"
#include "main_window_driver_win.h"
#include "win_test_support.h"

namespace tome_test {

struct AskedQuestion {
    std::string text, caption;
    uint32_t style;
};

class ScriptedPrompts final : public tome::UserPrompts {
public:
    tome::Answer Ask(const std::string& text, const std::string& caption, uint32_t style) override {
        asked.push_back({text, caption, style});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question \"" << text << "\" (" << caption << ")";
            return tome::AnswerCancel;
        }
        const tome::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string ChooseFileToOpen() override {
        ++openDialogs;
        return openChoice;
    }
    std::string ChooseFileToSave() override {
        ++saveDialogs;
        return saveChoice;
    }

    std::deque<tome::Answer> answers;
    std::vector<AskedQuestion> asked;
    std::string openChoice, saveChoice;
    int openDialogs = 0, saveDialogs = 0;
};

// Six books by three authors in display order: Emma (Austen, to read,
// Novels), Letters (Austen, read, Letters), Mansfield Park (Austen, read and
// to read again, Novels), Persuasion (Austen, neither), Middlemarch (Eliot,
// read, Novels), White Teeth (Smith, to read, Novels).
inline tome::BookCollection ShelfBooks() {
    tome::BookCollection books;
    books.authors = tome::TextList{"Austen, Jane", "Eliot, George", "Smith, Zadie"};
    books.categories = tome::TextList{"Novels", "Letters"};
    struct Row {
        uint16_t author;
        uint8_t flags, category;
        const char* title;
    };
    const Row rows[] = {{1, tome::WantToRead, 1, "Emma"},
                        {1, tome::HaveRead, 2, "Letters"},
                        {1, tome::WantToRead | tome::HaveRead, 1, "Mansfield Park"},
                        {1, 0, 1, "Persuasion"},
                        {2, tome::HaveRead, 1, "Middlemarch"},
                        {3, tome::WantToRead, 1, "White Teeth"}};
    for (const Row& row : rows) {
        tome::Book book;
        book.record.author = row.author;
        book.record.flags = row.flags;
        book.record.category = row.category;
        book.title = row.title;
        tome::AddBookAt(books, book, books.bookCount() + 1);
    }
    return books;
}

struct WindowSearch {
    const char* className;
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "", text[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, text, sizeof text);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::string(name) != search->className) {
        return TRUE;
    }
    if (search->caption != nullptr && std::string(text) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

// A visible top-level window of this process with the class and caption
// (any caption when null); other programs on the desktop are left alone.
inline HWND OwnWindow(const char* className, const char* caption) {
    WindowSearch search = {className, caption, nullptr};
    EnumWindows(MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits for a dialog with the caption to show, notes the text of one of its
// controls, and closes it as the close box would.
class DialogCloser {
public:
    explicit DialogCloser(const char* caption, int readId = 0) {
        caption_ = caption;
        readId_ = readId;
        seen_ = false;
        text_.clear();
        timer_ = SetTimer(nullptr, 0, 30, Check);
    }
    ~DialogCloser() { KillTimer(nullptr, timer_); }
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

    static bool Seen() { return seen_; }
    static const std::string& Text() { return text_; }

private:
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = OwnWindow("#32770", caption_.c_str());
        if (dialog == nullptr || seen_) return;
        seen_ = true;
        char text[256] = "";
        if (readId_ != 0) GetDlgItemTextA(dialog, readId_, text, sizeof text);
        text_ = text;
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    UINT_PTR timer_;
    static inline std::string caption_, text_;
    static inline int readId_ = 0;
    static inline bool seen_ = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        documents_ = folder_.path();
        savedLinks_ = tome::mainLinks;
        tome::mainLinks = {&prompts, [] { return documents_; }};
    }

    void TearDown() override {
        tome::mainLinks = savedLinks_;
        if (IsWindow(tome::mainState.hMainWindow)) DestroyWindow(tome::mainState.hMainWindow);
        ResetProgramState();
    }

    // The data folder the main window makes under the test's common documents.
    std::string DataFolder() const { return folder_.path() + "\\Verdanth\\Tomecase"; }

    // Puts the book file in the data folder and names it in the settings file,
    // so that start-up opens it. Returns its path.
    std::string StartWith(const tome::BookCollection& books, const std::string& name = "books.lib") {
        const std::vector<uint8_t> bytes = tome::SerializeBookFile(books);
        return StartWithBytes(std::string(bytes.begin(), bytes.end()), name);
    }
    std::string StartWithBytes(const std::string& bytes, const std::string& name) {
        CreateDirectoryA((folder_.path() + "\\Verdanth").c_str(), nullptr);
        CreateDirectoryA(DataFolder().c_str(), nullptr);
        const std::string path = DataFolder() + "\\" + name;
        WriteBytes(path, bytes);
        WriteBytes(DataFolder() + "\\Tomecase.ini", path + "\r\n");
        return path;
    }

    // Builds the main window and runs it modally; body runs inside its message
    // loop. Afterwards the window is closed (without a question) unless the
    // body closed it.
    void Run(const std::function<void()>& body) {
        HWND window = tome::CreateMainWindow();
        ASSERT_NE(window, nullptr);
        body_ = &body;
        closedAfterBody_ = false;
        const UINT_PTR start = SetTimer(nullptr, 0, 10, RunBody);
        tome::RunModal(window, tome::MainWindowProc, 0);
        // Timers outlive the loop that ended before they came.
        KillTimer(nullptr, start);
        KillTimer(nullptr, closeTimer_);
        body_ = nullptr;
        EXPECT_FALSE(IsWindow(window));
    }
    // Whether the window was still running after the body, so that the
    // fixture had to close it.
    static bool StillOpenAfterBody() { return closedAfterBody_; }

public:
    // Handles and texts of the running main window.
    static HWND Control(int id) { return window::Control(id); }
    static HWND Page(int t) { return window::Page(t); }
    static HWND ListBox(int t) { return window::ListBox(t); }
    static int RowsShown(int t) { return window::RowsShown(t); }
    static int SelectedRow(int t) { return window::SelectedRow(t); }
    static std::string Row(int t, int row) { return window::Row(t, row); }
    // The title cell of a row.
    static std::string Title(int t, int row) {
        const std::string text = Row(t, row);
        const size_t start = text.find('\t') + 1;
        return text.substr(start, text.find('\t', start) - start);
    }
    static std::vector<std::string> Titles(int t) {
        std::vector<std::string> titles;
        for (int row = 1; row <= RowsShown(t); ++row) titles.push_back(Title(t, row));
        return titles;
    }
    static std::string Text(HWND window) {
        char text[512] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static std::string StatusPart(int part) { return window::StatusPart(part); }
    static int SelectedTabIndex() { return window::SelectedTabIndex(); }
    static bool PageVisible(int t) { return (GetWindowLongA(Page(t), GWL_STYLE) & WS_VISIBLE) != 0; }

    // A command as a menu item sends it.
    static void Command(int id) { window::Command(id); }
    // A notification from a control on a tab page.
    static void PageNotify(int t, int id, int code) {
        SendMessageA(Page(t), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(Page(t), id)));
    }

    // Clicks tab t (1..4) of the tab control with the mouse, as a user does.
    static void ClickTab(int t) { window::ClickTab(t); }

protected:
    ScriptedPrompts prompts;

private:
    static void CALLBACK RunBody(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (body_ != nullptr) (*body_)();
        // A close the body made ends the loop before this timer comes.
        closeTimer_ = SetTimer(nullptr, 0, 10, CloseAfterBody);
    }
    static void CALLBACK CloseAfterBody(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        closedAfterBody_ = true;
        tome::fileState.fileChanged = 0;
        SendMessageA(tome::mainState.hMainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    }

    static void ResetProgramState() {
        tome::collection = {};
        tome::fileState = {};
        tome::mainState.hMainWindow = nullptr;
        tome::mainState.tabPage = {};
        // The column lists are program-wide and cannot be copied; each test
        // starts with new ones.
        for (tome::cColumnList& list : tome::mainState.tabList) {
            list.~cColumnList();
            new (&list) tome::cColumnList();
        }
        tome::mainState.activeTab = 0;
        tome::mainState.lastTab = 1;
        tome::mainState.hActivePage = nullptr;
        tome::mainState.activeList = &tome::mainState.tabList[1];
        tome::mainState.activeListId = 0;
        tome::mainState.findActive = false;
        tome::keyEventCount = 0;
        tome::bookDialog.presetAuthor = 0;
        tome::bookDialog.hBookDialog = nullptr;
        tome::bookDialog.authorBoxHasFocus = 0;
    }

    TempFolder folder_;
    tome::MainWindowLinks savedLinks_ = {};
    static inline std::string documents_;
    static inline const std::function<void()>* body_ = nullptr;
    static inline bool closedAfterBody_ = false;
    static inline UINT_PTR closeTimer_ = 0;
};

}  // namespace tome_test
