#include "dialogs/book_dialog_win.h"

#include <commctrl.h>

#include "books/message_box_win.h"
#include "books/program_state.h"
#include "dialogs/book_save.h"
#include "dialogs/dialog_engine_win.h"
#include "dialogs/dialog_host_win.h"

namespace tome {

namespace {

const char AddCaption[] = "Add Book to List";
const char EditCaption[] = "Edit Book Data";
const char ViewCaption[] = "View Book Data";

DialogSpec BookDialogSpec(bool view) {
    const uint32_t box = view ? WS_DISABLED : 0;
    const uint32_t combo = CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP | box;
    const uint32_t text = WS_BORDER | WS_TABSTOP | box;
    const uint32_t option = BS_AUTORADIOBUTTON | WS_TABSTOP | box;
    // Viewing: "&Save" is disabled, not the default and no tab stop.
    const uint32_t save = view ? WS_DISABLED : BS_DEFPUSHBUTTON | WS_TABSTOP;
    DialogSpec spec;
    spec.caption = AddCaption;
    spec.style = WS_SYSMENU | DS_SETFONT | DS_3DLOOK | DS_NOFAILCREATE | DS_CENTER;
    spec.width = 500;
    spec.height = 400;
    spec.controls = {
        {"STATIC", "Author:", -1, SS_RIGHT, 0, 5, 15, 58, 16},
        {"STATIC", "Title:", -1, SS_RIGHT, 0, 5, 45, 58, 16},
        {"STATIC", "Call No:", -1, SS_RIGHT, 0, 5, 75, 58, 16},
        {"STATIC", "Order Date (m/d/y):", -1, SS_RIGHT, 0, 240, 75, 98, 16},
        {"STATIC", "Publisher:", -1, SS_RIGHT, 0, 5, 105, 58, 16},
        {"STATIC", "Pub Date (year):", -1, SS_RIGHT, 0, 240, 105, 98, 16},
        {"STATIC", "Library:", -1, SS_RIGHT, 0, 5, 135, 58, 16},
        {"STATIC", "Category:", -1, SS_RIGHT, 0, 5, 165, 58, 16},
        {"STATIC", "Source/Comments:", -1, SS_RIGHT, 0, 5, 205, 100, 16},
        {"COMBOBOX", "", AuthorBoxId, combo, WS_EX_CLIENTEDGE, 65, 15, 250, 300},
        {"EDIT", "", TitleBoxId, text, WS_EX_CLIENTEDGE, 65, 44, 335, 23},
        {"COMBOBOX", "", CallNumberBoxId, combo, WS_EX_CLIENTEDGE, 65, 75, 150, 100},
        {"EDIT", "", OrderDateBoxId, text, WS_EX_CLIENTEDGE, 340, 75, 100, 20},
        {"COMBOBOX", "", PublisherBoxId, combo, WS_EX_CLIENTEDGE, 65, 105, 150, 80},
        {"EDIT", "", PubYearBoxId, text, WS_EX_CLIENTEDGE, 340, 105, 100, 20},
        {"COMBOBOX", "", LibraryBoxId, combo, WS_EX_CLIENTEDGE, 65, 135, 150, 80},
        {"COMBOBOX", "", CategoryBoxId, combo, WS_EX_CLIENTEDGE, 65, 165, 150, 200},
        {"BUTTON", "Want to read", BookWantToReadId, option, 0, 320, 145, 120, 16},
        {"BUTTON", "Have read", BookHaveReadId, option, 0, 320, 165, 125, 16},
        {"EDIT", "", CommentsBoxId, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP | box, WS_EX_CLIENTEDGE,
         10, 225, 480, 110},
        {"BUTTON", "&Save", IDOK, save, 0, 300, 350, 75, 30},
        {"BUTTON", "&Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 0, 380, 350, 75, 30},
    };
    return spec;
}

std::string ItemText(HWND box, int32_t index) {
    const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

std::string BoxText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

void SetBoxText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

BookForm ReadForm(HWND dialog) {
    BookForm form;
    form.author = BoxText(dialog, AuthorBoxId);
    form.title = BoxText(dialog, TitleBoxId);
    form.callNumber = BoxText(dialog, CallNumberBoxId);
    form.orderDate = BoxText(dialog, OrderDateBoxId);
    form.publisher = BoxText(dialog, PublisherBoxId);
    form.pubYear = BoxText(dialog, PubYearBoxId);
    form.library = BoxText(dialog, LibraryBoxId);
    form.category = BoxText(dialog, CategoryBoxId);
    form.comments = BoxText(dialog, CommentsBoxId);
    form.haveRead = IsDlgButtonChecked(dialog, BookHaveReadId) == BST_CHECKED;
    return form;
}

void WriteForm(HWND dialog, const BookForm& form) {
    SetBoxText(dialog, AuthorBoxId, form.author);
    SetBoxText(dialog, TitleBoxId, form.title);
    SetBoxText(dialog, CommentsBoxId, form.comments);
    SetBoxText(dialog, CallNumberBoxId, form.callNumber);
    SetBoxText(dialog, OrderDateBoxId, form.orderDate);
    SetBoxText(dialog, PubYearBoxId, form.pubYear);
    SetBoxText(dialog, PublisherBoxId, form.publisher);
    SetBoxText(dialog, LibraryBoxId, form.library);
    SetBoxText(dialog, CategoryBoxId, form.category);
    CheckRadioButton(dialog, BookWantToReadId, BookHaveReadId, form.haveRead ? BookHaveReadId : BookWantToReadId);
}

int BoxOf(FormField field) {
    switch (field) {
        case FormField::Author: return AuthorBoxId;
        case FormField::CallNumber: return CallNumberBoxId;
        case FormField::OrderDate: return OrderDateBoxId;
        case FormField::Publisher: return PublisherBoxId;
        case FormField::PubYear: return PubYearBoxId;
        case FormField::Library: return LibraryBoxId;
        case FormField::Category: return CategoryBoxId;
    }
    return AuthorBoxId;
}

// Completes what was typed with the first item that begins with it; the
// completed part stays selected, so further typing replaces it.
void Complete(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    const std::string typed = TextOf(box);
    const auto count = static_cast<int32_t>(SendMessageA(box, CB_GETCOUNT, 0, 0));
    const int32_t index = FirstItemStartingWith(count, [box](int32_t i) { return ItemText(box, i); }, typed);
    if (index < 0) return;
    SetWindowTextA(box, ItemText(box, index).c_str());
    SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), 0xFFFF));
}

BOOL OnInitDialog(HWND dialog, int32_t argument) {
    bookDialog.viewMode = argument < 0;
    const int32_t position = bookDialog.viewMode ? -argument : argument;
    if (!bookDialog.viewMode) {
        FillDropDown(dialog, AuthorBoxId, collection.authors);
        FillDropDown(dialog, CallNumberBoxId, collection.callNumbers);
        FillDropDown(dialog, PublisherBoxId, collection.publishers);
        FillDropDown(dialog, LibraryBoxId, collection.libraries);
        FillDropDown(dialog, CategoryBoxId, collection.categories);
    }
    CheckRadioButton(dialog, BookWantToReadId, BookHaveReadId, BookWantToReadId);
    bookDialog.dialogBookNumber = position == 0 ? 0 : dialogHost->BookAtRow(position);
    if (bookDialog.dialogBookNumber != 0) {
        WriteForm(dialog, FormOfBook(collection, bookDialog.dialogBookNumber));
        SetWindowTextA(dialog, bookDialog.viewMode ? ViewCaption : EditCaption);
    } else if (bookDialog.presetAuthor != 0) {
        SetBoxText(dialog, AuthorBoxId, ListText(collection.authors, bookDialog.presetAuthor));
    }
    // Viewing: the dialog manager gives the focus to the one enabled control,
    // "&Cancel", which Enter presses too, since "&Save" is disabled.
    if (bookDialog.viewMode) {
        SendMessageA(dialog, DM_SETDEFID, IDCANCEL, 0);
        return TRUE;
    }
    SetFocus(GetDlgItem(dialog, AuthorBoxId));
    bookDialog.authorBoxHasFocus = 1;
    return FALSE;
}

void OnSave(HWND dialog) {
    // Enter while viewing: there is nothing to save.
    if (bookDialog.viewMode) {
        EndModal(dialog, IDCANCEL);
        return;
    }
    const BookSaveResult result = SaveBook(collection, fileState, ReadForm(dialog), bookDialog.dialogBookNumber);
    if (!result.saved) {
        AskUser(result.refusal.text, result.refusal.caption, result.refusal.style);
        SetFocus(GetDlgItem(dialog, BoxOf(result.field)));
        return;
    }
    bookDialog.savedPosition = result.position;
    EndModal(dialog, IDOK);
}

void OnCommand(HWND dialog, int id, int notification) {
    switch (id) {
        case AuthorBoxId:
            if (notification == CBN_SETFOCUS) bookDialog.authorBoxHasFocus = 1;
            if (notification == CBN_KILLFOCUS) bookDialog.authorBoxHasFocus = 0;
            // An edited book's author is not completed: it may be kept as typed.
            if (notification == CBN_EDITCHANGE && bookDialog.dialogBookNumber == 0) Complete(dialog, id);
            break;
        case CallNumberBoxId:
        case PublisherBoxId:
        case LibraryBoxId:
        case CategoryBoxId:
            if (notification == CBN_EDITCHANGE) Complete(dialog, id);
            break;
        case BookWantToReadId:
            if (notification == BN_CLICKED) SetBoxText(dialog, OrderDateBoxId, bookDialog.stashedOrderDate);
            break;
        case BookHaveReadId:
            if (notification == BN_CLICKED) {
                bookDialog.stashedOrderDate = BoxText(dialog, OrderDateBoxId);
                SetBoxText(dialog, OrderDateBoxId, "");
            }
            break;
        case IDOK: OnSave(dialog); break;
        case IDCANCEL: EndModal(dialog, IDCANCEL); break;
    }
}

}  // namespace

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

