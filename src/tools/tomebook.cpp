// tomebook: the command-line companion of Tomecase. Shows a book file as
// JSON, builds a book file from JSON, checks a file as the program would,
// and exports and imports books as CSV.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "books/book_file.h"
#include "books/book_store.h"
#include "books/file_system.h"
#include "tools/book_json.h"
#include "tools/csv_commands.h"
#include "tools/csv_shapes.h"

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int BadArguments = 2;

const char UsageCommands[] =
    "Usage:\n"
    "  tomebook dump FILE.lib             print the book file as JSON (UTF-8)\n"
    "  tomebook build FILE.json FILE.lib  write the book file for a JSON document\n"
    "  tomebook check FILE.lib            exit 0 for a good book file; otherwise show\n"
    "                                     why Tomecase refuses it and exit 1\n";
const char UsageEnd[] =
    "Results go to standard output, refusals and failures to standard error.\n"
    "Exit codes: 0 done, 1 refused or failed, 2 bad arguments.\n";

std::string Usage() { return std::string(UsageCommands) + tome::CsvUsage + UsageEnd; }

// A document is read only up to a book file's own limit: one much larger
// could not be built in memory anyway.
constexpr size_t LargestDocument = tome::LargestBookFile;

// The program's messages end lines with CR LF; a console wants plain newlines.
std::string WithNewlines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

void Print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int Fail(const std::string& message) {
    Print(stderr, "tomebook: " + message + "\n");
    return Failure;
}

// The program's own refusal of a book file, as it would show it.
int Refuse(const std::string& message) {
    Print(stderr, WithNewlines(message) + "\n");
    return Failure;
}

int Dump(const std::string& path) {
    tome::FileSystem& fs = tome::SystemFileSystem();
    std::vector<uint8_t> bytes;
    const tome::IoStatus read = fs.ReadAll(path, /*createIfMissing=*/false, tome::LargestBookFile, bytes);
    if (read.tooLarge) return Refuse(tome::RefusalMessage(path, tome::TooLargeReason()));
    if (!read.ok) return Fail("cannot read " + path + ": " + read.detail);
    tome::BookCollection books;
    std::string reason;
    if (!tome::ParseBookFile(bytes.data(), bytes.size(), books, reason)) {
        return Refuse(tome::RefusalMessage(path, reason));
    }
    Print(stdout, tome::CollectionToJson(books));
    return std::fflush(stdout) == 0 ? Success : Fail("cannot write the JSON to standard output");
}

int Build(const std::string& jsonPath, const std::string& bookPath) {
    tome::FileSystem& fs = tome::SystemFileSystem();
    std::vector<uint8_t> bytes;
    const tome::IoStatus read = fs.ReadAll(jsonPath, /*createIfMissing=*/false, LargestDocument, bytes);
    if (read.tooLarge) {
        return Fail(jsonPath + ": it is larger than the " + std::to_string(LargestDocument) +
                    " bytes a document may have; " + bookPath + " was not written");
    }
    if (!read.ok) return Fail("cannot read " + jsonPath + ": " + read.detail);
    tome::BookCollection books;
    std::string reason;
    if (!tome::CollectionFromJson(std::string(bytes.begin(), bytes.end()), books, reason)) {
        return Fail(jsonPath + ": " + reason + "; " + bookPath + " was not written");
    }
    const std::vector<uint8_t> file = tome::SerializeBookFile(books);
    // The document was checked field by field; the program's own reader has the last word.
    tome::BookCollection reread;
    if (!tome::ParseBookFile(file.data(), file.size(), reread, reason)) {
        return Fail(jsonPath + " would make a book file that Tomecase refuses: " + reason);
    }
    const tome::IoStatus written = tome::ReplaceFileContent(fs, bookPath, file);
    if (!written.ok) return Fail("cannot write " + bookPath + ": " + written.detail + "; it was left as it was");
    return Success;
}

int Check(const std::string& path) {
    tome::FileSystem& fs = tome::SystemFileSystem();
    // The program creates a missing file; a check must not, and reads
    // nothing of it but the system's words on why it cannot.
    if (!fs.Exists(path)) {
        std::vector<uint8_t> none;
        const tome::IoStatus read = fs.ReadAll(path, /*createIfMissing=*/false, 0, none);
        if (!read.ok && !read.tooLarge) {
            return Refuse(tome::RefusalMessage(path, "It could not be read: " + read.detail));
        }
    }
    tome::BookCollection books;
    tome::FileState state;
    const tome::Outcome loaded = tome::LoadBookFile(fs, path, books, state);
    if (!loaded.ok) return Refuse(loaded.message);
    Print(stdout, path + ": a good book file with " + std::to_string(books.bookCount()) +
                      (books.bookCount() == 1 ? " book\n" : " books\n"));
    return Success;
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "help" || args[0] == "--help" || args[0] == "-h")) {
        Print(stdout, Usage() + "\n" + tome::ShapesHelp);
        return Success;
    }
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1]);
    if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2]);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if (!args.empty() && args[0] == "export") return tome::ExportCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "import") return tome::ImportCommand({args.begin() + 1, args.end()});
    Print(stderr, Usage());
    return BadArguments;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        return Fail("there is not enough memory for this file");
    }
}
