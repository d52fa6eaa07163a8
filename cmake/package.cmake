# The portable zip of this Windows build, and the staged files that the
# installer (scripts/package.sh, makensis) takes from both builds:
# <packages>/Tomecase-VERSION-win32.zip or -win64.zip, holding one folder
# with the program and tomebook (stripped of their debugging symbols), the
# help, README.txt and LICENSE.txt, and libcsv.dll with its licence for
# tomebook's CSV import.
set(TOMECASE_PACKAGES_DIR ${CMAKE_BINARY_DIR}/../packages CACHE PATH "Where the packages are written")
get_filename_component(TOMECASE_PACKAGES_DIR ${TOMECASE_PACKAGES_DIR} ABSOLUTE)
set(TOMECASE_PACKAGE_NAME Tomecase-${TOMECASE_VERSION_TEXT}-${TOMECASE_WINE_ARCH})
set(TOMECASE_PACKAGE_ROOT ${CMAKE_BINARY_DIR}/package)
set(TOMECASE_PACKAGE_STAGE ${TOMECASE_PACKAGE_ROOT}/${TOMECASE_PACKAGE_NAME})
set(TOMECASE_PACKAGE_ZIP ${TOMECASE_PACKAGES_DIR}/${TOMECASE_PACKAGE_NAME}.zip)

# tomebook's CSV library, when this build has it (src/tools/libcsv.cmake).
set(TOMECASE_PACKAGE_CSV)
if(TARGET csv)
  set(TOMECASE_PACKAGE_CSV
    COMMAND ${CMAKE_STRIP} --strip-debug -o ${TOMECASE_PACKAGE_STAGE}/libcsv.dll $<TARGET_FILE:csv>
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:tomebook>/libcsv-COPYING.LESSER.txt ${TOMECASE_PACKAGE_STAGE})
endif()

# Texts for Notepad: CR LF lines.
set(VERSION ${TOMECASE_VERSION_TEXT})
configure_file(${CMAKE_SOURCE_DIR}/packaging/README.txt ${TOMECASE_PACKAGE_ROOT}/texts/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${TOMECASE_PACKAGE_ROOT}/texts/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

add_custom_command(OUTPUT ${TOMECASE_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TOMECASE_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TOMECASE_PACKAGE_STAGE} ${TOMECASE_PACKAGES_DIR}
  COMMAND ${CMAKE_STRIP} -o ${TOMECASE_PACKAGE_STAGE}/Tomecase.exe $<TARGET_FILE:Tomecase>
  COMMAND ${CMAKE_STRIP} -o ${TOMECASE_PACKAGE_STAGE}/tomebook.exe $<TARGET_FILE:tomebook>
  COMMAND ${CMAKE_COMMAND} -E copy ${TOMECASE_CHM} ${TOMECASE_PACKAGE_ROOT}/texts/README.txt
          ${TOMECASE_PACKAGE_ROOT}/texts/LICENSE.txt ${TOMECASE_PACKAGE_STAGE}
  ${TOMECASE_PACKAGE_CSV}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TOMECASE_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${TOMECASE_PACKAGE_ZIP} --format=zip ${TOMECASE_PACKAGE_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy ${TOMECASE_RES_DIR}/tomecase.ico ${TOMECASE_PACKAGE_ROOT}/tomecase.ico
  WORKING_DIRECTORY ${TOMECASE_PACKAGE_ROOT}
  DEPENDS Tomecase tomebook tomecase_help ${TOMECASE_CHM} ${TOMECASE_PACKAGE_ROOT}/texts/README.txt
          ${TOMECASE_PACKAGE_ROOT}/texts/LICENSE.txt
  COMMENT "Portable zip ${TOMECASE_PACKAGE_NAME}.zip")
add_custom_target(tomecase_zip DEPENDS ${TOMECASE_PACKAGE_ZIP})

# Tried under Wine: the zip unpacked anywhere, and the installer (made from
# both builds by scripts/package.sh) installed, run, upgraded and removed.
set(TOMECASE_PACKAGE_SESSION ${CMAKE_SOURCE_DIR}/tests/package/package_session.sh)
set(TOMECASE_PACKAGE_STATE ${CMAKE_BINARY_DIR}/package-wine)
foreach(kind zip installer)
  add_test(NAME package_${kind}_session
    COMMAND bash ${TOMECASE_PACKAGE_SESSION} ${kind} ${TOMECASE_PACKAGE_STATE} ${TOMECASE_PACKAGES_DIR}
            ${TOMECASE_PACKAGE_NAME} ${TOMECASE_VERSION_TEXT} $<TARGET_FILE:tomecase_probe>
            ${CMAKE_SOURCE_DIR}/tests/data/good/sample_books.lib ${CMAKE_BINARY_DIR}/e2e/package-${kind})
  set_tests_properties(package_${kind}_session PROPERTIES
    LABELS "windows;package" TIMEOUT 300 RESOURCE_LOCK package_wine SKIP_RETURN_CODE 77)
endforeach()
