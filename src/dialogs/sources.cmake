# Book dialog and list maintenance: portable logic and templates, thin Win32 dialogs.
set(TOMECASE_DIALOGS_SOURCES
    dialogs/dialog_template.cpp
)
set(TOMECASE_DIALOGS_WIN_SOURCES
    dialogs/book_dialog_state_win.cpp
    dialogs/dialog_engine_win.cpp
    dialogs/dialog_host_win.cpp
)
# Saving a book and maintaining the drop-down lists, portable and unit-tested.
list(APPEND TOMECASE_DIALOGS_SOURCES
    dialogs/list_entries.cpp
    dialogs/book_save.cpp
    dialogs/list_maintenance.cpp
)
list(APPEND TOMECASE_DIALOGS_WIN_SOURCES
    dialogs/book_dialog_win.cpp
    dialogs/list_maintenance_win.cpp
)
