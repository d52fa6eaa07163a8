#include "dialogs/list_maintenance_win.h"

#include <cassert>

#include "books/message_box_win.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"
#include "dialogs/dialog_host_win.h"
#include "dialogs/list_maintenance.h"

namespace tome {

ListMaintenanceState maintenance;

namespace {

const MaintainedList& List() { return *MaintainedListOf(maintenance.list); }

DialogSpec MaintenanceSpec(const MaintainedList& list) {
    const bool authors = list.kind == ListKind::Authors;
    const int16_t width = authors ? 400 : 300;
    const int16_t boxWidth = authors ? 250 : 150;
    DialogSpec spec;
    spec.caption = MaintenanceCaption(list);
    spec.style = WS_SYSMENU | DS_SETFONT | DS_3DLOOK | DS_NOFAILCREATE | DS_CENTER;
    spec.width = width;
    spec.height = 200;
    spec.controls = {
        {"BUTTON", "Add", MaintenanceAddId, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 20, 20, 60, 15},
        {"BUTTON", "Change", MaintenanceChangeId, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 40, 60, 15},
        {"BUTTON", "Remove", MaintenanceRemoveId, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 20, 60, 60, 15},
        {"COMBOBOX", "", MaintenanceListId, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_GROUP | WS_TABSTOP, 0, 120,
         20, boxWidth, 250},
        {"EDIT", "", MaintenanceTextId, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 120, 60, boxWidth, 20},
        {"BUTTON", "&Ok", IDOK, BS_PUSHBUTTON | WS_TABSTOP, 0, static_cast<int16_t>(width - 180), 140, 70, 30},
        {"BUTTON", "&Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 0, static_cast<int16_t>(width - 105), 140, 70, 30},
    };
    return spec;
}

void Show(const UserMessage& message) {
    AskUser(message.text, message.caption, message.style);
}

void Focus(HWND dialog, int id) { SetFocus(GetDlgItem(dialog, id)); }

// Every mode starts from empty boxes; each mode enables the boxes it uses.
void ChooseMode(HWND dialog, int32_t mode) {
    HWND list = GetDlgItem(dialog, MaintenanceListId);
    HWND text = GetDlgItem(dialog, MaintenanceTextId);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(text, "");
    EnableWindow(list, FALSE);
    EnableWindow(text, FALSE);
    maintenance.mode = mode;
    if (mode != 3) EnableWindow(text, TRUE);
    if (mode != 1) EnableWindow(list, TRUE);
    Focus(dialog, mode == 1 ? MaintenanceTextId : MaintenanceListId);
}

// A picked item's text goes to the text box, selected, ready to be typed over.
void CopyPickedItem(HWND dialog) {
    HWND list = GetDlgItem(dialog, MaintenanceListId);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::string item(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item[0]));
    item.resize(static_cast<size_t>(length));
    SetDlgItemTextA(dialog, MaintenanceTextId, item.c_str());
    SendDlgItemMessageA(dialog, MaintenanceTextId, EM_SETSEL, 0, -1);
    Focus(dialog, MaintenanceTextId);
}

void Finish(HWND dialog) {
    dialogHost->RefillList();
    FinishMaintenance(fileState);
    EndModal(dialog, IDOK);
}

void AddEntry(HWND dialog) {
    UserMessage why;
    if (!AddMaintainedEntry(collection, List().kind, TextOf(GetDlgItem(dialog, MaintenanceTextId)), why)) {
        Show(why);
        Focus(dialog, MaintenanceTextId);
        return;
    }
    Finish(dialog);
}

void ChangeEntry(HWND dialog) {
    UserMessage why;
    const std::string current = TextOf(GetDlgItem(dialog, MaintenanceListId));
    const std::string newText = TextOf(GetDlgItem(dialog, MaintenanceTextId));
    if (!ChangeMaintainedEntry(collection, List().kind, current, newText, why)) {
        Show(why);
        Focus(dialog, MaintenanceListId);
        return;
    }
    Finish(dialog);
}

void RemoveEntry(HWND dialog) {
    HWND list = GetDlgItem(dialog, MaintenanceListId);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        Show(NothingToRemoveMessage());
        Focus(dialog, MaintenanceListId);
        return;
    }
    const auto s = static_cast<int32_t>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    if (List().kind == ListKind::Authors) {
        UserMessage why;
        if (!RemoveAuthorEntry(collection, s, why)) {
            Show(why);
            return;
        }
    } else {
        const UserMessage question = RemoveEntryQuestion(List(), TextOf(list));
        if (AskUser(question.text, question.caption, question.style) == AnswerOk) {
            RemoveListEntry(collection, List().kind, s);
        }
    }
    Finish(dialog);
}

BOOL OnInitDialog(HWND dialog, int32_t command) {
    maintenance.list = command;
    FillDropDown(dialog, MaintenanceListId, collection.list(List().kind));
    CheckRadioButton(dialog, MaintenanceAddId, MaintenanceRemoveId, MaintenanceAddId);
    maintenance.mode = 1;
    EnableWindow(GetDlgItem(dialog, MaintenanceListId), FALSE);
    Focus(dialog, MaintenanceTextId);
    return FALSE;
}

void OnCommand(HWND dialog, int id, int notification) {
    switch (id) {
        case MaintenanceAddId: ChooseMode(dialog, 1); break;
        case MaintenanceChangeId: ChooseMode(dialog, 2); break;
        case MaintenanceRemoveId: ChooseMode(dialog, 3); break;
        case MaintenanceListId:
            if (notification == CBN_CLOSEUP) CopyPickedItem(dialog);
            break;
        case IDOK:
            if (maintenance.mode == 1) AddEntry(dialog);
            if (maintenance.mode == 2) ChangeEntry(dialog);
            if (maintenance.mode == 3) RemoveEntry(dialog);
            break;
        case IDCANCEL: EndModal(dialog, IDCANCEL); break;
    }
}

}  // namespace

INT_PTR CALLBACK ListMaintenanceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, static_cast<int32_t>(lParam));
        case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

void ShowListMaintenance(int32_t command) {
    const MaintainedList* list = MaintainedListOf(command);
    assert(list != nullptr);
    if (list == nullptr) return;
    HWND dialog = CreateSpecDialog(MaintenanceSpec(*list), dialogHost->Owner(), true);
    if (dialog == nullptr) return;
    RunModal(dialog, ListMaintenanceProc, command);
}

}  // namespace tome