void FillDropDown(HWND dialog, int controlId, const TextList& list) {
    if (list.empty()) return;
    HWND box = GetDlgItem(dialog, controlId);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 1; i <= list.count(); ++i) {
        const LRESULT index = SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list[i].c_str()));
        SendMessageA(box, CB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
}

INT_PTR CALLBACK BookDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, static_cast<int32_t>(lParam));
        case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

void ShowBookDialog(int32_t position) {
    HWND dialog = CreateSpecDialog(BookDialogSpec(position < 0), dialogHost->Owner(), true);
    if (dialog == nullptr) return;
    bookDialog.hBookDialog = dialog;
    if (RunModal(dialog, BookDialogProc, position) == IDOK) dialogHost->ShowSavedBook(bookDialog.savedPosition);
    dialogHost->FocusList();
}

void RemoveAuthorCompletion() {
    if (!bookDialog.authorBoxHasFocus || !IsWindow(bookDialog.hBookDialog)) return;
    HWND box = GetDlgItem(bookDialog.hBookDialog, AuthorBoxId);
    std::string text = TextOf(box);
    DWORD start = 0, end = 0;
    SendMessageA(box, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end || start > text.size()) return;
    text.erase(start, end - start);
    SetWindowTextA(box, text.c_str());
    SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(text.size(), 0xFFFF));
}

}  // namespace tome
