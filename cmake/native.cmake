# Native build: the portable core, its unit tests (with sanitizers), the
# command-line tool, benchmarks and the fuzz target.
find_package(Threads REQUIRED)

# The core twice from one source list: optimised for the tool and the
# benchmarks, with AddressSanitizer and UndefinedBehaviorSanitizer for tests.
set(TOMECASE_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

add_library(tomecase_core STATIC ${TOMECASE_CORE_SOURCES} ${TOMECASE_BOOKS_POSIX_SOURCES})
target_include_directories(tomecase_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tomecase_core PRIVATE ${TOMECASE_WARNINGS})

add_library(tomecase_core_checked STATIC ${TOMECASE_CORE_SOURCES} ${TOMECASE_BOOKS_POSIX_SOURCES})
target_include_directories(tomecase_core_checked PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tomecase_core_checked PRIVATE ${TOMECASE_WARNINGS} PUBLIC ${TOMECASE_SANITIZE})
target_link_options(tomecase_core_checked PUBLIC ${TOMECASE_SANITIZE})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/unit)
if(EXISTS ${CMAKE_SOURCE_DIR}/src/tools/CMakeLists.txt)
  add_subdirectory(src/tools)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/bench/CMakeLists.txt)
  add_subdirectory(tests/bench)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/fuzz/native.cmake)
  include(tests/fuzz/native.cmake)
endif()

# Includes point one way through the layers of src/.
add_test(NAME layers COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh ${CMAKE_SOURCE_DIR}/src)
set_tests_properties(layers PROPERTIES LABELS structure TIMEOUT 60)
