// Builds dialogs from DialogSpec and runs them modally: the program's one
// kind of window, from the main window down to the About box.
#pragma once

#include <windows.h>

#include "dialogs/dialog_template.h"

namespace tome {

// Creates the dialog hidden, with no handler yet. In pixels: the frame comes
// from the template, then every control is created at its pixel position with
// the dialog's font and the client area is made exactly width x height
// (centred on the work area when the style asks for it). In dialog units the
// template carries the controls, and the client area is made exactly width x
// height dialog units in the same way.
HWND CreateSpecDialog(const DialogSpec& spec, HWND owner, bool inPixels);

// Adds a control, measured in pixels, with its parent's font.
HWND AddPixelControl(HWND parent, const ControlSpec& control);

// Creates a child dialog (a tab page) with its handler, which receives
// WM_INITDIALOG(param) at once and WM_SIZE once it has its pixel size.
HWND CreateChildDialog(HWND parent, DLGPROC proc, LPARAM param, const RECT& pixels);

// Runs a dialog made by CreateSpecDialog: WM_INITDIALOG(param), WM_SIZE, shows
// it, disables its owner and dispatches messages until EndModal or until the
// window is gone. A close (WM_SYSCOMMAND SC_CLOSE) for which the handler
// returns 0 ends it with IDCANCEL. Returns the result given to EndModal.
INT_PTR RunModal(HWND dialog, DLGPROC proc, LPARAM param);
void EndModal(HWND dialog, INT_PTR result);

// The program's module, for resources and window creation.
HINSTANCE ProgramInstance();

}  // namespace tome
