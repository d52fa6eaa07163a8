#include "app/main_window_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cmath>

#include "app/commands.h"
#include "app/find_box_win.h"
#include "app/help_win.h"
#include "app/keyboard_hook_win.h"
#include "app/main_dialog_host_win.h"
#include "app/main_state_win.h"
#include "app/menus_win.h"
#include "app/prompts_win.h"
#include "app/screen_win.h"
#include "app/shell_folder_win.h"
#include "app/tab_pages_win.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"

namespace tome {

namespace {

std::string CommonDocumentsFolder() { return SpecialFolderPath(CSIDL_COMMON_DOCUMENTS); }

WinPrompts windowsPrompts;

constexpr int32_t PanelId = 1000;
constexpr int32_t LabelId = -1;

DialogSpec MainWindowSpec() {
    DialogSpec spec;
    spec.caption = "Tomecase";
    spec.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT | DS_3DLOOK |
                 DS_NOFAILCREATE | DS_CENTER;
    spec.width = static_cast<int16_t>(mainWidth);
    spec.height = static_cast<int16_t>(mainHeight);
    spec.controls = {
        // An empty sunken panel behind the buttons.
        PixelControl("STATIC", "", PanelId, SS_LEFTNOWORDWRAP, WS_EX_CLIENTEDGE, 0, 0, mainWidth - 2, 30),
        PixelControl("BUTTON", "Add", cmd::AddButton, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 2, 2, 60, 25),
        PixelControl("BUTTON", "Edit", cmd::EditButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 62, 2, 60, 25),
        PixelControl("BUTTON", "View", cmd::ViewButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 122, 2, 60, 25),
        PixelControl("BUTTON", "Print", cmd::PrintButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 200, 2, 60, 25),
        PixelControl("BUTTON", "&Quit", cmd::QuitButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 260, 2, 60, 25),
        PixelControl("STATIC", "Find:", LabelId, SS_LEFT, 0, 380, 7, 25, 15),
        PixelControl("EDIT", FindCueText, FindBoxId, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 410, 5, 150, 20),
        PixelControl("STATIC", "", FindResultId, SS_LEFT, 0, 570, 7, 70, 15),
    };
    return spec;
}

void BuildStatusBar(HWND window) {
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, window,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(StatusBarId)), ProgramInstance(),
                               nullptr);
    StatusParts parts = StatusPartEdges(mainWidth);
    SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts.edges));
}

}  // namespace

MainWindowLinks mainLinks = {&windowsPrompts, CommonDocumentsFolder};

ControlSpec PixelControl(const char* className, const char* text, int32_t id, uint32_t style, uint32_t exStyle,
                         int x, int y, int width, int height) {
    ControlSpec c;
    c.className = className;
    c.text = text;
    c.id = id;
    c.style = style;
    c.exStyle = exStyle;
    c.x = static_cast<int16_t>(x);
    c.y = static_cast<int16_t>(y);
    c.width = static_cast<int16_t>(width);
    c.height = static_cast<int16_t>(height);
    return c;
}

StatusParts StatusPartEdges(int32_t width) {
    const int32_t first = static_cast<int32_t>(std::lrint(width * 0.5f));
    const int32_t second = static_cast<int32_t>(std::lrint(width * 0.35f));
    return {{first - 1, first + second - 1, width - 1}};
}

HWND CreateMainWindow() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    HWND window = CreateSpecDialog(MainWindowSpec(), nullptr, true);
    if (window == nullptr) return nullptr;
    mainState.hMainWindow = window;
    dialogHost = &mainDialogHost;
    mainState.findBoxColour = FindIdleColour;
    if (!CreateTabPages(window)) {
        DestroyWindow(window);
        mainState.hMainWindow = nullptr;
        return nullptr;
    }
    return window;
}

void SetUpMainWindow(HWND window) {
    SetHelpFilePath();
    HANDLE icon = LoadImageA(ProgramInstance(), "TOMECASE", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    BuildMenus(window);
    BuildStatusBar(window);
    SetUpDataFolder(SystemFileSystem(), mainLinks.commonDocumentsFolder(), fileState);
    // Each column list took its own ID when it was created; tab 1 is the visible one.
    SelectTab(1, TabActedOn);
    mainState.mainBrush = CreateSolidBrush(RGB(200, 200, 255));
    hKeyboardHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
    MainFileFlows().ReopenLastFile();
}

}  // namespace tome
