// Program entry: finds the data folder, reopens the book file saved last and
// shows a summary window with the file name and the number of books.
#include <windows.h>
#include <windowsx.h>
#include <shlobj.h>

#include <string>

#include "app/special_folder_win.h"
#include "books/program_state.h"

namespace {

constexpr int ClientWidth = 720;
constexpr int ClientHeight = 480;
constexpr char SummaryClass[] = "TomecaseSummary";

void OpenLastBookFile() {
    tome::FileSystem& fs = tome::SystemFileSystem();
    tome::SetUpDataFolder(fs, tome::SpecialFolderPath(CSIDL_COMMON_DOCUMENTS), tome::fileState);
    std::string lastFile;
    if (!tome::ReadSettings(fs, tome::fileState.settingsFile, lastFile) || lastFile.empty()) return;
    const tome::Outcome opened = tome::LoadBookFile(fs, lastFile, tome::collection, tome::fileState);
    if (!opened.message.empty()) {
        MessageBoxA(nullptr, opened.message.c_str(), "Open File",
                    MB_OK | (opened.ok ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
    }
}

int LiveBookCount() {
    int count = 0;
    for (const tome::BookRecord& r : tome::collection.records.raw()) count += r.has(tome::Deleted) ? 0 : 1;
    return count;
}

std::string SummaryText() {
    const std::string& file = tome::fileState.currentFile;
    return "Book file: " + (file.empty() ? std::string("(none)") : file) + "\r\nBooks: " +
           std::to_string(LiveBookCount());
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -12, -12);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::string text = SummaryText();
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}

void OnDestroy(HWND) { PostQuitMessage(0); }

LRESULT CALLBACK SummaryWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateSummaryWindow(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SummaryWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageA(instance, "TOMECASE", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = SummaryClass;
    if (!RegisterClassA(&windowClass)) return nullptr;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRect(&outer, style, FALSE);
    return CreateWindowA(SummaryClass, "Tomecase", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                         nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OpenLastBookFile();
    HWND window = CreateSummaryWindow(instance);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
