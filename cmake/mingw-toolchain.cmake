# What both MinGW-w64 toolchain files share; each sets TOMECASE_MINGW (the
# compiler's target triplet), CMAKE_SYSTEM_PROCESSOR and TOMECASE_WINE_ARCH
# (the Wine prefix the build's programs run in) first. The posix thread model
# is the one whose libstdc++ has std::mutex and std::thread (GoogleTest needs
# them).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TOMECASE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOMECASE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOMECASE_MINGW}-windres)
set(CMAKE_STRIP ${TOMECASE_MINGW}-strip CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TOMECASE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A Windows machine has no MinGW runtime DLLs: link them all in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
