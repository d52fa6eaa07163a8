// The real main window with a large book file, timed action by action under
// Wine: start-up to a filled list, tab switches, a heading sort, Find
// keystrokes, add, edit, delete, the custom list and Save. Each time is shown
// beside a bare list-box fill of the same rows in the same run, as a ratio.
// The run fails only on wrong results, never on times.
//
//   app_bench [--short] [--books N | --file FILE.lib]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/commands.h"
#include "app/main_state_win.h"
#include "app/main_window_proc_win.h"
#include "app/main_window_win.h"
#include "bench_collection.h"
#include "bench_screen_win.h"
#include "books/book_file.h"
#include "books/program_state.h"
#include "books/text_case.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/dialog_engine_win.h"

namespace tome::bench {
namespace {

struct Options {
    int32_t books = BenchBookCount;
    int repeats = 3;
    std::string file;  // a book file to start with instead of generated books
};

Options ReadOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--short") == 0) {
            options.books = 5000;
            options.repeats = 1;
        } else if (std::strcmp(argv[i], "--books") == 0 && i + 1 < argc) {
            options.books = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--file") == 0 && i + 1 < argc) {
            options.file = argv[++i];
        } else {
            std::fprintf(stderr, "usage: app_bench [--short] [--books N | --file FILE.lib]\n");
            std::exit(2);
        }
    }
    return options;
}

// Books not deleted, with the flag when one is given.
int32_t ShownBooks(const BookFlag* flag = nullptr) {
    int32_t n = 0;
    for (const BookRecord& r : collection.records.raw()) {
        if (!r.has(Deleted) && (flag == nullptr || r.has(*flag))) ++n;
    }
    return n;
}

// The actions, in order, run inside the main window's message loop.
void RunActions(const Options& options, Report& report) {
    const int32_t all = ShownBooks();
    report.Check(RowsShown(1) == all, "start-up shows every book");
    report.Check(StatusPart(3) == " 1 : " + std::to_string(all), "status bar counts every book");

    const BookFlag wantToRead = WantToRead;
    // A tab whose rows have not changed since it was last shown keeps them.
    for (int i = 0; i < options.repeats; ++i) {
        report.Time(i == 0 ? "tab switch to Want to read, first time" : "tab switch to Want to read, unchanged",
                    [] { ClickTab(2); }, RowsAfter);
        report.Check(RowsShown(2) == ShownBooks(&wantToRead), "Want to read shows its books");
        report.Time("tab switch back to All Books, unchanged", [] { ClickTab(1); }, RowsAfter);
    }
    report.Check(RowsShown(1) == all && SelectedTab() == 1, "back on All Books");

    for (int i = 0; i < options.repeats; ++i) {
        report.Time("heading click: sort by title", [] { ClickHeading(1, 2); }, all);
        report.Check(TitlesInOrder(1), "titles in one direction after the sort");
    }

    const std::string author = LastAuthor();
    for (int i = 0; i < options.repeats; ++i) {
        report.Time("Find keystroke, hit near the end", [&] { TypeFind(author); }, 0);
        report.Check(LowerAnsi(SelectedAuthor(1)).find(LowerAnsi(author)) != std::string::npos,
                     "Find selects a row of the author");
        report.Time("Find keystroke, miss", [] { TypeFind("qqqqzz"); }, 0);
        report.Check(FindResult() == "Not found", "Find reports the miss");
    }
    EndFind();

    // Each round adds a book, edits it and deletes it again.
    for (int i = 0; i < options.repeats; ++i) {
        report.Time("add a book (Save pressed to list shown)", [] { AddBook("A new book of the bench"); }, all + 1);
        report.Check(RowsShown(1) == all + 1, "the added book is shown");
        report.Time("edit a book (Save pressed to list shown)",
                    [] { EditSelectedBook("An edited book of the bench"); }, all + 1);
        report.Check(RowsShown(1) == all + 1, "the edited book replaces the old one");
        // Titles are stored with their words capitalised.
        report.Check(SelectedTitle(1) == "An Edited Book of the Bench", "the edited book is selected");
        report.Time("delete a book (Yes pressed to list shown)", [] { DeleteSelectedBook(); }, all + 1);
        report.Check(RowsShown(1) == all, "the deleted book is gone");
    }

    // The books added and deleted were to read: that tab's rows changed.
    report.Time("tab switch to Want to read, changed", [] { ClickTab(2); }, RowsAfter);
    report.Check(RowsShown(2) == ShownBooks(&wantToRead), "Want to read shows its books after the changes");
    report.Time("tab switch to Custom list (author choices)", [] { ClickTab(4); }, 0);
    for (int i = 0; i < options.repeats; ++i) {
        int32_t custom = 0;
        report.Time("custom list by an author", [&] { custom = BuildCustomListOf(author); }, 0);
        report.Check(custom > 0 && RowsShown(4) == custom, "the custom list shows the author's books");
    }

    ClickTab(1);
    for (int i = 0; i < options.repeats; ++i) {
        report.Time("Save (purges deleted books, refills)", [] { Command(cmd::Save); }, all);
        report.Check(fileState.fileChanged == 0 && RowsShown(1) == all, "saved and refilled");
    }
}

}  // namespace
}  // namespace tome::bench

int main(int argc, char** argv) {
    using namespace tome;
    using namespace tome::bench;
    const Options options = ReadOptions(argc, argv);
    BenchFolder folder;
    BookCollection books;
    if (!options.file.empty() && !ReadBookFile(options.file, books)) {
        std::fprintf(stderr, "app_bench: cannot read %s\n", options.file.c_str());
        return 2;
    }
    if (options.file.empty()) books = MakeBenchCollection(options.books);
    std::printf("app_bench: %d books%s%s, %s build\n", books.bookCount(), options.file.empty() ? "" : " from ",
                options.file.c_str(), sizeof(void*) == 8 ? "64-bit" : "32-bit");
    std::fflush(stdout);
    const std::string bookFile = folder.Start(books);

    Report report;
    const int result = RunMainWindow(folder, [&](double startedAt) {
        report.TimeSince("start-up: load, fill, first paint", startedAt, RowsShown(1));
        RunActions(options, report);
    });
    report.Check(result == 0, "the main window ran");
    for (int i = 0; i < options.repeats; ++i) {
        bool loaded = false;
        report.Time("load the book file alone", [&] { loaded = LoadAlone(bookFile); }, -1);
        report.Check(loaded, "the book file loads");
        report.Time("plain read of the same bytes", [&] { ReadWholeFile(bookFile); }, -1);
    }
    return report.Finish();
}
