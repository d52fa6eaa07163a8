// The book dialog built and run modally in-process: layout, modes, typing
// with completion, the order-date stash, saving and its refusals, Enter and
// Escape through the real dialog manager, and the switch to All Books.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_dialog_host_win.h"
#include "app/main_state_win.h"
#include "app/screen_win.h"
#include "app/tab_pages_win.h"
#include "books/message_box_win.h"
#include "books/book_file.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"
#include "win_test_support.h"

namespace tome_test {

// Runs show(), which runs a dialog modally, while steps run one per timer
// tick inside its message loop. A dialog still open well after the last step
// is a failure and is cancelled. (Also used by the list maintenance tests.)
void RunModalScript(const std::function<void()>& show, std::vector<std::function<void()>> steps);

struct Shown {
    std::string text;
    std::string caption;
    UINT style;
};

// Message boxes the dialogs asked for, answered from answers (IDOK when empty).
std::vector<Shown> shownMessages;
std::vector<int> messageAnswers;

int WINAPI AnswerMessage(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    EXPECT_EQ(owner, nullptr) << "message boxes have no owner";
    shownMessages.push_back({text, caption, style});
    if (messageAnswers.empty()) return IDOK;
    const int answer = messageAnswers.front();
    messageAnswers.erase(messageAnswers.begin());
    return answer;
}

// Refills asked of the main window: (select position, top position).
std::vector<std::pair<int32_t, int32_t>> listFills;
void RecordFill(int32_t select, int32_t top) { listFills.emplace_back(select, top); }

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return CharUpperA(name);
}

// The edit field inside a drop-down combo box.
HWND EditOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

void Type(HWND edit, const std::string& text) {
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
}

// A key press as the user makes it: queued for the focused control, so that
// the modal loop hands it to the dialog manager.
void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

std::pair<DWORD, DWORD> EditSelection(HWND box, UINT message) {
    DWORD start = 0, end = 0;
    SendMessageA(box, message, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

RECT RectIn(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct ExpectedControl {
    const char* className;
    const char* text;
    int id;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    int x, y, w, h;  // h of a combo box: its dropped-down list
};

// The dialog's children in creation order, which is the tab order.
std::vector<HWND> ChildrenOf(HWND dialog) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    return children;
}

void ExpectLayout(HWND dialog, const std::vector<ExpectedControl>& expected) {
    const std::vector<HWND> children = ChildrenOf(dialog);
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& e = expected[i];
        HWND c = children[i];
        SCOPED_TRACE(std::string(e.className) + " " + e.text + " " + std::to_string(e.id));
        EXPECT_EQ(ClassOf(c), e.className);
        EXPECT_EQ(static_cast<int16_t>(GetDlgCtrlID(c)), e.id);
        const bool combo = std::string(e.className) == "COMBOBOX";
        if (!combo) {
            EXPECT_EQ(tome::TextOf(c), e.text);
        }
        // Controls keep some asked-for bits to themselves: a combo box hands
        // its scroll bar to its list (and draws its own edge), and an option
        // button is a tab stop only while it is chosen.
        const bool option = std::string(e.className) == "BUTTON" && (e.style & 0xF) == BS_AUTORADIOBUTTON;
        const DWORD ignored = (combo ? WS_VSCROLL : 0) | (option ? WS_TABSTOP : 0);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
        const DWORD compared = (e.style | WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_GROUP | 0xFFFF) & ~ignored;
        EXPECT_EQ(style & compared, (e.style | WS_CHILD | WS_VISIBLE) & ~ignored) << std::hex << style;
        const RECT r = RectIn(dialog, c);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.w);
        if (combo) {
            // How tall the dropped list is drawn is the combo box's own
            // business; one made directly with height h must drop the same.
            HWND reference = CreateWindowExA(0, "COMBOBOX", "", e.style | WS_CHILD, e.x, e.y, e.w, e.h, dialog, nullptr,
                                             nullptr, nullptr);
            SendMessageA(reference, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
            RECT dropped, expectedDrop;
            SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            SendMessageA(reference, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&expectedDrop));
            DestroyWindow(reference);
            EXPECT_EQ(dropped.bottom - dropped.top, expectedDrop.bottom - expectedDrop.top);
        } else {
            EXPECT_EQ(r.bottom - r.top, e.h);
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(c, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, e.exStyle);
        }
    }
}

