# Book dialog and list maintenance: portable logic and templates, thin Win32 dialogs.
set(TOMECASE_DIALOGS_SOURCES
    dialogs/dialog_template.cpp
)
set(TOMECASE_DIALOGS_WIN_SOURCES
    dialogs/book_dialog_state_win.cpp
    dialogs/dialog_engine_win.cpp
)
