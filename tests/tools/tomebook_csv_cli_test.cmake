# Runs the real tomebook's export and import on the CSV files of tests/data/csv
# and the good book files: exit codes, messages, the files written or left
# alone, and the round trip export -> import -> export.
# Variables: TOMEBOOK (the program), EMULATOR (empty natively), DATA
# (tests/data), WORK (a scratch folder, emptied first).
cmake_minimum_required(VERSION 3.20)

foreach(var TOMEBOOK DATA WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "tomebook_csv_cli_test.cmake needs -D${var}=...")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(CSV "${DATA}/csv")

function(tomebook expected_rc)
  execute_process(COMMAND ${EMULATOR} "${TOMEBOOK}" ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  string(REPLACE "\r\n" "\n" stdout "${stdout}")
  string(REPLACE "\r\n" "\n" stderr "${stderr}")
  if(NOT code STREQUAL "${expected_rc}")
    message(SEND_ERROR "tomebook ${ARGN}: exit ${code}, expected ${expected_rc}\nstdout: ${stdout}\nstderr: ${stderr}")
  endif()
  set(out "${stdout}" PARENT_SCOPE)
  set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect_contains text part what)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${what}: expected to contain \"${part}\", got:\n${text}")
  endif()
endfunction()

function(expect_same_file a b what)
  file(READ "${a}" ha HEX)
  file(READ "${b}" hb HEX)
  if(NOT ha STREQUAL hb)
    message(SEND_ERROR "${what}: ${a} and ${b} differ")
  endif()
endfunction()

# Arguments.
foreach(args "export" "export;a.lib" "export;a.lib;b.csv;--bogus" "import;a.lib" "import;a.lib;b.csv;--into"
             "import;a.lib;b.csv;--frobnicate")
  tomebook(2 ${args})
  expect_contains("${err}" "Usage:" "tomebook ${args}")
endforeach()
tomebook(0 --help)
expect_contains("${out}" "tomebook import FILE.lib IN.csv" "--help")
expect_contains("${out}" "Exclusive" "--help says how a reading site's export maps")
expect_contains("${out}" "Primary Author" "--help says how a catalogue maps")

# Export: BOM, header, CR LF rows; --tab.
set(sample "${DATA}/good/sample_books.lib")
tomebook(0 export "${sample}" "${WORK}/first.csv")
file(READ "${WORK}/first.csv" head LIMIT 12 HEX)
if(NOT head MATCHES "^efbbbf417574686f722c5469")
  message(SEND_ERROR "export does not start with the BOM and the header: ${head}")
endif()
# (file(READ) as text drops CRs, so line ends are checked in hex.)
file(READ "${WORK}/first.csv" first_hex HEX)
expect_contains("${first_hex}" "5374617475730d0a" "export's header row ends in CR LF")
tomebook(0 export "${sample}" "${WORK}/first.tsv" --tab)
file(READ "${WORK}/first.tsv" tsv_text)
expect_contains("${tsv_text}" "Author\tTitle\tCall Number" "--tab")
tomebook(1 export "${WORK}/missing.lib" "${WORK}/never.csv")
expect_contains("${err}" "does not exist" "export of a missing file")
if(EXISTS "${WORK}/never.csv")
  message(SEND_ERROR "a failed export wrote its output")
endif()

# Round trip: export, import into a new file, export again: the same bytes.
foreach(ext csv tsv)
  tomebook(0 import "${WORK}/round-${ext}.lib" "${WORK}/first.${ext}")
  expect_contains("${out}" "added: 60" "import of the export (${ext})")
  if(ext STREQUAL csv)
    tomebook(0 export "${WORK}/round-${ext}.lib" "${WORK}/second.${ext}")
  else()
    tomebook(0 export "${WORK}/round-${ext}.lib" "${WORK}/second.${ext}" --tab)
  endif()
  expect_same_file("${WORK}/first.${ext}" "${WORK}/second.${ext}" "round trip (${ext})")
endforeach()