namespace {

std::vector<std::function<void()>> scriptSteps;
size_t nextStep = 0;
int ticksAfterSteps = 0;

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
    if (nextStep < scriptSteps.size()) {
        const std::function<void()> step = scriptSteps[nextStep++];
        step();
        return;
    }
    if (++ticksAfterSteps == 100) {
        ADD_FAILURE() << "the dialog is still open after its script";
        if (HWND dialog = GetActiveWindow()) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    } else if (ticksAfterSteps == 200) {
        if (HWND dialog = GetActiveWindow()) DestroyWindow(dialog);
    }
}

}  // namespace

void RunModalScript(const std::function<void()>& show, std::vector<std::function<void()>> steps) {
    scriptSteps = std::move(steps);
    nextStep = 0;
    ticksAfterSteps = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ScriptTick);
    ASSERT_NE(timer, 0u);
    show();
    KillTimer(nullptr, timer);
    EXPECT_EQ(nextStep, scriptSteps.size()) << "the dialog closed before its script ran out";
}

namespace {

using tome::collection;
using tome::fileState;

// Books of the sample collection, with the visible list (tab 1's model)
// showing all three in sortIndex order.
class BookDialog : public ::testing::Test {
protected:
    void SetUp() override {
        collection = SampleBooks();
        fileState = tome::FileState();
        tome::messageBox = AnswerMessage;
        tome::dialogHost = &tome::mainDialogHost;
        tome::mainDialogHost.fill = RecordFill;
        tome::bookDialog.presetAuthor = 0;
        tome::bookDialog.stashedOrderDate.clear();
        tome::mainState.activeTab = 0;
        tome::mainState.lastTab = 1;
        tome::SelectTab(1);
        ShowRowsOfAllBooks();
        shownMessages.clear();
        messageAnswers.clear();
        listFills.clear();
    }
    void TearDown() override {
        tome::messageBox = MessageBoxA;
        tome::mainDialogHost.fill = tome::FillList;
        tome::mainState.hMainWindow = nullptr;
        tome::mainState.tabPage = {};
        tome::SelectTab(1);
        tome::mainState.tabList[1].SetRowCount(0);
        collection = tome::BookCollection();
        fileState = tome::FileState();
    }

    static void ShowRowsOfAllBooks() {
        tome::cColumnList& list = tome::mainState.tabList[1];
        list.SetRowCount(0);
        for (int32_t p = 1; p <= collection.bookCount(); ++p) {
            std::string row;
            list.AddRow(row, collection.sortIndex[p]);
        }
    }

    // Display position of a book in the sample's list.
    static int32_t PositionOf(int32_t book) {
        for (int32_t p = 1; p <= collection.bookCount(); ++p) {
            if (collection.sortIndex[p] == book) return p;
        }
        return 0;
    }

