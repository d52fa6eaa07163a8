# libcsv, the CSV parser of tomebook's import (LGPL-2.1 or later). It is
# always linked as a shared library, so that it stays a separate, replaceable
# part: Debian's libcsv.so natively, and on Windows libcsv.dll built here from
# Debian's source package (scripts/fetch-libcsv-source.sh puts it in
# TOMECASE_DEPS, default /usr/local/src/tomecase) beside tomebook.exe.
# Defines tomebook_libcsv and TOMEBOOK_CSV_READER (the reader's source file:
# the real one, or one that says the build has none).
add_library(tomebook_libcsv INTERFACE)
set(TOMEBOOK_CSV_READER csv_reader.cpp)
if(CMAKE_CROSSCOMPILING)
  if(DEFINED ENV{TOMECASE_DEPS} AND NOT "$ENV{TOMECASE_DEPS}" STREQUAL "")
    set(deps "$ENV{TOMECASE_DEPS}")
  else()
    set(deps /usr/local/src/tomecase)
  endif()
  set(TOMECASE_LIBCSV_SOURCE ${deps}/libcsv CACHE PATH "Debian's libcsv source, unpacked")
  if(EXISTS ${TOMECASE_LIBCSV_SOURCE}/libcsv.c AND EXISTS ${TOMECASE_LIBCSV_SOURCE}/csv.h)
    add_library(csv SHARED ${TOMECASE_LIBCSV_SOURCE}/libcsv.c)
    # libcsv.dll beside tomebook.exe, needing nothing but the C runtime.
    set_target_properties(csv PROPERTIES PREFIX lib RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    target_link_options(csv PRIVATE -static-libgcc)
    target_include_directories(csv PUBLIC ${TOMECASE_LIBCSV_SOURCE})
    target_link_libraries(tomebook_libcsv INTERFACE csv)
    # Its licence goes with it.
    configure_file(${TOMECASE_LIBCSV_SOURCE}/COPYING.LESSER ${CMAKE_CURRENT_BINARY_DIR}/libcsv-COPYING.LESSER.txt COPYONLY)
  else()
    message(WARNING "libcsv's source is not in ${TOMECASE_LIBCSV_SOURCE} (scripts/fetch-libcsv-source.sh fetches it): "
                    "tomebook.exe will be built without CSV import and will say so when asked to import")
    set(TOMEBOOK_CSV_READER csv_reader_unavailable.cpp)
  endif()
else()
  find_path(TOMECASE_CSV_INCLUDE csv.h)
  find_library(TOMECASE_CSV_LIBRARY NAMES libcsv.so csv)
  if(NOT TOMECASE_CSV_INCLUDE OR NOT TOMECASE_CSV_LIBRARY)
    message(FATAL_ERROR "libcsv not found (Debian package libcsv-dev)")
  endif()
  target_include_directories(tomebook_libcsv SYSTEM INTERFACE ${TOMECASE_CSV_INCLUDE})
  target_link_libraries(tomebook_libcsv INTERFACE ${TOMECASE_CSV_LIBRARY})
endif()
