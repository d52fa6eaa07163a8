# Windows build (MinGW-w64, i686 or x86_64 as the toolchain file says):
# Tomecase.exe, tomebook.exe and the Windows-side tests, which ctest runs
# under the Wine of the same architecture.
if(NOT TOMECASE_WINE_ARCH MATCHES "^win(32|64)$")
  message(FATAL_ERROR "Configure the Windows build with cmake/toolchain-mingw-i686.cmake or -x86_64.cmake")
endif()
add_compile_definitions(NOMINMAX STRICT WINVER=0x0600 _WIN32_WINNT=0x0600)

add_library(tomecase_core STATIC ${TOMECASE_CORE_SOURCES} ${TOMECASE_BOOKS_WIN_SOURCES})
target_include_directories(tomecase_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tomecase_core PRIVATE ${TOMECASE_WARNINGS})

# Every program and test runs through wine-run, with the Wine prefix and the
# X display (always an Xvfb of its own) kept in the build tree.
set(TOMECASE_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)
set(TOMECASE_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
# Each wine-run folder of this build (the tests', the end-to-end sessions',
# run.sh's own) says which Wine it is for.
foreach(state wine e2e-wine wine-app package-wine)
  file(WRITE ${CMAKE_BINARY_DIR}/${state}/arch "${TOMECASE_WINE_ARCH}\n")
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${TOMECASE_WINE_RUN} --xvfb ${TOMECASE_WINE_STATE})

# The Win32 layer: each folder's sources.cmake may add to its list.
set(TOMECASE_WIN_SOURCES
    ${TOMECASE_CONTROLS_WIN_SOURCES} ${TOMECASE_DIALOGS_WIN_SOURCES}
    ${TOMECASE_PRINT_WIN_SOURCES} ${TOMECASE_APP_WIN_SOURCES})
list(TRANSFORM TOMECASE_WIN_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/)
set(TOMECASE_WIN_LIBS comctl32 comdlg32 gdi32 user32 shell32 ole32 winspool htmlhelp uuid)
if(TOMECASE_WIN_SOURCES)
  add_library(tomecase_win STATIC ${TOMECASE_WIN_SOURCES})
  target_compile_options(tomecase_win PRIVATE ${TOMECASE_WARNINGS})
  target_link_libraries(tomecase_win PUBLIC tomecase_core ${TOMECASE_WIN_LIBS})
else()
  add_library(tomecase_win INTERFACE)
  target_link_libraries(tomecase_win INTERFACE tomecase_core ${TOMECASE_WIN_LIBS})
endif()

# Icon and cursor pictures are kept as XPM and turned into .ico/.cur here.
find_program(TOMECASE_CONVERT convert REQUIRED)
find_program(TOMECASE_ICOTOOL icotool REQUIRED)
set(TOMECASE_APP_SOURCE ${CMAKE_SOURCE_DIR}/src/app)
set(TOMECASE_RES_DIR ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${TOMECASE_RES_DIR})

add_custom_command(OUTPUT ${TOMECASE_RES_DIR}/tomecase.ico
  COMMAND ${TOMECASE_CONVERT} ${TOMECASE_APP_SOURCE}/tomecase.xpm -type Palette -depth 4 -colors 16
          ${TOMECASE_RES_DIR}/tomecase.ico
  DEPENDS ${TOMECASE_APP_SOURCE}/tomecase.xpm
  COMMENT "Icon tomecase.ico (32 x 32, 16 colours)")

# The cursor's hot spot is the XPM's own: "width height colours chars x y".
file(STRINGS ${TOMECASE_APP_SOURCE}/hand.xpm TOMECASE_HAND_VALUES REGEX "^\"32 32 [0-9]+ 1 [0-9]+ [0-9]+\"")
if(NOT TOMECASE_HAND_VALUES MATCHES "^\"32 32 [0-9]+ 1 ([0-9]+) ([0-9]+)\"")
  message(FATAL_ERROR "hand.xpm must be 32 x 32 with its hot spot in the values line")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOMECASE_APP_SOURCE}/hand.xpm)
add_custom_command(OUTPUT ${TOMECASE_RES_DIR}/hand.cur
  COMMAND ${TOMECASE_CONVERT} ${TOMECASE_APP_SOURCE}/hand.xpm ${TOMECASE_RES_DIR}/hand.png
  COMMAND ${TOMECASE_ICOTOOL} -c --cursor -X ${CMAKE_MATCH_1} -Y ${CMAKE_MATCH_2} -b 1
          -o ${TOMECASE_RES_DIR}/hand.cur ${TOMECASE_RES_DIR}/hand.png
  DEPENDS ${TOMECASE_APP_SOURCE}/hand.xpm
  COMMENT "Cursor hand.cur (32 x 32 monochrome)")