    static HWND Box(int id) { return GetDlgItem(tome::bookDialog.hBookDialog, id); }
    static std::string BoxText(int id) { return tome::TextOf(Box(id)); }
    static bool Checked(int id) { return IsDlgButtonChecked(tome::bookDialog.hBookDialog, id) == BST_CHECKED; }
    static bool HasFocus(int id) {
        HWND focus = GetFocus();
        return focus != nullptr && (focus == Box(id) || GetParent(focus) == Box(id));
    }
};

TEST_F(BookDialog, AddDialogHasItsLayoutCaptionAndStart) {
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        HWND dialog = tome::bookDialog.hBookDialog;
        EXPECT_EQ(tome::TextOf(dialog), "Add Book to List");
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 500);
        EXPECT_EQ(client.bottom, 400);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);

        const DWORD combo = CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
        const DWORD edit = WS_BORDER | WS_TABSTOP;
        const DWORD option = BS_AUTORADIOBUTTON | WS_TABSTOP;
        ExpectLayout(dialog, {
            {"STATIC", "Author:", -1, SS_RIGHT, 0, 5, 15, 58, 16},
            {"STATIC", "Title:", -1, SS_RIGHT, 0, 5, 45, 58, 16},
            {"STATIC", "Call No:", -1, SS_RIGHT, 0, 5, 75, 58, 16},
            {"STATIC", "Order Date (m/d/y):", -1, SS_RIGHT, 0, 240, 75, 98, 16},
            {"STATIC", "Publisher:", -1, SS_RIGHT, 0, 5, 105, 58, 16},
            {"STATIC", "Pub Date (year):", -1, SS_RIGHT, 0, 240, 105, 98, 16},
            {"STATIC", "Library:", -1, SS_RIGHT, 0, 5, 135, 58, 16},
            {"STATIC", "Category:", -1, SS_RIGHT, 0, 5, 165, 58, 16},
            {"STATIC", "Source/Comments:", -1, SS_RIGHT, 0, 5, 205, 100, 16},
            {"COMBOBOX", "", 2021, combo, WS_EX_CLIENTEDGE, 65, 15, 250, 300},
            {"EDIT", "", 2022, edit, WS_EX_CLIENTEDGE, 65, 44, 335, 23},
            {"COMBOBOX", "", 2023, combo, WS_EX_CLIENTEDGE, 65, 75, 150, 100},
            {"EDIT", "", 2024, edit, WS_EX_CLIENTEDGE, 340, 75, 100, 20},
            {"COMBOBOX", "", 2026, combo, WS_EX_CLIENTEDGE, 65, 105, 150, 80},
            {"EDIT", "", 2025, edit, WS_EX_CLIENTEDGE, 340, 105, 100, 20},
            {"COMBOBOX", "", 2027, combo, WS_EX_CLIENTEDGE, 65, 135, 150, 80},
            {"COMBOBOX", "", 2028, combo, WS_EX_CLIENTEDGE, 65, 165, 150, 200},
            {"BUTTON", "Want to read", 2031, option, 0, 320, 145, 120, 16},
            {"BUTTON", "Have read", 2032, option, 0, 320, 165, 125, 16},
            {"EDIT", "", 2033, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 10, 225, 480,
             110},
            {"BUTTON", "&Save", 1, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 300, 350, 75, 30},
            {"BUTTON", "&Cancel", 2, BS_PUSHBUTTON | WS_TABSTOP, 0, 380, 350, 75, 30},
        });

        EXPECT_TRUE(Checked(tome::BookWantToReadId));
        EXPECT_FALSE(Checked(tome::BookHaveReadId));
        EXPECT_TRUE(HasFocus(tome::AuthorBoxId));
        EXPECT_EQ(tome::bookDialog.authorBoxHasFocus, 1);
        EXPECT_EQ(tome::bookDialog.dialogBookNumber, 0);
        EXPECT_EQ(BoxText(tome::AuthorBoxId), "") << "no author preset";

        // Sorted items, each carrying its list number.
        HWND authors = Box(tome::AuthorBoxId);
        ASSERT_EQ(SendMessageA(authors, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageA(authors, CB_GETITEMDATA, 0, 0), 1);  // Austen, Jane
        EXPECT_EQ(SendMessageA(authors, CB_GETITEMDATA, 1, 0), 2);  // Eliot, George
        EXPECT_EQ(SendMessageA(Box(tome::CategoryBoxId), CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(Box(tome::PublisherBoxId), CB_GETCOUNT, 0, 0), 0);
        PressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(fileState.fileChanged, 0);
    EXPECT_TRUE(listFills.empty());
}

TEST_F(BookDialog, PresetAuthorFillsTheAuthorBoxOfANewBook) {
    tome::bookDialog.presetAuthor = 2;
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        EXPECT_EQ(BoxText(tome::AuthorBoxId), "Eliot, George");
        EXPECT_EQ(BoxText(tome::TitleBoxId), "");
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(BookDialog, ViewModeShowsTheBookWithEverythingButCancelDisabled) {
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Escape");
        RunModalScript([] { tome::ShowBookDialog(-PositionOf(1)); }, {[key] {
            EXPECT_EQ(tome::TextOf(tome::bookDialog.hBookDialog), "View Book Data");
            EXPECT_EQ(tome::bookDialog.dialogBookNumber, 1);
            EXPECT_EQ(BoxText(tome::AuthorBoxId), "Austen, Jane");
            EXPECT_EQ(BoxText(tome::TitleBoxId), "Emma");
            EXPECT_EQ(BoxText(tome::CallNumberBoxId), "823.7");
            EXPECT_EQ(BoxText(tome::OrderDateBoxId), "03-14-2024");
            EXPECT_EQ(BoxText(tome::PubYearBoxId), "1815");
            EXPECT_EQ(BoxText(tome::PublisherBoxId), "");
            EXPECT_EQ(BoxText(tome::CategoryBoxId), "Novels");
            EXPECT_EQ(BoxText(tome::CommentsBoxId), "Branch copy, large print");
            EXPECT_TRUE(Checked(tome::BookWantToReadId));
            for (int id : {2021, 2022, 2023, 2024, 2025, 2026, 2027, 2028, 2031, 2032, 2033, 1}) {
                EXPECT_FALSE(IsWindowEnabled(Box(id))) << id;
            }
            const DWORD save = static_cast<DWORD>(GetWindowLongA(Box(IDOK), GWL_STYLE));
            EXPECT_EQ(save & (WS_TABSTOP | 0xF), 0u) << "a plain push button without tab stop";
            EXPECT_TRUE(IsWindowEnabled(Box(IDCANCEL)));
            EXPECT_EQ(GetFocus(), Box(IDCANCEL));
            PressKey(key);
        }});
        EXPECT_EQ(tome::SerializeBookFile(collection), before);
        EXPECT_EQ(fileState.fileChanged, 0);
        EXPECT_TRUE(listFills.empty());
    }
}

TEST_F(BookDialog, CloseBoxCancels) {
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::AuthorBoxId, "Someone New");
        PostMessageA(tome::bookDialog.hBookDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    EXPECT_EQ(collection.authorCount(), 2);
    EXPECT_EQ(fileState.fileChanged, 0);
}

TEST_F(BookDialog, AuthorIsCompletedWhileTypingOnlyForANewBook) {
    collection.authors.append("Smith, John");
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        HWND author = Box(tome::AuthorBoxId);
        Type(EditOf(author), "Sm");
        EXPECT_EQ(tome::TextOf(author), "Smith, John");
        EXPECT_EQ(EditSelection(author, CB_GETEDITSEL), std::make_pair(DWORD{2}, DWORD{11})) << "'ith, John' selected";

        // Backspace: the keyboard hook first takes the completed part away.
        tome::RemoveAuthorCompletion();
        EXPECT_EQ(tome::TextOf(author), "Sm");
        EXPECT_EQ(EditSelection(author, CB_GETEDITSEL), std::make_pair(DWORD{2}, DWORD{2}));

        Type(EditOf(author), "x");
        EXPECT_EQ(tome::TextOf(author), "Smx") << "no item begins with it";
        PressKey(VK_ESCAPE);
    }});

    RunModalScript([] { tome::ShowBookDialog(PositionOf(1)); }, {[] {
        HWND author = Box(tome::AuthorBoxId);
        SendMessageA(author, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
        Type(EditOf(author), "Sm");
        EXPECT_EQ(tome::TextOf(author), "Sm") << "an edited book's author is not completed";

        HWND category = Box(tome::CategoryBoxId);
        SendMessageA(category, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
        Type(EditOf(category), "n");
        EXPECT_EQ(tome::TextOf(category), "Novels");
        EXPECT_EQ(EditSelection(category, CB_GETEDITSEL), std::make_pair(DWORD{1}, DWORD{6}));
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(BookDialog, RemoveAuthorCompletionActsOnlyWhileTheAuthorBoxHasTheFocus) {
    collection.authors.append("Smith, John");
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        HWND author = Box(tome::AuthorBoxId);
        Type(EditOf(author), "Sm");
        SetFocus(Box(tome::TitleBoxId));
        EXPECT_EQ(tome::bookDialog.authorBoxHasFocus, 0);
        tome::RemoveAuthorCompletion();
        EXPECT_EQ(tome::TextOf(author), "Smith, John");
        SetFocus(author);
        EXPECT_EQ(tome::bookDialog.authorBoxHasFocus, 1);
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(BookDialog, HaveReadPutsTheOrderDateAsideAndWantToReadGivesItBack) {
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::OrderDateBoxId, "1/2/05");
        SendMessageA(Box(tome::BookHaveReadId), BM_CLICK, 0, 0);
        EXPECT_TRUE(Checked(tome::BookHaveReadId));
        EXPECT_EQ(BoxText(tome::OrderDateBoxId), "");
        EXPECT_EQ(tome::bookDialog.stashedOrderDate, "1/2/05");
        SendMessageA(Box(tome::BookWantToReadId), BM_CLICK, 0, 0);
        EXPECT_EQ(BoxText(tome::OrderDateBoxId), "1/2/05");
        PressKey(VK_ESCAPE);
    }});
    // The text put aside lives on into the next dialog, where choosing the
    // already chosen "Want to read" replaces a typed date with it.
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        EXPECT_TRUE(Checked(tome::BookWantToReadId));
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::OrderDateBoxId, "9/9/09");
        SendMessageA(Box(tome::BookWantToReadId), BM_CLICK, 0, 0);
        EXPECT_EQ(BoxText(tome::OrderDateBoxId), "1/2/05");
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(BookDialog, EnterSavesANewBookAndShowsItInAllBooks) {
    tome::mainState.activeTab = 3;
    tome::mainState.lastTab = 3;
    tome::SelectTab(3);
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] {
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::AuthorBoxId, "  jane austen ");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::TitleBoxId, "northanger abbey");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::CallNumberBoxId, "  QA76  ");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::OrderDateBoxId, "2/3/05");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::PubYearBoxId, "1817");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::CommentsBoxId, "line one\r\nline two");
        SendMessageA(Box(tome::BookHaveReadId), BM_CLICK, 0, 0);
        SetFocus(Box(tome::TitleBoxId));
        PressKey(VK_RETURN);
    }});
    ASSERT_EQ(collection.bookCount(), 4);
    const tome::BookRecord& r = collection.records[4];
    EXPECT_EQ(+r.author, 1) << "'Austen, Jane' reused";
    EXPECT_EQ(collection.titles[4], "Northanger Abbey");
    EXPECT_EQ(collection.callNumbers[r.callNumber], "QA76");
    EXPECT_EQ(+r.orderDate, 0) << "'Have read' emptied the date";
    EXPECT_EQ(+r.pubYear, 1817);
    EXPECT_EQ(r.flags, tome::HaveRead | tome::Shown);
    EXPECT_EQ(collection.comments[4], "line one\r\nline two");
    EXPECT_EQ(fileState.fileChanged, 1);

    // Emma, Northanger Abbey, Persuasion, Middlemarch.
    EXPECT_EQ(collection.sortIndex[2], 4);
    ASSERT_EQ(listFills.size(), 1u);
    EXPECT_EQ(listFills[0], std::make_pair(2, -7));
    EXPECT_EQ(tome::mainState.activeTab, 1);
    EXPECT_EQ(tome::mainState.lastTab, 1);
    EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[1]);
    EXPECT_EQ(tome::mainState.activeListId, 2040);
}

