#include "app/about_box_win.h"

#include <shellapi.h>

#include <array>
#include <cstdint>

#include "app/main_state_win.h"
#include "dialogs/dialog_engine_win.h"

namespace tome {

ShellOpenFunction aboutShellOpen = ShellExecuteA;
AboutBoxState aboutBox;

namespace {

// Link targets travel in 64-byte buffers: at most 63 characters each.
constexpr size_t LinkBufferSize = 64;
static_assert(sizeof AboutMailAddress <= LinkBufferSize && sizeof AboutWebAddress <= LinkBufferSize &&
                  sizeof AboutAuthorName <= LinkBufferSize,
              "names and addresses of the About box are at most 63 characters");

struct LabelLook {
    int id;
    int points;
    bool italic;
    bool underline;
    bool coloured;
    COLORREF colour;
};

constexpr std::array<LabelLook, 5> LabelLooks = {{
    {AboutTitleId, 14, false, false, true, RGB(255, 0, 0)},
    {AboutPlatformId, 10, true, false, false, 0},
    {AboutVersionId, 10, false, false, false, 0},
    {AboutMailLinkId, 10, false, true, true, RGB(0, 0, 255)},
    {AboutWebLinkId, 10, false, true, true, RGB(0, 0, 255)},
}};

static_assert(LabelLooks.size() == AboutLabelCount, "one font for each label");

DialogSpec AboutBoxSpec() {
    DialogSpec spec;
    spec.caption = "About Tomecase";
    spec.style = WS_SYSMENU | DS_SETFONT | DS_3DLOOK | DS_NOFAILCREATE | DS_CENTER;
    spec.width = 220;
    spec.height = 160;
    // Label 9903 reaches 10 units past the right edge; its text is clipped there.
    spec.controls = {
        {"STATIC", "Tomecase", AboutTitleId, SS_LEFT, 0, 50, 10, 80, 20},
        {"STATIC", " for Windows", AboutPlatformId, SS_LEFT, 0, 130, 13, 70, 10},
        {"STATIC", AboutVersionText(), AboutVersionId, SS_LEFT, 0, 50, 40, 180, 30},
        {"STATIC", AboutMailAddress, AboutMailLinkId, SS_NOTIFY | SS_NOPREFIX, 0, 60, 80, 140, 12},
        {"STATIC", AboutWebAddress, AboutWebLinkId, SS_NOTIFY | SS_NOPREFIX, 0, 60, 95, 140, 12},
        {"STATIC", "TOMECASE", -1, SS_ICON, 0, 10, 10, 30, 30},
    };
    return spec;
}

HFONT CreateLabelFont(const LabelLook& look) {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return CreateFontA(-MulDiv(look.points, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, look.italic, look.underline, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

void DeleteLabelFonts() {
    for (HFONT& font : aboutBox.labelFonts) {
        if (font != nullptr) DeleteObject(font);
        font = nullptr;
    }
}

const LabelLook* LookOf(HWND label) {
    const int id = GetDlgCtrlID(label);
    for (const LabelLook& look : LabelLooks) {
        if (look.id == id) return &look;
    }
    return nullptr;
}

void OpenLink(const std::string& target, INT show) {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    char buffer[LinkBufferSize];
    lstrcpynA(buffer, target.c_str(), sizeof buffer);
    aboutShellOpen(nullptr, "open", buffer, nullptr, nullptr, show);
}

INT_PTR OnInitDialog(HWND box) {
    DeleteLabelFonts();
    for (size_t i = 0; i < LabelLooks.size(); ++i) {
        aboutBox.labelFonts[i] = CreateLabelFont(LabelLooks[i]);
        SendDlgItemMessageA(box, LabelLooks[i].id, WM_SETFONT, reinterpret_cast<WPARAM>(aboutBox.labelFonts[i]), TRUE);
    }
    return TRUE;
}

// Coloured text on the box's own background: the default answer, with the
// text colour changed.
INT_PTR OnCtlColorStatic(HWND box, HDC dc, HWND label) {
    const LabelLook* look = LookOf(label);
    if (look == nullptr || !look->coloured) return FALSE;
    const LRESULT brush = DefWindowProcA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(label));
    SetTextColor(dc, look->colour);
    return static_cast<INT_PTR>(brush);
}

INT_PTR OnSetCursor(HWND box, HWND under) {
    // IDs in a dialog template are 16 bits: the icon's -1 comes back as
    // 65535 and must still count as below the links.
    if (static_cast<int16_t>(GetDlgCtrlID(under)) < AboutMailLinkId) return FALSE;
    SetCursor(LoadCursorA(ProgramInstance(), "HAND"));
    SetWindowLongPtrA(box, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// The notification code is not looked at: a double click opens a link twice.
INT_PTR OnCommand(HWND box, int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL: EndModal(box, 0); break;
    case AboutMailLinkId: OpenLink(std::string("mailto:") + AboutMailAddress + "?", SW_SHOW); break;
    case AboutWebLinkId: OpenLink(AboutWebAddress, SW_SHOWMAXIMIZED); break;
    }
    return FALSE;
}

}  // namespace

std::string AboutVersionText() {
    return std::string("Version ") + AboutVersionNumber + "\r\nFree to copy and to give away.\r\nby " + AboutAuthorName;
}

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(box);
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(box, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR: return OnSetCursor(box, reinterpret_cast<HWND>(wParam));
    case WM_COMMAND: return OnCommand(box, LOWORD(wParam));
    case WM_DESTROY: DeleteLabelFonts(); return FALSE;
    }
    return FALSE;
}

void ShowAboutBox() {
    HWND box = CreateSpecDialog(AboutBoxSpec(), mainState.hMainWindow, false);
    if (box != nullptr) RunModal(box, AboutBoxProc, 0);
}

}  // namespace tome