# The manifest names the program's own architecture: a 64-bit program that
# asks for the x86 common controls does not start.
if(TOMECASE_WINE_ARCH STREQUAL win64)
  set(TOMECASE_MANIFEST_ARCH amd64)
else()
  set(TOMECASE_MANIFEST_ARCH x86)
endif()
configure_file(${TOMECASE_APP_SOURCE}/Tomecase.manifest.in ${TOMECASE_RES_DIR}/Tomecase.manifest @ONLY)

set(TOMECASE_RC ${TOMECASE_APP_SOURCE}/Tomecase.rc)
set_source_files_properties(${TOMECASE_RC} PROPERTIES OBJECT_DEPENDS
  "${TOMECASE_RES_DIR}/tomecase.ico;${TOMECASE_RES_DIR}/hand.cur;${TOMECASE_RES_DIR}/Tomecase.manifest")

if(NOT DEFINED TOMECASE_APP_ENTRY_SOURCES)
  set(TOMECASE_APP_ENTRY_SOURCES app/main_win.cpp)
endif()
list(TRANSFORM TOMECASE_APP_ENTRY_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/)
add_executable(Tomecase WIN32 ${TOMECASE_APP_ENTRY_SOURCES} ${TOMECASE_RC}
  ${TOMECASE_RES_DIR}/tomecase.ico ${TOMECASE_RES_DIR}/hand.cur)
target_include_directories(Tomecase PRIVATE ${TOMECASE_RES_DIR} ${TOMECASE_APP_SOURCE})
target_compile_options(Tomecase PRIVATE ${TOMECASE_WARNINGS})
target_link_libraries(Tomecase PRIVATE tomecase_win)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Tests that run under Wine list the fixture in FIXTURES_REQUIRED: the prefix
# and display are made before them and stopped after the last one.
set(TOMECASE_WINE_FIXTURE wine)
add_test(NAME wine_start COMMAND ${TOMECASE_WINE_RUN} --xvfb ${TOMECASE_WINE_STATE} --start)
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180 LABELS windows)
add_test(NAME wine_stop COMMAND ${TOMECASE_WINE_RUN} --xvfb ${TOMECASE_WINE_STATE} --stop)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60 LABELS windows)

add_subdirectory(tests/win)
add_subdirectory(tests/bench/win)
add_subdirectory(tests/e2e)
if(EXISTS ${CMAKE_SOURCE_DIR}/src/tools/CMakeLists.txt)
  add_subdirectory(src/tools)
endif()

# Help: Tomecase.chm compiled from help/ and put beside Tomecase.exe (the run
# script starts the program in that folder, where the help is looked for).
find_program(TOMECASE_CHMCMD chmcmd REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TOMECASE_HELP_SOURCE ${CMAKE_SOURCE_DIR}/help)
file(GLOB TOMECASE_HELP_FILES CONFIGURE_DEPENDS ${TOMECASE_HELP_SOURCE}/Tomecase.hh?
     ${TOMECASE_HELP_SOURCE}/*.htm ${TOMECASE_HELP_SOURCE}/*.css)
set(TOMECASE_CHM ${CMAKE_BINARY_DIR}/Tomecase.chm)
# chmcmd writes the .chm into its working directory; the project file alone
# says what goes in (no scan that would pull in pages it forgot).
add_custom_command(OUTPUT ${TOMECASE_CHM}
  COMMAND ${TOMECASE_CHMCMD} --no-html-scan ${TOMECASE_HELP_SOURCE}/Tomecase.hhp
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${TOMECASE_HELP_FILES}
  COMMENT "Help file Tomecase.chm")
add_custom_target(tomecase_help DEPENDS ${TOMECASE_CHM})
add_dependencies(Tomecase tomecase_help)
add_test(NAME help_file COMMAND ${Python3_EXECUTABLE} ${TOMECASE_HELP_SOURCE}/check_help.py
         ${TOMECASE_CHM} ${TOMECASE_HELP_SOURCE})
set_tests_properties(help_file PROPERTIES LABELS windows TIMEOUT 60)

# The About box's tests need the icon and cursor in their own module.
set(TOMECASE_TEST_RC ${CMAKE_SOURCE_DIR}/tests/win/about_box_test.rc)
set_source_files_properties(${TOMECASE_TEST_RC} TARGET_DIRECTORY win_tests PROPERTIES OBJECT_DEPENDS
  "${TOMECASE_RES_DIR}/tomecase.ico;${TOMECASE_RES_DIR}/hand.cur")
target_sources(win_tests PRIVATE ${TOMECASE_TEST_RC})
target_include_directories(win_tests PRIVATE ${TOMECASE_RES_DIR})

include(cmake/package.cmake)
