#include "tools/csv_import.h"

#include "books/cp1252.h"
#include "tools/book_batch.h"
#include "tools/csv_mapping.h"
#include "tools/csv_reader.h"
#include "tools/csv_shapes.h"

namespace tome {
namespace {

bool IsBlank(const CsvRow& row) {
    for (const std::string& cell : row.cells) {
        if (cell.find_first_not_of(" \t\r\n") != std::string::npos) return false;
    }
    return true;
}

std::string Shown(const std::string& cp1252) {
    std::string text = Utf8FromCp1252(cp1252);
    return text.size() > 60 ? text.substr(0, 57) + "..." : text;
}

class Importer {
public:
    Importer(BookCollection& work, const ImportOptions& options, ImportReport& report, TextEncoding encoding)
        : batch_(work), options_(options), report_(report), encoding_(encoding) {}

    void OnRow(CsvRow& row) {
        if (failed_) return;
        if (!mapped_) return MapHeader(row);
        if (IsBlank(row)) return;
        ImportedBook book;
        Replacements replaced;
        std::string problem;
        if (!BookFromRow(row, map_, encoding_, book, replaced, problem)) return Bad(row, problem);
        if (!options_.keepDuplicates && batch_.IsDuplicate(book)) {
            report_.duplicates.push_back(
                {row.row, row.line, "\"" + Shown(book.title) + "\" by " + Shown(book.author) + " is there already"});
            return;
        }
        const std::string full = batch_.WhyNot(book);
        if (!full.empty()) return Bad(row, full);
        if (!batch_.Add(book)) return Bad(row, "a list entry of this book is past what a book record can refer to");
        ++report_.added;
        if (report_.replaced.count == 0) report_.replaced.first = replaced.first;
        report_.replaced.count += replaced.count;
    }

    bool OnProblem(const CsvProblem& p) {
        const std::string where = "malformed quoted field at line " + std::to_string(p.line) + ", column " +
                                  std::to_string(p.column) + ": " + p.what;
        if (!mapped_) {
            report_.refusal = "its header row has a " + where;
            failed_ = true;
            return false;
        }
        report_.bad.push_back({p.row, p.line, where});
        return true;
    }

    bool Failed() const { return failed_; }
    void Finish() { batch_.Finish(); }

private:
    void MapHeader(const CsvRow& row) {
        mapped_ = true;
        std::vector<std::string> names;
        for (const std::string& cell : row.cells) names.push_back(CellAsUtf8(cell, encoding_));
        std::string problem;
        if (!MapColumns(names, options_.commentsFrom, map_, problem)) {
            report_.refusal = problem;
            failed_ = true;
            return;
        }
        report_.shape = ShapeName(map_.shape);
    }
    void Bad(const CsvRow& row, const std::string& why) { report_.bad.push_back({row.row, row.line, why}); }

    BookBatch batch_;
    const ImportOptions& options_;
    ImportReport& report_;
    const TextEncoding encoding_;
    ColumnMap map_;
    bool mapped_ = false;
    bool failed_ = false;
};

}  // namespace

bool ImportCsv(std::string bytes, BookCollection& books, const ImportOptions& options, ImportReport& report) {
    report = ImportReport();
    const PreparedText prepared = PrepareText(std::move(bytes));
    report.encoding = EncodingName(prepared.encoding);
    if (prepared.text.find_first_not_of(" \t\r\n") == std::string::npos) {
        report.refusal = "it is empty: there is no header row";
        return false;
    }
    if (!CsvReaderAvailable()) {
        report.refusal = CsvReaderMissingText();
        return false;
    }
    report.delimiter = GuessDelimiter(prepared.text);
    BookCollection work = books;
    Importer importer(work, options, report, prepared.encoding);
    ReadCsv(
        prepared.text, report.delimiter, prepared.encoding != TextEncoding::Cp1252,
        [&importer](CsvRow& row) { importer.OnRow(row); },
        [&importer](const CsvProblem& problem) { return importer.OnProblem(problem); });
    if (importer.Failed()) return false;
    if (!report.bad.empty() && !options.skipBad) {
        report.refusal = std::to_string(report.bad.size()) + (report.bad.size() == 1 ? " row" : " rows") +
                         " cannot be added";
        report.added = 0;
        report.replaced = Replacements();
        return false;
    }
    importer.Finish();
    books = std::move(work);
    return true;
}

}  // namespace tome
