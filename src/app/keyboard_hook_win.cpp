#include "app/keyboard_hook_win.h"

#include "app/commands.h"
#include "app/main_state_win.h"
#include "dialogs/book_dialog_win.h"

namespace tome {

HHOOK hKeyboardHook = nullptr;
int32_t keyEventCount = 0;

namespace {

void OnEnter() {
    if (findActive) {
        SetFocus(GetDlgItem(hActivePage, activeListId));
    } else if (GetDlgCtrlID(GetFocus()) == activeListId) {
        SendMessageA(hMainWindow, WM_COMMAND, cmd::ViewButton, 0);
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
    if ((key == VK_BACK || key == VK_DELETE) && authorBoxHasFocus) RemoveAuthorCompletion();
    if (key == VK_RETURN) OnEnter();
    return 0;
}

}  // namespace tome
