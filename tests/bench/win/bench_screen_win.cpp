#include "bench_screen_win.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "app/commands.h"
#include "app/main_state_win.h"
#include "app/main_window_proc_win.h"
#include "app/main_window_win.h"
#include "books/book_file.h"
#include "books/book_store.h"
#include "books/file_system.h"
#include "books/program_state.h"
#include "books/text_case.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"
#include "main_window_driver_win.h"

namespace tome::bench {

namespace {

// Answers Yes to the delete and save questions; any other question is a
// wrong result.
class BenchPrompts final : public UserPrompts {
public:
    Answer Ask(const std::string& text, const std::string& caption, uint32_t) override {
        if (caption == "Book Removal" || caption == "Save File") return AnswerYes;
        unexpected.push_back(caption + ": " + text);
        return AnswerCancel;
    }
    std::string ChooseFileToOpen() override { return ""; }
    std::string ChooseFileToSave() override { return ""; }

    std::vector<std::string> unexpected;
};

BenchPrompts prompts;
std::string documents;

using tome_test::window::Control;
using tome_test::window::ListBox;
using tome_test::window::Page;
using tome_test::window::Row;

HWND Main() { return mainState.hMainWindow; }

void PaintNow() { RedrawWindow(Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

std::string Cell(const std::string& row, int column) {
    size_t start = 0;
    for (int c = 1; c < column && start != std::string::npos; ++c) {
        start = row.find('\t', start);
        if (start != std::string::npos) ++start;
    }
    if (start == std::string::npos) return "";
    return row.substr(start, row.find('\t', start) - start);
}

// A list box the size of tab 1's list, in its font, shown over it while it
// is filled: the least any program pays to show these rows.
double BareFill(int32_t rows) {
    HWND list = ListBox(1);
    RECT r;
    GetWindowRect(list, &r);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, Main(), nullptr, nullptr, nullptr);
    HWND bare = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_USETABSTOPS, 0, 0,
                                r.right - r.left, r.bottom - r.top, window, nullptr, nullptr, nullptr);
    SendMessageA(bare, WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
    ShowWindow(window, SW_SHOWNA);
    UpdateWindow(window);

    const ColumnListModel& model = mainState.tabList[1].Model();
    const int32_t available = model.ShownRowCount();
    const double start = Seconds();
    SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
    SendMessageA(bare, LB_INITSTORAGE, static_cast<WPARAM>(rows), static_cast<LPARAM>(rows) * 80);
    for (int32_t p = 1; p <= rows; ++p) {
        const std::string& text = model.DisplayText((p - 1) % available + 1);
        SendMessageA(bare, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(bare, nullptr, TRUE);
    UpdateWindow(bare);
    const double seconds = Seconds() - start;
    DestroyWindow(window);
    PaintNow();
    return seconds;
}

// Runs action when the own dialog with the caption shows.
class WhenDialog {
public:
    WhenDialog(const char* caption, std::function<void(HWND)> action) {
        caption_ = caption;
        action_ = std::move(action);
        timer_ = SetTimer(nullptr, 0, 10, Check);
    }
    ~WhenDialog() { KillTimer(nullptr, timer_); }

private:
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = FindWindowA("#32770", caption_);
        if (dialog == nullptr || !IsWindowVisible(dialog) || !action_) return;
        auto action = std::move(action_);
        action_ = nullptr;
        action(dialog);
    }
    UINT_PTR timer_;
    static inline const char* caption_ = nullptr;
    static inline std::function<void(HWND)> action_;
};

// The time Save was pressed in the dialog the last action opened.
double savePressedAt = 0;

void SaveInDialog(const char* caption, int command, const std::string& title) {
    WhenDialog save(caption, [title](HWND dialog) {
        SetDlgItemTextA(dialog, TitleBoxId, title.c_str());
        savePressedAt = Seconds();
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(command);
}

const std::function<void(double)>* runBody = nullptr;
double startedAt = 0;

void CALLBACK StartBody(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PaintNow();
    (*runBody)(startedAt);
    fileState.fileChanged = 0;
    SendMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string BenchFolder::Start(const BookCollection& books) {
    const std::string data = folder_.path() + "\\Verdanth\\Tomecase";
    CreateDirectoryA((folder_.path() + "\\Verdanth").c_str(), nullptr);
    CreateDirectoryA(data.c_str(), nullptr);
    const std::string path = data + "\\bench.lib";
    const std::vector<uint8_t> bytes = SerializeBookFile(books);
    tome_test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
    tome_test::WriteBytes(data + "\\Tomecase.ini", path + "\r\n");
    return path;
}

int RunMainWindow(const BenchFolder& folder, const std::function<void(double)>& body) {
    documents = folder.Documents();
    mainLinks = {&prompts, [] { return documents; }};
    runBody = &body;
    startedAt = Seconds();
    HWND window = CreateMainWindow();
    if (window == nullptr) return 1;
    // The first timer comes once the loop has nothing else to do: after
    // start-up's loading, filling and painting.
    SetTimer(nullptr, 0, 0, StartBody);
    RunModal(window, MainWindowProc, 0);
    return IsWindow(window) ? 1 : 0;
}

void Report::Time(const std::string& what, const std::function<void()>& action, int32_t bareRows) {
    PaintNow();
    savePressedAt = 0;
    const double start = Seconds();
    action();
    PaintNow();
    const double end = Seconds();
    if (bareRows == RowsAfter) bareRows = RowsShown(SelectedTab());
    Line(what, end - (savePressedAt != 0 ? savePressedAt : start), bareRows);
}

void Report::TimeSince(const std::string& what, double since, int32_t bareRows) {
    Line(what, Seconds() - since, bareRows);
}

void Report::Line(const std::string& what, double seconds, int32_t bareRows) {
    if (best_.count(what) == 0) order_.push_back(what);
    Best& best = best_[what];
    best.seconds = std::min(best.seconds, seconds);
    best.rows = bareRows;
    ++best.runs;
    char text[256];
    if (bareRows > 0) {
        const double bare = BareFill(bareRows);
        best.bare = std::min(best.bare, bare);
        std::snprintf(text, sizeof text, "%-44s %9.1f ms = %5.2f x bare fill of %d rows (%.1f ms)", what.c_str(),
                      seconds * 1000, seconds / bare, bareRows, bare * 1000);
    } else {
        std::snprintf(text, sizeof text, "%-44s %9.1f ms", what.c_str(), seconds * 1000);
    }
    std::printf("%s\n", text);
    std::fflush(stdout);
}

void Report::Check(bool ok, const std::string& what) {
    if (!ok) failures_.push_back(what);
}

int Report::Finish() {
    std::printf("\nbest of each:\n");
    for (const std::string& what : order_) {
        const Best& best = best_[what];
        if (best.rows > 0) {
            std::printf("%-44s %9.1f ms = %5.2f x bare fill of %d rows (%.1f ms), %d run%s\n", what.c_str(),
                        best.seconds * 1000, best.seconds / best.bare, best.rows, best.bare * 1000, best.runs,
                        best.runs == 1 ? "" : "s");
        } else {
            std::printf("%-44s %9.1f ms, %d run%s\n", what.c_str(), best.seconds * 1000, best.runs,
                        best.runs == 1 ? "" : "s");
        }
    }
    for (const std::string& question : prompts.unexpected) failures_.push_back("unexpected question " + question);
    for (const std::string& failure : failures_) std::printf("WRONG: %s\n", failure.c_str());
    std::printf("app_bench: %s\n", failures_.empty() ? "all results right" : "some results wrong");
    return failures_.empty() ? 0 : 1;
}

int SelectedTab() { return tome_test::window::SelectedTabIndex() + 1; }

std::string FindResult() {
    char text[256] = "";
    GetWindowTextA(Control(FindResultId), text, sizeof text);
    return text;
}

std::string SelectedTitle(int t) {
    return Cell(Row(t, static_cast<int>(SendMessageA(ListBox(t), LB_GETCURSEL, 0, 0)) + 1), 2);
}

std::string SelectedAuthor(int t) {
    return Cell(Row(t, static_cast<int>(SendMessageA(ListBox(t), LB_GETCURSEL, 0, 0)) + 1), 1);
}

bool TitlesInOrder(int t) {
    const int rows = RowsShown(t);
    int ups = 0, downs = 0;
    std::string before = LowerAnsi(Cell(Row(t, 1), 2));
    for (int row = 2; row <= rows; ++row) {
        std::string title = LowerAnsi(Cell(Row(t, row), 2));
        if (title > before) ++ups;
        if (title < before) ++downs;
        before = std::move(title);
    }
    return ups == 0 || downs == 0;
}

std::string LastAuthor() { return Cell(Row(1, RowsShown(1)), 1); }


void ClickHeading(int t, int column) {
    const int id = TabListId[static_cast<size_t>(t)] + column;
    HWND heading = GetDlgItem(Page(t), id);
    SendMessageA(Page(t), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(heading));
}

void TypeFind(const std::string& text) {
    HWND box = Control(FindBoxId);
    if (GetFocus() != box) SetFocus(box);
    SetWindowTextA(box, text.c_str());
}

void EndFind() { SetFocus(ListBox(mainState.activeTab)); }

void AddBook(const std::string& title) { SaveInDialog("Add Book to List", cmd::AddBook, title); }

void EditSelectedBook(const std::string& title) { SaveInDialog("Edit Book Data", cmd::EditBook, title); }

void DeleteSelectedBook() { Command(cmd::DeleteBook); }

int32_t BuildCustomListOf(const std::string& author) {
    HWND box = GetDlgItem(Page(4), CustomChoiceId);
    const LRESULT item =
        SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(author.c_str()));
    if (item == CB_ERR) return 0;
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageA(Page(4), WM_COMMAND, MAKEWPARAM(CustomChoiceId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return RowsShown(4);
}

std::string ReadWholeFile(const std::string& path) { return tome_test::ReadBytes(path); }

}  // namespace tome::bench

namespace tome::bench {

bool LoadAlone(const std::string& path) {
    BookCollection books;
    return ReadBookFile(path, books);
}

bool ReadBookFile(const std::string& path, BookCollection& books) {
    FileState state;
    return LoadBookFile(SystemFileSystem(), path, books, state).ok;
}

}  // namespace tome::bench
