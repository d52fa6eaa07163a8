// The tab pages' handler: the list's selection and double-click, and the
// custom list's filters on the fourth page.
#include <windows.h>

#include "app/main_commands_win.h"
#include "app/main_state_win.h"
#include "app/screen_win.h"
#include "app/tab_pages_win.h"
#include "books/custom_list.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"

namespace tome {

namespace {

bool IsOn(HWND page, int32_t id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void RefillCustomChoices() {
    const bool byAuthor = SendMessageA(GetDlgItem(mainState.hActivePage, ByAuthorOptionId), BM_GETCHECK, 0, 0) == BST_CHECKED;
    FillDropDown(mainState.hActivePage, CustomChoiceId, byAuthor ? collection.authors : collection.categories);
}

void ShowCustomList() {
    SelectTab(4);
    FillList(0, 0);
}

void OnBuildCustomList(HWND page) {
    HWND choices = GetDlgItem(page, CustomChoiceId);
    const LRESULT chosen = SendMessageA(choices, CB_GETCURSEL, 0, 0);
    // With nothing chosen this is CB_ERR, which is no list number.
    const auto listNumber =
        static_cast<int32_t>(SendMessageA(choices, CB_GETITEMDATA, static_cast<WPARAM>(chosen), 0));
    const CustomListBy by = IsOn(page, ByAuthorOptionId) ? CustomListBy::Author : CustomListBy::Category;
    const int32_t filter =
        StateFilterOf(IsOn(page, AllBooksOptionId), IsOn(page, WantToReadOptionId), IsOn(page, HaveReadOptionId));
    BuildCustomList(collection, by, listNumber, filter);
    ShowCustomList();
}

void OnClearCustomList(HWND page) {
    SendDlgItemMessageA(page, CustomChoiceId, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ClearCustomList(collection);
    ShowCustomList();
}

void OnListDoubleClick() {
    if (collection.bookCount() != 0) ViewSelectedBook();
}

void OnPageCommand(HWND page, int32_t id, UINT code) {
    if (id == mainState.activeListId && code == LBN_SELCHANGE) {
        UpdateStatusBar();
    } else if (id == mainState.activeListId && code == LBN_DBLCLK) {
        OnListDoubleClick();
    } else if ((id == ByAuthorOptionId || id == ByCategoryOptionId) && code == BN_CLICKED) {
        RefillCustomChoices();
    } else if (id == CustomChoiceId && code == CBN_DROPDOWN) {
        SendMessageA(page, WM_COMMAND, ByAuthorOptionId, 0);
    } else if ((id >= AllBooksOptionId && id <= HaveReadOptionId && code == BN_CLICKED) ||
               (id == CustomChoiceId && code == CBN_SELCHANGE)) {
        OnBuildCustomList(page);
    } else if (id == ClearButtonId && code == BN_CLICKED) {
        OnClearCustomList(page);
    }
}

}  // namespace

INT_PTR CALLBACK TabPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        // The column list follows its own selection and heading clicks first.
        ColumnListNotify(page, message, wParam, lParam);
        OnPageCommand(page, LOWORD(wParam), HIWORD(wParam));
    }
    return 0;
}

}  // namespace tome
