#include "app/find_box_win.h"

#include "app/main_state_win.h"

namespace tome {

namespace {

HWND FindBox() { return GetDlgItem(mainState.hMainWindow, FindBoxId); }

// Colour first, so the text set next is painted in it.
void ShowFindText(const char* text, COLORREF colour) {
    mainState.findBoxColour = colour;
    SetWindowTextA(FindBox(), text);  // raises EN_CHANGE: FindNext runs on the new text
    InvalidateRect(FindBox(), nullptr, TRUE);
}

void ShowCue() { ShowFindText(FindCueText, FindIdleColour); }

}  // namespace

void OnFindBoxFocus() {
    ShowFindText("", FindTypingColour);
    mainState.findActive = true;
}

void OnFindBoxFocusLost() {
    if (!mainState.findActive) return;
    mainState.findActive = false;
    ShowCue();
}

void LeaveTypingMode() {
    mainState.findActive = false;
    ShowCue();
    SetFocus(GetDlgItem(mainState.hActivePage, mainState.activeListId));
}

HBRUSH FindControlColours(HWND window, UINT message, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    COLORREF colour;
    if (message == WM_CTLCOLOREDIT && id == FindBoxId) {
        colour = mainState.findBoxColour;
    } else if (message == WM_CTLCOLORSTATIC && id == FindResultId) {
        colour = FindResultColour;
    } else {
        return nullptr;
    }
    // The default handling picks the background brush and colours; only the
    // text colour is ours.
    auto brush = reinterpret_cast<HBRUSH>(
        DefWindowProcA(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    SetTextColor(dc, colour);
    return brush;
}

}  // namespace tome