# Each shape into a copy of the sample books, as Tomecase would add them.
file(COPY "${sample}" DESTINATION "${WORK}")
set(books "${WORK}/sample_books.lib")
foreach(name reading-site.csv reading-log.csv catalogue.tsv spreadsheet-1252.csv)
  tomebook(0 import "${books}" "${CSV}/${name}")
  expect_contains("${out}" "saved " "import of ${name}")
  if(name STREQUAL "reading-log.csv")
    # Middlemarch by George Eliot is one of the sample books.
    expect_contains("${out}" "skipped row 5 (line 5): \"Middlemarch\" by Eliot, George is there already" "a duplicate")
  endif()
endforeach()
tomebook(0 check "${books}")
expect_contains("${out}" "a good book file with 73 books" "the sample books after four imports")
tomebook(0 export "${books}" "${WORK}/mixed.csv")
file(READ "${WORK}/mixed.csv" mixed)
expect_contains("${mixed}" "\"Le Guin, Ursula K.\",The Dispossessed,,06-30-2021,2003,Harper Voyager,,,\"from the\nlibrary sale\",want to read"
                "a reading site's row")
expect_contains("${mixed}" "\"Hugo, Victor\",Notre-Dame De Paris,,,1831,,,Classics,« le livre »,have read" "a Windows-1252 row")
expect_contains("${mixed}" "\"Eco, Umberto\",The Name of the Rose,,11-02-2018,1980,Harcourt,,mystery,,have read"
                "a catalogue row")
# The same files again: every row is a duplicate now, and the file stays.
file(COPY_FILE "${books}" "${WORK}/before.lib")
tomebook(0 import "${books}" "${CSV}/reading-log.csv")
expect_contains("${out}" "added: 0\nskipped as duplicates: 4" "a second import of the same rows")
expect_contains("${out}" "nothing to add" "a second import of the same rows")
expect_same_file("${books}" "${WORK}/before.lib" "an import that adds nothing leaves the book file alone")
tomebook(0 import "${books}" "${CSV}/reading-site.csv" --dry-run --keep-duplicates)
expect_contains("${out}" "added: 4" "--dry-run --keep-duplicates")
expect_contains("${out}" "characters replaced: 2 (by \"?\"; the first was U+4E2D)" "replaced characters counted")
expect_same_file("${books}" "${WORK}/before.lib" "--dry-run leaves the book file alone")

# Bad rows: refused as a whole, each named, the file untouched; --skip-bad.
tomebook(1 import "${books}" "${CSV}/bad-rows.csv")
expect_contains("${err}" "row 3 (line 3): it has no title" "bad rows")
expect_contains("${err}" "row 5 (line 5): malformed quoted field at line 5, column 10" "a malformed quote")
expect_contains("${err}" "4 rows cannot be added; nothing was imported" "refusal")
expect_same_file("${books}" "${WORK}/before.lib" "a refused import leaves the book file alone")
tomebook(0 import "${books}" "${CSV}/bad-rows.csv" --into "${WORK}/skipped.lib" --skip-bad)
expect_contains("${out}" "added: 2\nskipped as duplicates: 0\nskipped as bad: 4" "--skip-bad")
tomebook(1 import "${books}" "${CSV}/reading-log.csv" --into "${WORK}/skipped.lib")
expect_contains("${err}" "exists already" "--into an existing file")
expect_same_file("${books}" "${WORK}/before.lib" "--into leaves the book file alone")

# Empty and header-only files; a CSV that is missing.
tomebook(1 import "${WORK}/never.lib" "${CSV}/empty.csv")
expect_contains("${err}" "it is empty" "an empty CSV file")
tomebook(0 import "${WORK}/header.lib" "${CSV}/header-only.csv")
expect_contains("${out}" "added: 0" "a header-only file")
tomebook(1 import "${WORK}/never.lib" "${CSV}/no-such.csv")
if(EXISTS "${WORK}/never.lib")
  message(SEND_ERROR "a refused import into a new file made the file")
endif()