TEST_F(BookDialog, EditSaveAppendsTheBookAndMarksTheOldOne) {
    collection.records[2].set(tome::InCustomList);
    RunModalScript([] { tome::ShowBookDialog(PositionOf(2)); }, {[] {
        EXPECT_EQ(tome::TextOf(tome::bookDialog.hBookDialog), "Edit Book Data");
        EXPECT_EQ(tome::bookDialog.dialogBookNumber, 2);
        EXPECT_TRUE(Checked(tome::BookHaveReadId));
        EXPECT_EQ(BoxText(tome::AuthorBoxId), "Eliot, George");
        EXPECT_EQ(BoxText(tome::OrderDateBoxId), "") << "no order date";
        EXPECT_TRUE(HasFocus(tome::AuthorBoxId));
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::AuthorBoxId, "mary ann evans");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::TitleBoxId, "the mill on the floss");
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::OrderDateBoxId, "2/3/05");
        PressKey(VK_RETURN);
    }});
    ASSERT_EQ(collection.bookCount(), 4);
    EXPECT_TRUE(collection.records[2].has(tome::Deleted));
    EXPECT_EQ(collection.authors[collection.records[4].author], "mary ann evans") << "kept as typed when editing";
    EXPECT_EQ(collection.titles[4], "The Mill on the Floss");
    EXPECT_FALSE(collection.records[4].has(tome::InCustomList));
    ASSERT_EQ(listFills.size(), 1u);

    // The next edit shows the date as the dialog writes it.
    ShowRowsOfAllBooks();
    RunModalScript([] { tome::ShowBookDialog(PositionOf(4)); }, {[] {
        EXPECT_EQ(BoxText(tome::OrderDateBoxId), "02-03-2005");
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(BookDialog, RefusedSaveKeepsTheDialogOpenWithTheFocusOnTheBox) {
    while (collection.categories.count() < 255) {
        collection.categories.append("C" + std::to_string(collection.categories.count()));
    }
    const std::vector<uint8_t> full = tome::SerializeBookFile(collection);
    struct Case {
        const char* author;
        const char* orderDate;
        const char* pubYear;
        const char* category;
        const char* message;
        int box;
    };
    const Case cases[] = {
        {"   ", "", "", "", "Must specify author", tome::AuthorBoxId},
        {"New Author", "13/45/05", "", "", "Order date must be m/d/y, from 1980 to 2107", tome::OrderDateBoxId},
        {"New Author", "", "3000", "", "Pub date must be a year from 0 to 2500", tome::PubYearBoxId},
        {"New Author", "", "", "Spies", "Category list is full (255 entries)", tome::CategoryBoxId},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        shownMessages.clear();
        RunModalScript([] { tome::ShowBookDialog(0); }, {
            [&c] {
                SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::AuthorBoxId, c.author);
                SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::OrderDateBoxId, c.orderDate);
                SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::PubYearBoxId, c.pubYear);
                SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::CategoryBoxId, c.category);
                PressKey(VK_RETURN);
            },
            [&c] {
                ASSERT_EQ(shownMessages.size(), 1u);
                EXPECT_EQ(shownMessages[0].text, c.message);
                EXPECT_EQ(shownMessages[0].caption, "Add Book Error");
                EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_ICONHAND));
                EXPECT_TRUE(IsWindowVisible(tome::bookDialog.hBookDialog)) << "still open";
                EXPECT_TRUE(HasFocus(c.box));
                EXPECT_EQ(BoxText(tome::AuthorBoxId), c.author) << "everything as typed";
                PressKey(VK_ESCAPE);
            },
        });
        EXPECT_EQ(tome::SerializeBookFile(collection), full);
        EXPECT_EQ(fileState.fileChanged, 0);
    }
    EXPECT_TRUE(listFills.empty());
}

