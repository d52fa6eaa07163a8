// Program-wide values of the book dialog, shared with the main window's
// commands (presetAuthor) and its keyboard hook (hBookDialog, authorBoxHasFocus).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tome {

extern HWND hBookDialog;               // the open (or last) book dialog
extern int32_t dialogBookNumber;       // book shown by the dialog, 0 when adding
extern int32_t presetAuthor;           // author list number put into a new book's Author box
extern std::string stashedOrderDate;   // order date put aside by "Have read" for "Want to read"
extern int32_t authorBoxHasFocus;      // 1 while the Author box has the keyboard focus

constexpr int AuthorBoxId = 2021;

}  // namespace tome
