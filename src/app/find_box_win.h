// The Find box (1006): idle it shows the grey cue "Author/Title"; with the
// focus it is emptied, turns black and is in typing mode (mainState.findActive).
#pragma once

#include <windows.h>

#include "books/find.h"

namespace tome {

constexpr COLORREF FindResultColour = RGB(255, 0, 0);  // the "Not found" label (1007)

// EN_SETFOCUS: empty, black, typing mode.
void OnFindBoxFocus();
// EN_KILLFOCUS: back to the grey cue when in typing mode; what was typed is dropped.
void OnFindBoxFocusLost();
// A click on the main window itself while typing: back to the cue, and the
// focus goes to the visible list.
void LeaveTypingMode();

// WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC of the main window: the Find box and
// the Find result label keep their default background with their own text
// colour. Null for other controls (default handling).
HBRUSH FindControlColours(HWND window, UINT message, HDC dc, HWND control);

}  // namespace tome