// A main window with the tab control and pages the save switches between.
class BookDialogOverMainWindow : public BookDialog {
protected:
    void SetUp() override {
        BookDialog::SetUp();
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&classes));
        tome::DialogSpec spec;
        spec.caption = "Tomecase";
        spec.style = WS_SYSMENU | WS_MINIMIZEBOX | DS_3DLOOK | DS_CENTER;
        spec.width = 720;
        spec.height = 480;
        spec.controls = {{"SysTabControl32", "", tome::TabControlId, WS_TABSTOP, 0, 1, 37, 716, 398}};
        main_ = tome::CreateSpecDialog(spec, nullptr, true);
        ASSERT_NE(main_, nullptr);
        HWND tabs = GetDlgItem(main_, tome::TabControlId);
        for (int t = 1; t <= 3; ++t) {
            HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD, 3, 60, 700, 300, main_, nullptr, nullptr, nullptr);
            CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 700, 300, page,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(tome::TabListId[static_cast<size_t>(t)])),
                            nullptr, nullptr);
            std::string text = "Tab " + std::to_string(t);
            TCITEMA item = {};
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = &text[0];
            item.lParam = reinterpret_cast<LPARAM>(page);
            SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(t - 1), reinterpret_cast<LPARAM>(&item));
            tome::mainState.tabPage[static_cast<size_t>(t)] = page;
        }
        // Tab 3 is shown.
        SendMessageA(tabs, TCM_SETCURSEL, 2, 0);
        ShowWindow(tome::mainState.tabPage[3], SW_SHOW);
        ShowWindow(main_, SW_SHOW);
        tome::mainState.hMainWindow = main_;
        tome::mainState.activeTab = 3;
        tome::mainState.lastTab = 3;
        tome::SelectTab(3);
    }
    void TearDown() override {
        BookDialog::TearDown();
        if (main_) DestroyWindow(main_);
    }
    HWND main_ = nullptr;
};

