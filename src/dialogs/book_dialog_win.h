// The book dialog: adds a book, edits one or shows one read-only, over the
// core's SaveBook. Also what the list maintenance dialog and the main window
// share with it: FillDropDown and TextOf.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "books/collection.h"
#include "dialogs/book_dialog_state_win.h"

namespace tome {

// Controls of the book dialog besides the Author box (AuthorBoxId).
constexpr int TitleBoxId = 2022;
constexpr int CallNumberBoxId = 2023;
constexpr int OrderDateBoxId = 2024;
constexpr int PubYearBoxId = 2025;
constexpr int PublisherBoxId = 2026;
constexpr int LibraryBoxId = 2027;
constexpr int CategoryBoxId = 2028;
constexpr int BookWantToReadId = 2031;
constexpr int BookHaveReadId = 2032;
constexpr int CommentsBoxId = 2033;

// 0 adds a book; p > 0 edits and p < 0 shows read-only the book at display
// position |p| of the visible list. A save has the host show the saved book
// in All Books. Afterwards the visible list has the keyboard focus.
void ShowBookDialog(int32_t position);
INT_PTR CALLBACK BookDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Fills a sorted drop-down box from a list, each item carrying its list
// number as item data. An empty list leaves the box as it is.
void FillDropDown(HWND dialog, int controlId, const TextList& list);

// For the keyboard hook on Backspace and Delete: while the Author box has the
// focus, removes its selected (completed) characters and puts the caret at
// the end, so the key then acts on what was typed.
void RemoveAuthorCompletion();

// A window's text.
std::string TextOf(HWND window);

}  // namespace tome
