// Child controls made in code (not from a dialog template): visible, with
// their parent's font, which a dialog gives only to its template's controls.
#pragma once

#include <windows.h>

#include <string>

namespace tome {

// A child control of parent at a rectangle in the parent's client pixels.
HWND CreateChild(HWND parent, DWORD exStyle, const char* className, const std::string& text, DWORD style, int id,
                 RECT where);

}  // namespace tome
