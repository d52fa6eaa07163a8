#include "tools/csv_commands.h"

#include <cstdio>

#include "books/book_store.h"
#include "books/default_lists.h"
#include "books/file_system.h"
#include "tools/csv_export.h"
#include "tools/csv_import.h"
#include "tools/csv_shapes.h"

namespace tome {

const char CsvUsage[] =
    "  tomebook export FILE.lib OUT.csv [--tab]\n"
    "                                     write the books as CSV (UTF-8), or tab-separated\n"
    "  tomebook import FILE.lib IN.csv [--into OUT.lib] [--dry-run] [--skip-bad]\n"
    "                  [--keep-duplicates] [--comments-from COLUMN]...\n"
    "                                     add the rows of a CSV file as books, into FILE.lib\n"
    "                                     or a new OUT.lib; --dry-run only reports\n";

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int BadArguments = 2;
constexpr size_t ListedDuplicates = 20;
// A CSV file is read whole; one past a book file's own limit could not become one.
constexpr size_t LargestCsvFile = LargestBookFile;

void Print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int Fail(const std::string& message) {
    Print(stderr, "tomebook: " + message + "\n");
    return Failure;
}

int Usage() {
    Print(stderr, std::string("Usage:\n") + CsvUsage);
    return BadArguments;
}

std::string Plain(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

// A book file as Tomecase opens it; a missing one is a new, empty file.
bool OpenBooks(FileSystem& fs, const std::string& path, bool mayBeNew, BookCollection& books) {
    FileState state;
    if (!fs.Exists(path)) {
        if (!mayBeNew) Fail(path + " does not exist");
        return mayBeNew;
    }
    const Outcome loaded = LoadBookFile(fs, path, books, state);
    if (!loaded.ok) Print(stderr, Plain(loaded.message) + "\n");
    return loaded.ok;
}

std::string RowName(const SkippedRow& row) {
    return "row " + std::to_string(row.row) + " (line " + std::to_string(row.line) + ")";
}

void PrintSummary(std::FILE* out, const std::string& csvPath, const ImportReport& report) {
    const char* separator = report.delimiter == '\t' ? "tab" : report.delimiter == ';' ? "semicolon" : "comma";
    Print(out, csvPath + ": read as " + report.shape + ", " + report.encoding + ", " + separator + "-separated\n");
    for (size_t i = 0; i < report.duplicates.size() && i < ListedDuplicates; ++i) {
        Print(out, "  skipped " + RowName(report.duplicates[i]) + ": " + report.duplicates[i].why + "\n");
    }
    if (report.duplicates.size() > ListedDuplicates) {
        Print(out, "  and " + std::to_string(report.duplicates.size() - ListedDuplicates) + " more duplicates\n");
    }
    for (const SkippedRow& bad : report.bad) Print(out, "  skipped " + RowName(bad) + ": " + bad.why + "\n");
    std::string replaced = std::to_string(report.replaced.count);
    if (report.replaced.count > 0) replaced += " (by \"?\"; the first was " + report.replaced.first + ")";
    Print(out, "added: " + std::to_string(report.added) + "\nskipped as duplicates: " +
                   std::to_string(report.duplicates.size()) + "\nskipped as bad: " + std::to_string(report.bad.size()) +
                   "\ncharacters replaced: " + replaced + "\n");
}

struct ImportArgs {
    std::string bookPath, csvPath, into;
    bool dryRun = false;
    ImportOptions options;
};

bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& parsed) {
    std::vector<std::string> paths;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--dry-run") parsed.dryRun = true;
        else if (a == "--skip-bad") parsed.options.skipBad = true;
        else if (a == "--keep-duplicates") parsed.options.keepDuplicates = true;
        else if ((a == "--into" || a == "--comments-from") && i + 1 < args.size()) {
            if (a == "--into") parsed.into = args[++i];
            else parsed.options.commentsFrom.push_back(args[++i]);
        } else if (a.compare(0, 2, "--") == 0) return false;
        else paths.push_back(a);
    }
    if (paths.size() != 2) return false;
    parsed.bookPath = paths[0];
    parsed.csvPath = paths[1];
    return true;
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    char delimiter = ',';
    for (const std::string& a : args) {
        if (a == "--tab") delimiter = '\t';
        else if (a.compare(0, 2, "--") == 0) return Usage();
        else paths.push_back(a);
    }
    if (paths.size() != 2) return Usage();
    FileSystem& fs = SystemFileSystem();
    BookCollection books;
    if (!OpenBooks(fs, paths[0], false, books)) return Failure;
    const std::string text = ExportCsv(books, delimiter);
    const IoStatus written = ReplaceFileContent(fs, paths[1], std::vector<uint8_t>(text.begin(), text.end()));
    if (!written.ok) return Fail("cannot write " + paths[1] + ": " + written.detail + "; it was left as it was");
    return Success;
}

int ImportCommand(const std::vector<std::string>& args) {
    ImportArgs a;
    if (!ParseImportArgs(args, a)) return Usage();
    FileSystem& fs = SystemFileSystem();
    const std::string target = a.into.empty() ? a.bookPath : a.into;
    if (!a.into.empty() && fs.Exists(a.into)) {
        return Fail(a.into + " exists already; --into makes a new file (import into it directly instead)");
    }
    std::vector<uint8_t> bytes;
    const IoStatus read = fs.ReadAll(a.csvPath, /*createIfMissing=*/false, LargestCsvFile, bytes);
    if (!read.ok) return Fail("cannot read " + a.csvPath + ": " + read.detail);
    BookCollection books;
    if (!OpenBooks(fs, a.bookPath, true, books)) return Failure;
    // Opening a file without books offers the built-in lists, as Tomecase does.
    if (books.bookCount() == 0) LoadDefaultLists(books);

    ImportReport report;
    if (!ImportCsv(std::string(bytes.begin(), bytes.end()), books, a.options, report)) {
        if (!report.shape.empty()) {
            for (const SkippedRow& bad : report.bad) Print(stderr, "  " + RowName(bad) + ": " + bad.why + "\n");
        }
        return Fail(a.csvPath + ": " + report.refusal + "; nothing was imported and " + target +
                    " was not changed" + (report.bad.empty() ? "" : " (--skip-bad imports the other rows)"));
    }
    PrintSummary(stdout, a.csvPath, report);
    if (a.dryRun) {
        Print(stdout, "dry run: " + target + " was not written\n");
        return Success;
    }
    if (report.added == 0 && a.into.empty()) {
        Print(stdout, "nothing to add: " + target + " was not changed\n");
        return Success;
    }
    FileState state;
    state.currentFile = target;  // no settings file: tomebook is not Tomecase
    const Outcome saved = SaveBookFile(fs, books, state);
    if (!saved.ok) {
        Print(stderr, Plain(saved.message) + "\n");
        return Failure;
    }
    Print(stdout, "saved " + target + " with " + std::to_string(books.bookCount()) + " books\n");
    return Success;
}

}  // namespace tome
