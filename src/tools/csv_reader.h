// Rows of a CSV or tab-separated text as libcsv reads them (RFC 4180, quoted
// line breaks), each with the line it starts on, so that messages can point
// into the file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tome {

struct CsvRow {
    std::vector<std::string> cells;
    int64_t row = 0;   // 1 for the first row (the header), as a spreadsheet counts
    int64_t line = 0;  // line of the file the row starts on, from 1
};

// A quoted field that cannot be read; the position is that of the offending
// quote (or of the opening quote that is never closed).
struct CsvProblem {
    int64_t row = 0;
    int64_t line = 0;
    int64_t column = 0;  // in characters, from 1
    std::string what;
};

// False in a build made without libcsv; CsvReaderMissingText says so.
bool CsvReaderAvailable();
std::string CsvReaderMissingText();

// Reads every row, header included, and gives each to onRow in order; rows
// of nothing but line breaks are not rows. A malformed quoted field goes to
// onProblem: when it returns true the broken row is dropped and reading goes
// on at the line after the one the row started on; otherwise ReadCsv stops
// and returns false. utf8 says how columns are counted.
bool ReadCsv(const std::string& text, char delimiter, bool utf8, const std::function<void(CsvRow&)>& onRow,
             const std::function<bool(const CsvProblem&)>& onProblem);

}  // namespace tome
