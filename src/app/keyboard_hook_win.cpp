#include "app/keyboard_hook_win.h"

#include "app/commands.h"
#include "app/main_state_win.h"
#include "dialogs/book_dialog_win.h"

namespace tome {

HHOOK hKeyboardHook = nullptr;
int32_t keyEventCount = 0;

namespace {

// While a menu is open (the context menu over the list, or one of the menu
// bar's), Enter chooses its item and is none of the hook's business: acting
// on it would view the selected book before the chosen command runs.
bool MenuIsOpen() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

void OnEnter() {
    if (MenuIsOpen()) return;
    if (mainState.findActive) {
        SetFocus(GetDlgItem(mainState.hActivePage, mainState.activeListId));
    } else if (GetDlgCtrlID(GetFocus()) == mainState.activeListId) {
        SendMessageA(mainState.hMainWindow, WM_COMMAND, cmd::ViewButton, 0);
    }
}

}  // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM flags) {
    if (code < 0) return CallNextHookEx(hKeyboardHook, code, key, flags);
    if (code != HC_ACTION) return 0;
    if (++keyEventCount % 2 == 0) {
        keyEventCount = 0;
        return 0;
    }
    // The Author box completes names as they are typed, selecting the
    // completed part; Backspace or Delete first drop that part, so the key
    // then acts on what the user typed.
    if ((key == VK_BACK || key == VK_DELETE) && bookDialog.authorBoxHasFocus) RemoveAuthorCompletion();
    if (key == VK_RETURN) OnEnter();
    return 0;
}

}  // namespace tome
