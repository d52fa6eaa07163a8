# Win32 sources of the application shell (paths relative to src/), linked
# into tomecase_win so the Windows-side tests reach them too.
set(TOMECASE_APP_WIN_SOURCES
    app/special_folder_win.cpp
)
# The program entry, built into Tomecase.exe only.
set(TOMECASE_APP_ENTRY_SOURCES app/main_win.cpp)
