// What the Windows benchmark does to the real main window, as a user would
// (tab clicks, heading clicks, typing in the Find box, the book dialog), and
// how it times and reports each action against a bare list-box fill.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "books/collection.h"
#include "main_window_driver_win.h"
#include "win_test_support.h"

namespace tome::bench {

double Seconds();

// A data folder with the book file and the settings that name it.
class BenchFolder {
public:
    // Writes the books; returns the book file's path.
    std::string Start(const BookCollection& books);
    std::string Documents() const { return folder_.path(); }

private:
    tome_test::TempFolder folder_;
};

// Builds the main window over the folder and runs it; body(startedAt) runs in
// its message loop once start-up has painted, startedAt being when the window
// began to be built. 0 when the window ran and closed.
int RunMainWindow(const BenchFolder& folder, const std::function<void(double startedAt)>& body);

// Times actions, each followed by the paint it causes, and pairs each with a
// bare fill of the same number of rows.
// A bare fill of as many rows as the visible list shows after the action.
constexpr int32_t RowsAfter = -2;

class Report {
public:
    // bareRows > 0: a bare fill of that many rows is timed right after;
    // 0: the time alone; -1: the time alone, for a baseline of its own;
    // RowsAfter: the rows the visible list shows after the action.
    void Time(const std::string& what, const std::function<void()>& action, int32_t bareRows);
    void TimeSince(const std::string& what, double startedAt, int32_t bareRows);
    void Check(bool ok, const std::string& what);
    // Prints the best time of each action beside the best bare fill of its
    // rows (the machines are shared: the least time is the least disturbed),
    // then the failed checks; 1 when any failed.
    int Finish();

private:
    struct Best {
        double seconds = 1e9;
        double bare = 1e9;
        int32_t rows = 0;
        int runs = 0;
    };
    void Line(const std::string& what, double seconds, int32_t bareRows);
    std::vector<std::string> failures_;
    std::vector<std::string> order_;
    std::map<std::string, Best> best_;
};

// The running main window, as the user sees it (and main_window_driver_win.h).
using tome_test::window::ClickTab;
using tome_test::window::Command;
using tome_test::window::RowsShown;
using tome_test::window::StatusPart;
int SelectedTab();
std::string FindResult();
std::string SelectedTitle(int t);
std::string SelectedAuthor(int t);
// Titles of tab t all ascending or all descending, case folded.
bool TitlesInOrder(int t);
// The author of the last row of All Books.
std::string LastAuthor();

// The user's actions.
void ClickHeading(int t, int column);
void TypeFind(const std::string& text);
void EndFind();
void AddBook(const std::string& title);
void EditSelectedBook(const std::string& title);
void DeleteSelectedBook();
// Chooses the author on the custom list's page (the tab shown); the rows it shows.
int32_t BuildCustomListOf(const std::string& author);

std::string ReadWholeFile(const std::string& path);
// Loads the file into a collection of its own; false when it is refused.
bool LoadAlone(const std::string& path);
bool ReadBookFile(const std::string& path, BookCollection& books);

}  // namespace tome::bench
