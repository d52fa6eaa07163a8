// The keyboard hook of the user-interface thread: Enter moves from the Find
// box to the list or views the selected book, and Backspace or Delete in the
// book dialog's Author box first drop the completed part of the name.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

// The hook's own state stands apart from the main window's: Windows calls
// the hook procedure with no context of ours.
extern HHOOK hKeyboardHook;
// HC_ACTION calls since it was last reset; the hook acts when it is odd,
// which is on the press of each press and release pair.
extern int32_t keyEventCount;

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM flags);

}  // namespace tome
