# Cross build for 64-bit Windows (PE32+), run under Wine's 64-bit loader.
set(TOMECASE_MINGW x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOMECASE_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
