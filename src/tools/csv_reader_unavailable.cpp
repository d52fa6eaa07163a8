// The CSV reader of a build made without libcsv's source: import says so
// instead of reading nothing.
#include "tools/csv_reader.h"

namespace tome {

bool CsvReaderAvailable() { return false; }

std::string CsvReaderMissingText() {
    return "this tomebook was built without its CSV reader (libcsv's source was not found when it was "
           "built; scripts/install-deps.sh fetches it), so it cannot import; export works";
}

bool ReadCsv(const std::string&, char, bool, const std::function<void(CsvRow&)>&,
             const std::function<bool(const CsvProblem&)>&) {
    return false;
}

}  // namespace tome
