#include "app/main_commands_win.h"

#include <windows.h>

#include <iterator>
#include <string>

#include "app/about_box_win.h"
#include "app/commands.h"
#include "app/help_win.h"
#include "app/main_state_win.h"
#include "app/main_window_win.h"
#include "app/screen_win.h"
#include "app/tab_pages_win.h"
#include "books/program_state.h"
#include "dialogs/book_dialog_win.h"
#include "dialogs/list_maintenance_win.h"
#include "print/reports_win.h"

namespace tome {

namespace {

// The book shown at a row of the visible list; 0 when the row shows none.
int32_t BookAtRow(int32_t row) {
    const int32_t b = mainState.activeList->ItemDataAt(row);
    return b >= 1 && b <= collection.bookCount() ? b : 0;
}

void OpenFile(int32_t) { MainFileFlows().Open(); }
void SaveFile(int32_t) { MainFileFlows().Save(); }
void SaveFileAs(int32_t) { MainFileFlows().SaveAs(); }
void PrintVisibleList(int32_t) { PrintBookList(collection, mainState.activeTab); }

// The same path as the close box, with its question about unsaved changes.
void Quit(int32_t) { SendMessageA(mainState.hMainWindow, WM_SYSCOMMAND, SC_CLOSE, 0); }

// A new book starts with the author of the selected one.
void AddBook(int32_t) {
    bookDialog.presetAuthor = 0;
    const int32_t p = mainState.activeList->CurrentRow();
    if (p != 0) {
        if (const int32_t b = BookAtRow(p)) bookDialog.presetAuthor = collection.records[b].author;
    }
    ShowBookDialog(0);
}

void EditSelectedBook(int32_t) {
    const int32_t p = mainState.activeList->CurrentRow();
    if (p != 0) ShowBookDialog(p);
}
void ViewBook(int32_t) { ViewSelectedBook(); }

// Only marks the book: it is purged at the next save.
void DeleteSelectedBook(int32_t) {
    const int32_t p = mainState.activeList->CurrentRow();
    if (p == 0) return;
    const int32_t b = BookAtRow(p);
    if (b == 0) return;
    const std::string question = "Are you sure you want to delete this book?\r\n\r\n" + collection.titles[b] +
                                 "\r\nBy " + AuthorText(collection, b);
    if (mainLinks.prompts->Ask(question, "Book Removal", mb::YesNo | mb::IconExclamation) != AnswerYes) return;
    DeleteBook(collection, b);
    // The deleted row's display position goes where FillList takes a
    // sortIndex position: the book there is selected if it is shown.
    FillList(p, 0);
    fileState.fileChanged = 1;
}

void PrintSelectedBook(int32_t) {
    const int32_t p = mainState.activeList->CurrentRow();
    if (p != 0) PrintBook(collection, *mainState.activeList, p);
}

void MaintainList(int32_t id) { ShowListMaintenance(id); }
void ShowTab(int32_t id) { ShowTabFromMenu(id - 300); }
void ShowHelp(int32_t) { ShowHelpContents(); }
void ShowAbout(int32_t) { ShowAboutBox(); }

struct CommandRow {
    int32_t id;
    void (*run)(int32_t id);
};

constexpr CommandRow Commands[] = {
    {cmd::Open, OpenFile},
    {cmd::Save, SaveFile},
    {cmd::SaveAs, SaveFileAs},
    {cmd::Print, PrintVisibleList},
    {cmd::Exit, Quit},
    {cmd::AddBook, AddBook},
    {cmd::EditBook, EditSelectedBook},
    {cmd::ViewBook, ViewBook},
    {cmd::DeleteBook, DeleteSelectedBook},
    {cmd::PrintBook, PrintSelectedBook},
    {cmd::MaintainAuthors, MaintainList},
    {cmd::MaintainCallNumbers, MaintainList},
    {cmd::MaintainPublishers, MaintainList},
    {cmd::MaintainLibraries, MaintainList},
    {cmd::MaintainCategories, MaintainList},
    {cmd::ViewAllBooks, ShowTab},
    {cmd::ViewWantToRead, ShowTab},
    {cmd::ViewHaveRead, ShowTab},
    {cmd::ViewCustomList, ShowTab},
    {cmd::HelpContents, ShowHelp},
    {cmd::About, ShowAbout},
};

}  // namespace

void ViewSelectedBook() {
    const int32_t p = mainState.activeList->CurrentRow();
    if (p != 0) ShowBookDialog(-p);
}

void RunCommand(int32_t id) {
    const int32_t command = CommandOf(id);
    for (const CommandRow& row : Commands) {
        if (row.id == command) {
            row.run(command);
            return;
        }
    }
}

}  // namespace tome
