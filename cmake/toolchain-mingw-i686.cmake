# Cross build for 32-bit Windows (PE32), run under Wine's 32-bit loader.
set(TOMECASE_MINGW i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOMECASE_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
