#include "controls/child_window_win.h"

#include <cstdint>

namespace tome {

HWND CreateChild(HWND parent, DWORD exStyle, const char* className, const std::string& text, DWORD style, int id,
                 RECT where) {
    HWND control = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, where.left,
                                   where.top, where.right - where.left, where.bottom - where.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<uint16_t>(id))),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr) SendMessageA(control, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
    return control;
}

}  // namespace tome
