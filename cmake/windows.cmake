# Windows build (MinGW-w64, i686): Tomecase.exe, tomebook.exe and the
# Windows-side tests, which ctest runs under Wine.
add_library(tomecase_core STATIC ${TOMECASE_CORE_SOURCES} ${TOMECASE_BOOKS_WIN_SOURCES})
target_include_directories(tomecase_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tomecase_core PRIVATE ${TOMECASE_WARNINGS})
