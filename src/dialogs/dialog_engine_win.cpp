#include "dialogs/dialog_engine_win.h"

#include <vector>

#include "controls/child_window_win.h"

namespace tome {

namespace {

const char ModalProperty[] = "Tomecase.Modal";

struct ModalState {
    DLGPROC proc = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

ModalState* StateOf(HWND dialog) { return static_cast<ModalState*>(GetPropA(dialog, ModalProperty)); }

// Every dialog runs through this handler; until RunModal attaches the real
// one it leaves everything to the dialog manager.
INT_PTR CALLBACK EngineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    ModalState* state = StateOf(dialog);
    if (state == nullptr) return FALSE;
    if (message == WM_NCDESTROY) RemovePropA(dialog, ModalProperty);
    const INT_PTR handled = state->proc(dialog, message, wParam, lParam);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        if (handled == 0) EndModal(dialog, IDCANCEL);
        return TRUE;  // closing is ours, not the dialog manager's
    }
    return handled;
}

void ResizeClient(HWND window, int width, int height, bool centre) {
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    const int w = outer.right - outer.left;
    const int h = outer.bottom - outer.top;
    int x = 0, y = 0;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (centre) {
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + ((work.right - work.left) - w) / 2;
        y = work.top + ((work.bottom - work.top) - h) / 2;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(window, nullptr, x, y, w, h, flags);
}

}  // namespace

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

HWND AddPixelControl(HWND parent, const ControlSpec& c) {
    return CreateChild(parent, c.exStyle, c.className.c_str(), c.text, c.style, c.id,
                       RECT{c.x, c.y, c.x + c.width, c.y + c.height});
}

HWND CreateSpecDialog(const DialogSpec& spec, HWND owner, bool inPixels) {
    const std::vector<uint8_t> bytes = inPixels ? BuildFrameTemplate(spec) : BuildDialogTemplate(spec);
    // The template must be DWORD-aligned; a vector of DWORDs guarantees it.
    std::vector<DWORD> aligned((bytes.size() + 3) / 4);
    memcpy(aligned.data(), bytes.data(), bytes.size());
    HWND dialog = CreateDialogIndirectParamA(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(aligned.data()),
                                             owner, EngineProc, 0);
    if (dialog == nullptr) return nullptr;
    RECT client = {0, 0, spec.width, spec.height};
    if (inPixels) {
        for (const ControlSpec& c : spec.controls) AddPixelControl(dialog, c);
    } else {
        MapDialogRect(dialog, &client);
    }
    // Sized here in both cases: a template's size is never in pixels, and the
    // dialog manager fits the frame to the template's style, which lacks the
    // caption an overlapped window always gets (the client would come out
    // short by the caption's height).
    ResizeClient(dialog, client.right, client.bottom, (spec.style & DS_CENTER) != 0);
    return dialog;
}

HWND CreateChildDialog(HWND parent, DLGPROC proc, LPARAM param, const RECT& pixels) {
    DialogSpec spec;
    spec.style = WS_CHILD | DS_CONTROL | DS_3DLOOK;
    const std::vector<uint8_t> bytes = BuildFrameTemplate(spec);
    std::vector<DWORD> aligned((bytes.size() + 3) / 4);
    memcpy(aligned.data(), bytes.data(), bytes.size());
    HWND page = CreateDialogIndirectParamA(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(aligned.data()),
                                           parent, proc, param);
    if (page == nullptr) return nullptr;
    SetWindowPos(page, nullptr, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return page;
}

INT_PTR RunModal(HWND dialog, DLGPROC proc, LPARAM param) {
    if (!IsWindow(dialog)) return -1;
    ModalState modal;
    modal.proc = proc;
    ModalState* state = &modal;
    SetPropA(dialog, ModalProperty, state);
    HWND owner = GetWindow(dialog, GW_OWNER);

    if (proc(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), param) != 0) {
        if (HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetFocus(first);
    }
    RECT client;
    GetClientRect(dialog, &client);
    proc(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    if (IsWindow(dialog) && !state->ended) {
        ShowWindow(dialog, SW_SHOW);
        if (owner != nullptr) EnableWindow(owner, FALSE);
    }

    while (IsWindow(dialog) && !state->ended) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!IsDialogMessageA(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else {
            if (owner != nullptr) SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            WaitMessage();
        }
    }

    // The owner comes back before the dialog goes, so activation returns to it.
    if (owner != nullptr) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);  // the handler still sees WM_DESTROY
    return modal.result;
}

void EndModal(HWND dialog, INT_PTR result) {
    if (ModalState* state = StateOf(dialog)) {
        state->ended = true;
        state->result = result;
    }
}

}  // namespace tome
