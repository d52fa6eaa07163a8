# Portable sources of the book collection and storage.
set(TOMECASE_BOOKS_SOURCES
    books/byte_io.cpp
    books/book_file.cpp
    books/book_file_write.cpp
    books/book_store.cpp
    books/collection.cpp
    books/order_date.cpp
    books/cp1252.cpp
    books/file_system.cpp
    books/program_state.cpp
    books/text_rules.cpp
)
set(TOMECASE_BOOKS_POSIX_SOURCES books/file_system_posix.cpp)
set(TOMECASE_BOOKS_WIN_SOURCES books/file_system_win.cpp books/message_box_win.cpp)
# Case folding, normalisation, sort order and the built-in lists.
list(APPEND TOMECASE_BOOKS_SOURCES
    books/text_case.cpp
    books/normalise.cpp
    books/sort_key.cpp
    books/default_lists.cpp
)
# Filling the visible list, status texts and Find, over small screen interfaces.
list(APPEND TOMECASE_BOOKS_SOURCES
    books/list_filling.cpp
    books/find.cpp
    books/custom_list.cpp
)