TEST_F(BookDialogOverMainWindow, SaveShowsTheFirstTabWithItsWholeState) {
    RunModalScript([] { tome::ShowBookDialog(0); }, {[this] {
        EXPECT_EQ(GetWindow(tome::bookDialog.hBookDialog, GW_OWNER), main_);
        EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window waits for the dialog";
        SetDlgItemTextA(tome::bookDialog.hBookDialog, tome::AuthorBoxId, "Zola");
        PressKey(VK_RETURN);
    }});
    EXPECT_TRUE(IsWindowEnabled(main_));
    HWND tabs = GetDlgItem(main_, tome::TabControlId);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(tome::mainState.tabPage[1]));
    EXPECT_FALSE(IsWindowVisible(tome::mainState.tabPage[3]));
    EXPECT_EQ(tome::mainState.activeTab, 1);
    EXPECT_EQ(tome::mainState.lastTab, 1);
    EXPECT_EQ(tome::mainState.hActivePage, tome::mainState.tabPage[1]);
    EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[1]);
    EXPECT_EQ(tome::mainState.activeListId, 2040);
    ASSERT_EQ(listFills.size(), 1u);
    EXPECT_EQ(listFills[0], std::make_pair(4, -5)) << "Zola goes last";
    EXPECT_EQ(GetFocus(), GetDlgItem(tome::mainState.tabPage[1], 2040)) << "the list has the focus";
}

TEST_F(BookDialogOverMainWindow, CancelLeavesTheTabAndGivesTheFocusToItsList) {
    RunModalScript([] { tome::ShowBookDialog(0); }, {[] { PressKey(VK_ESCAPE); }});
    EXPECT_EQ(SendMessageA(GetDlgItem(main_, tome::TabControlId), TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(tome::mainState.activeTab, 3);
    EXPECT_TRUE(listFills.empty());
    EXPECT_EQ(GetFocus(), GetDlgItem(tome::mainState.tabPage[3], 2060));
}

}  // namespace
}  // namespace tome_test
