# Native build: the fuzz entry replayed over the corpus and the good and bad
# files (g++, sanitizers), and the libFuzzer target built by clang in a
# sub-build and run for a bounded time.
set(TOMECASE_FUZZ_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz)

add_executable(book_file_replay ${TOMECASE_FUZZ_DIR}/book_file_fuzz.cpp ${TOMECASE_FUZZ_DIR}/replay_main.cpp)
target_link_libraries(book_file_replay PRIVATE tomecase_core_checked)
target_compile_options(book_file_replay PRIVATE ${TOMECASE_WARNINGS})
add_test(NAME book_file_replay
  COMMAND book_file_replay ${TOMECASE_FUZZ_DIR}/corpus
          ${CMAKE_SOURCE_DIR}/tests/data/good ${CMAKE_SOURCE_DIR}/tests/data/bad)
set_tests_properties(book_file_replay PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  LABELS "native;fuzz")

# libFuzzer comes with clang's runtime package; try it rather than guess paths.
find_program(TOMECASE_CLANGXX NAMES clang++ clang++-14)
find_program(TOMECASE_CLANG NAMES clang clang-14)
set(TOMECASE_HAVE_LIBFUZZER OFF)
if(TOMECASE_CLANGXX AND TOMECASE_CLANG)
  set(probe_dir ${CMAKE_BINARY_DIR}/CMakeFiles/libfuzzer-probe)
  file(WRITE ${probe_dir}/probe.cpp
    "#include <cstddef>\n#include <cstdint>\n"
    "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(
    COMMAND ${TOMECASE_CLANGXX} -fsanitize=fuzzer,address,undefined ${probe_dir}/probe.cpp -o ${probe_dir}/probe
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(TOMECASE_HAVE_LIBFUZZER ON)
  endif()
endif()

if(NOT TOMECASE_HAVE_LIBFUZZER)
  message(WARNING "clang++ with libFuzzer not found (packages clang, libclang-rt-dev): "
                  "the book_file_fuzz test is not built; the corpus replay still runs.")
  return()
endif()

include(ExternalProject)
set(TOMECASE_FUZZ_BUILD ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(book_file_fuzzer
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${TOMECASE_FUZZ_BUILD}
  CMAKE_ARGS -DTOMECASE_FUZZ_ONLY=ON
             -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DCMAKE_C_COMPILER=${TOMECASE_CLANG}
             -DCMAKE_CXX_COMPILER=${TOMECASE_CLANGXX}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${TOMECASE_FUZZ_BUILD}/tests/fuzz/book_file_fuzzer)

# New inputs go to a folder of the build, never into the committed corpus;
# crash inputs are kept under artifacts/ for the report.
add_test(NAME book_file_fuzz_folders
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TOMECASE_FUZZ_BUILD}/corpus ${TOMECASE_FUZZ_BUILD}/artifacts)
set_tests_properties(book_file_fuzz_folders PROPERTIES FIXTURES_SETUP book_file_fuzz_folders LABELS "native;fuzz")
add_test(NAME book_file_fuzz
  COMMAND ${TOMECASE_FUZZ_BUILD}/tests/fuzz/book_file_fuzzer
          -max_total_time=20 -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
          -dict=${TOMECASE_FUZZ_DIR}/book_file.dict
          -artifact_prefix=${TOMECASE_FUZZ_BUILD}/artifacts/
          ${TOMECASE_FUZZ_BUILD}/corpus ${TOMECASE_FUZZ_DIR}/corpus ${CMAKE_SOURCE_DIR}/tests/data/good
          ${CMAKE_SOURCE_DIR}/tests/data/bad)
set_tests_properties(book_file_fuzz PROPERTIES
  FIXTURES_REQUIRED book_file_fuzz_folders TIMEOUT 120 LABELS "native;fuzz")
