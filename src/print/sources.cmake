# Printing: the line printer's arithmetic and the two reports (portable), and
# cTPrint over a printer device context with the commands' entry points (Win32).
set(TOMECASE_PRINT_SOURCES
    print/printer_texts.cpp
    print/line_printer.cpp
    print/comment_lines.cpp
    print/book_list_report.cpp
    print/book_report.cpp
)
set(TOMECASE_PRINT_WIN_SOURCES
    print/text_printer_win.cpp
    print/printer_error_win.cpp
    print/reports_win.cpp
)
