# Win32 sources of the application shell (paths relative to src/), linked
# into tomecase_win so the Windows-side tests reach them too.
set(TOMECASE_APP_WIN_SOURCES
    app/find_box_win.cpp
    app/keyboard_hook_win.cpp
    app/main_commands_win.cpp
    app/main_dialog_host_win.cpp
    app/main_state_win.cpp
    app/main_window_proc_win.cpp
    app/main_window_win.cpp
    app/menus_win.cpp
    app/prompts_win.cpp
    app/screen_win.cpp
    app/shell_folder_win.cpp
    app/tab_page_proc_win.cpp
    app/tab_pages_win.cpp
)
# Portable parts of the shell, compiled into the core.
set(TOMECASE_APP_SOURCES
    app/commands.cpp
    app/file_flows.cpp
)
# The program entry, built into Tomecase.exe only.
set(TOMECASE_APP_ENTRY_SOURCES app/main_win.cpp)
# About box and help.
list(APPEND TOMECASE_APP_WIN_SOURCES
    app/about_box_win.cpp
    app/help_win.cpp
)
