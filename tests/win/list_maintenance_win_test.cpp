// The drop-down list maintenance dialog built and run modally in-process:
// layout for authors and the other lists, the three modes, the copy of a
// picked item, and what "&Ok" does to the collection in each mode.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_dialog_host_win.h"
#include "app/screen_win.h"
#include "books/book_file.h"
#include "books/message_box_win.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/list_maintenance_win.h"
#include "win_test_support.h"

namespace tome_test {

// From book_dialog_win_test.cpp.
struct Shown {
    std::string text;
    std::string caption;
    UINT style;
};
extern std::vector<Shown> shownMessages;
extern std::vector<int> messageAnswers;
extern std::vector<std::pair<int32_t, int32_t>> listFills;
int WINAPI AnswerMessage(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
void RecordFill(int32_t select, int32_t top);
void RunModalScript(const std::function<void()>& show, std::vector<std::function<void()>> steps);
void PressKey(WPARAM key);
struct ExpectedControl {
    const char* className;
    const char* text;
    int id;
    DWORD style;
    DWORD exStyle;
    int x, y, w, h;
};
void ExpectLayout(HWND dialog, const std::vector<ExpectedControl>& expected);

namespace {

using tome::collection;
using tome::fileState;

class ListMaintenance : public ::testing::Test {
protected:
    void SetUp() override {
        collection = SampleBooks();
        collection.authors.append("Smith, John");  // 3
        collection.authors.append("Baker, Ann");   // 4
        collection.publishers.append("Penguin");
        fileState = tome::FileState();
        tome::messageBox = AnswerMessage;
        tome::dialogHost = &tome::mainDialogHost;
        tome::mainDialogHost.fill = RecordFill;
        shownMessages.clear();
        messageAnswers.clear();
        listFills.clear();
    }
    void TearDown() override {
        tome::messageBox = MessageBoxA;
        tome::mainDialogHost.fill = tome::FillList;
        collection = tome::BookCollection();
        fileState = tome::FileState();
    }

    // The open maintenance dialog: the thread's active window.
    static HWND Dialog() { return GetActiveWindow(); }
    static HWND Item(int id) { return GetDlgItem(Dialog(), id); }
    static std::string Text(int id) { return tome::TextOf(Item(id)); }
    static void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    static bool Checked(int id) { return IsDlgButtonChecked(Dialog(), id) == BST_CHECKED; }

    // Selects the item showing text in the drop-down box, as a pick with the mouse would.
    static void Pick(const std::string& text) {
        HWND box = Item(tome::MaintenanceListId);
        const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, CB_ERR) << text;
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    // Runs the dialog for command with the steps, ending with "&Ok".
    static void Maintain(int32_t command, const std::function<void()>& prepare) {
        RunModalScript([command] { tome::ShowListMaintenance(command); }, {[prepare] {
            prepare();
            SetFocus(Item(tome::MaintenanceTextId));
            PressKey(VK_RETURN);
        }});
    }

    static std::vector<std::string> BoxItems() {
        HWND box = Item(tome::MaintenanceListId);
        std::vector<std::string> items;
        const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text + std::string("=") +
                            std::to_string(SendMessageA(box, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
        }
        return items;
    }
};

TEST_F(ListMaintenance, AuthorsDialogHasItsLayoutAndStartsInAddMode) {
    RunModalScript([] { tome::ShowListMaintenance(211); }, {[] {
        HWND dialog = Dialog();
        EXPECT_EQ(tome::TextOf(dialog), "Drop Down List Maintenance - Authors");
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 200);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
        ExpectLayout(dialog, {
            {"BUTTON", "Add", 4001, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 20, 20, 60, 15},
            {"BUTTON", "Change", 4002, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 40, 60, 15},
            {"BUTTON", "Remove", 4003, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 60, 60, 15},
            {"COMBOBOX", "", 4005, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_GROUP | WS_TABSTOP | WS_DISABLED, 0,
             120, 20, 250, 250},
            {"EDIT", "", 4004, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 120, 60, 250, 20},
            {"BUTTON", "&Ok", 1, BS_PUSHBUTTON | WS_TABSTOP, 0, 220, 140, 70, 30},
            {"BUTTON", "&Cancel", 2, BS_PUSHBUTTON | WS_TABSTOP, 0, 295, 140, 70, 30},
        });
        EXPECT_TRUE(Checked(tome::MaintenanceAddId));
        EXPECT_EQ(GetFocus(), Item(tome::MaintenanceTextId));
        EXPECT_EQ(BoxItems(), (std::vector<std::string>{"Austen, Jane=1", "Baker, Ann=4", "Eliot, George=2",
                                                         "Smith, John=3"}));
        PressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(fileState.fileChanged, 0);
    EXPECT_TRUE(listFills.empty());
}

TEST_F(ListMaintenance, OtherListsAreNarrower) {
    const struct {
        int32_t command;
        const char* caption;
        size_t items;
    } lists[] = {{212, "Drop Down List Maintenance - Call Numbers", 1},
                 {213, "Drop Down List Maintenance - Publishers", 1},
                 {214, "Drop Down List Maintenance - Libraries", 0},
                 {215, "Drop Down List Maintenance - Categories", 1}};
    for (const auto& list : lists) {
        SCOPED_TRACE(list.caption);
        RunModalScript([&list] { tome::ShowListMaintenance(list.command); }, {[&list] {
            HWND dialog = Dialog();
            EXPECT_EQ(tome::TextOf(dialog), list.caption);
            RECT client;
            GetClientRect(dialog, &client);
            EXPECT_EQ(client.right, 300);
            EXPECT_EQ(client.bottom, 200);
            ExpectLayout(dialog, {
                {"BUTTON", "Add", 4001, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 20, 20, 60, 15},
                {"BUTTON", "Change", 4002, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 40, 60, 15},
                {"BUTTON", "Remove", 4003, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 60, 60, 15},
                {"COMBOBOX", "", 4005, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_GROUP | WS_TABSTOP | WS_DISABLED,
                 0, 120, 20, 150, 250},
                {"EDIT", "", 4004, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 120, 60, 150, 20},
                {"BUTTON", "&Ok", 1, BS_PUSHBUTTON | WS_TABSTOP, 0, 120, 140, 70, 30},
                {"BUTTON", "&Cancel", 2, BS_PUSHBUTTON | WS_TABSTOP, 0, 195, 140, 70, 30},
            });
            EXPECT_EQ(BoxItems().size(), list.items);
            PressKey(VK_ESCAPE);
        }});
    }
}

TEST_F(ListMaintenance, EachModeEmptiesTheBoxesAndEnablesTheOnesItUses) {
    RunModalScript([] { tome::ShowListMaintenance(211); }, {[] {
        HWND list = Item(tome::MaintenanceListId);
        HWND text = Item(tome::MaintenanceTextId);
        SetWindowTextA(text, "typed");
        Click(tome::MaintenanceChangeId);
        EXPECT_TRUE(IsWindowEnabled(list));
        EXPECT_TRUE(IsWindowEnabled(text));
        EXPECT_EQ(Text(tome::MaintenanceTextId), "");
        EXPECT_EQ(GetFocus(), list);

        Pick("Smith, John");
        SetWindowTextA(text, "typed");
        Click(tome::MaintenanceRemoveId);
        EXPECT_TRUE(IsWindowEnabled(list));
        EXPECT_FALSE(IsWindowEnabled(text));
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(Text(tome::MaintenanceListId), "");
        EXPECT_EQ(Text(tome::MaintenanceTextId), "");

        Pick("Smith, John");
        Click(tome::MaintenanceAddId);
        EXPECT_FALSE(IsWindowEnabled(list));
        EXPECT_TRUE(IsWindowEnabled(text));
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(GetFocus(), text);
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(ListMaintenance, PickedItemIsCopiedIntoTheTextBoxSelected) {
    RunModalScript([] { tome::ShowListMaintenance(211); }, {[] {
        Click(tome::MaintenanceChangeId);
        HWND list = Item(tome::MaintenanceListId);
        SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
        Pick("Eliot, George");
        SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);  // closing up notifies the dialog
        EXPECT_EQ(Text(tome::MaintenanceTextId), "Eliot, George");
        DWORD start = 0, end = 0;
        SendMessageA(Item(tome::MaintenanceTextId), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 13u);
        EXPECT_EQ(GetFocus(), Item(tome::MaintenanceTextId));
        PressKey(VK_ESCAPE);
    }});
}

TEST_F(ListMaintenance, AddAppendsTheTypedTextAndRefillsTheList) {
    Maintain(211, [] { SetWindowTextA(Item(tome::MaintenanceTextId), " Smith, John "); });
    ASSERT_EQ(collection.authorCount(), 5);
    EXPECT_EQ(collection.authors[5], " Smith, John ");
    EXPECT_EQ(fileState.fileChanged, 1);
    ASSERT_EQ(listFills.size(), 1u);
    EXPECT_EQ(listFills[0], std::make_pair(0, 0));
    EXPECT_TRUE(shownMessages.empty());
}

TEST_F(ListMaintenance, AddToAFullListIsRefusedAndTheDialogStaysOpen) {
    while (collection.libraries.count() < 255) {
        collection.libraries.append("L" + std::to_string(collection.libraries.count()));
    }
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    RunModalScript([] { tome::ShowListMaintenance(214); }, {
        [] {
            SetWindowTextA(Item(tome::MaintenanceTextId), "Branch");
            PressKey(VK_RETURN);
        },
        [] {
            ASSERT_EQ(shownMessages.size(), 1u);
            EXPECT_EQ(shownMessages[0].text, "Library list is full (255 entries)");
            EXPECT_EQ(shownMessages[0].caption, "Drop Down List Maintenance");
            EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_ICONHAND));
            EXPECT_TRUE(IsWindowVisible(Dialog()));
            EXPECT_EQ(GetFocus(), Item(tome::MaintenanceTextId));
            PressKey(VK_ESCAPE);
        },
    });
    EXPECT_EQ(tome::SerializeBookFile(collection), before);
    EXPECT_EQ(fileState.fileChanged, 0);
}

TEST_F(ListMaintenance, ChangeRenamesThePickedEntry) {
    Maintain(215, [] {
        Click(tome::MaintenanceChangeId);
        Pick("Novels");
        SetWindowTextA(Item(tome::MaintenanceTextId), "Classics");
    });
    EXPECT_EQ(collection.categories, (tome::TextList{"Classics"}));
    EXPECT_EQ(fileState.fileChanged, 1);
    EXPECT_EQ(listFills.size(), 1u);
}

TEST_F(ListMaintenance, ChangeWithNothingPickedIsRefused) {
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    RunModalScript([] { tome::ShowListMaintenance(211); }, {
        [] {
            Click(tome::MaintenanceChangeId);
            SetWindowTextA(Item(tome::MaintenanceTextId), "Anyone");
            SetFocus(Item(tome::MaintenanceTextId));
            PressKey(VK_RETURN);
        },
        [] {
            ASSERT_EQ(shownMessages.size(), 1u);
            EXPECT_EQ(shownMessages[0].text, "Must select item to change from list");
            EXPECT_EQ(shownMessages[0].caption, "");
            EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_ICONHAND));
            EXPECT_EQ(GetFocus(), Item(tome::MaintenanceListId));
            PressKey(VK_ESCAPE);
        },
    });
    EXPECT_EQ(tome::SerializeBookFile(collection), before);
    EXPECT_EQ(fileState.fileChanged, 0);
}

TEST_F(ListMaintenance, RemoveWithNothingPickedRemovesNothing) {
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    RunModalScript([] { tome::ShowListMaintenance(212); }, {
        [] {
            Click(tome::MaintenanceRemoveId);
            PressKey(VK_RETURN);
        },
        [] {
            ASSERT_EQ(shownMessages.size(), 1u);
            EXPECT_EQ(shownMessages[0].text, "Must select item to remove from list");
            EXPECT_EQ(shownMessages[0].caption, "");
            EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_ICONHAND));
            EXPECT_TRUE(IsWindowVisible(Dialog()));
            PressKey(VK_ESCAPE);
        },
    });
    EXPECT_EQ(tome::SerializeBookFile(collection), before);
}

TEST_F(ListMaintenance, UnusedAuthorIsRemovedWithoutAQuestion) {
    Maintain(211, [] {
        Click(tome::MaintenanceRemoveId);
        Pick("Smith, John");
    });
    EXPECT_EQ(collection.authors, (tome::TextList{"Austen, Jane", "Eliot, George", "Baker, Ann"}));
    EXPECT_TRUE(shownMessages.empty());
    EXPECT_EQ(fileState.fileChanged, 1);
}

TEST_F(ListMaintenance, AuthorInUseIsNotRemoved) {
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    RunModalScript([] { tome::ShowListMaintenance(211); }, {
        [] {
            Click(tome::MaintenanceRemoveId);
            Pick("Eliot, George");
            PressKey(VK_RETURN);
        },
        [] {
            ASSERT_EQ(shownMessages.size(), 1u);
            EXPECT_EQ(shownMessages[0].text, "Cannot remove author... currently being used by a book");
            EXPECT_EQ(shownMessages[0].caption, "Eliot, George");
            EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_TRUE(IsWindowVisible(Dialog()));
            PressKey(VK_ESCAPE);
        },
    });
    EXPECT_EQ(tome::SerializeBookFile(collection), before);
    EXPECT_EQ(fileState.fileChanged, 0);
}

TEST_F(ListMaintenance, RenamedAuthorIsMergedIntoItsNamesakeWhenRemoved) {
    Maintain(211, [] {
        Click(tome::MaintenanceChangeId);
        Pick("Eliot, George");
        SetWindowTextA(Item(tome::MaintenanceTextId), "Austen, Jane");
    });
    // Both entries now read "Austen, Jane"; removing number 2 moves its book to number 1.
    RunModalScript([] { tome::ShowListMaintenance(211); }, {[] {
        Click(tome::MaintenanceRemoveId);
        HWND box = Item(tome::MaintenanceListId);
        for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
            if (SendMessageA(box, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == 2) {
                SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            }
        }
        PressKey(VK_RETURN);
    }});
    EXPECT_EQ(collection.authors, (tome::TextList{"Austen, Jane", "Smith, John", "Baker, Ann"}));
    for (int32_t b = 1; b <= collection.bookCount(); ++b) EXPECT_EQ(+collection.records[b].author, 1) << b;
    EXPECT_TRUE(shownMessages.empty());
}

TEST_F(ListMaintenance, OtherEntriesAreRemovedFromAllBooksOnlyWhenConfirmed) {
    collection.callNumbers.append("Fic");
    collection.callNumbers.append("Mys");
    collection.records[2].callNumber = 3;
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);

    messageAnswers = {IDCANCEL};
    Maintain(212, [] {
        Click(tome::MaintenanceRemoveId);
        Pick("Fic");
    });
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].text, "Ok to delete this Call number from all books?");
    EXPECT_EQ(shownMessages[0].caption, "Call number - Fic");
    EXPECT_EQ(shownMessages[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(tome::SerializeBookFile(collection), before) << "answered Cancel";
    EXPECT_EQ(fileState.fileChanged, 1) << "the dialog finishes all the same";
    EXPECT_EQ(listFills.size(), 1u);

    messageAnswers = {IDOK};
    Maintain(212, [] {
        Click(tome::MaintenanceRemoveId);
        Pick("Fic");
    });
    EXPECT_EQ(collection.callNumbers, (tome::TextList{"823.7", "Mys"}));
    EXPECT_EQ(collection.records[1].callNumber, 1);
    EXPECT_EQ(collection.records[2].callNumber, 2) << "Mys moved down";
}

TEST_F(ListMaintenance, CloseBoxChangesNothing) {
    const std::vector<uint8_t> before = tome::SerializeBookFile(collection);
    RunModalScript([] { tome::ShowListMaintenance(213); }, {[] {
        SetWindowTextA(Item(tome::MaintenanceTextId), "Vintage");
        PostMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    EXPECT_EQ(tome::SerializeBookFile(collection), before);
    EXPECT_EQ(fileState.fileChanged, 0);
}

}  // namespace
}  // namespace tome_test
