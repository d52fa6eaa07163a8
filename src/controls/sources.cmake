# The column list: its portable model, and the Win32 list box and headings.
set(TOMECASE_CONTROLS_SOURCES
    controls/column_list_model.cpp
)
set(TOMECASE_CONTROLS_WIN_SOURCES
    controls/child_window_win.cpp
    controls/column_list_win.cpp
)
