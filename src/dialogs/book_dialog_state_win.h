// The book dialog's state, shared with the main window's commands
// (presetAuthor) and its keyboard hook (hBookDialog, authorBoxHasFocus).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tome {

struct BookDialogState {
    HWND hBookDialog = nullptr;      // the open (or last) book dialog
    int32_t dialogBookNumber = 0;    // book shown by the dialog, 0 when adding
    int32_t presetAuthor = 0;        // author list number put into a new book's Author box
    std::string stashedOrderDate;    // order date put aside by "Have read" for "Want to read"
    int32_t authorBoxHasFocus = 0;   // 1 while the Author box has the keyboard focus
    bool viewMode = false;           // the open dialog only shows its book
    int32_t savedPosition = 0;       // after a save: the sortIndex position the book went to
};
extern BookDialogState bookDialog;

constexpr int AuthorBoxId = 2021;

}  // namespace tome
