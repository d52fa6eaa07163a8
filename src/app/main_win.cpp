// Program entry: builds the main window and runs it until it is closed.
#include <windows.h>

#include "app/main_window_proc_win.h"
#include "app/main_window_win.h"
#include "dialogs/dialog_engine_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND window = tome::CreateMainWindow();
    if (window == nullptr) {
        MessageBoxA(nullptr, "Tomecase could not create its main window.", "Tomecase", MB_OK | MB_ICONHAND);
        return 1;
    }
    tome::RunModal(window, tome::MainWindowProc, 0);
    return 0;
}
