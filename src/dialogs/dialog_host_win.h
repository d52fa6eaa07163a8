// What the book dialog and list maintenance need of the window that opens
// them: their owner, the visible list, and how the list shows a change. The
// main window puts its own in place; the dialogs know nothing else of it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // The dialogs' owner.
    virtual HWND Owner() = 0;
    // The book number at a display position of the visible list.
    virtual int32_t BookAtRow(int32_t position) = 0;
    // Gives the visible list the keyboard focus.
    virtual void FocusList() = 0;
    // After a save: the All Books tab becomes the shown one, refilled with
    // the book at sortIndex position selected and up to nine rows above it.
    virtual void ShowSavedBook(int32_t position) = 0;
    // After a change to a drop-down list: the visible list refilled.
    virtual void RefillList() = 0;
};

// Set by the main window before either dialog can open; null until then.
extern DialogHost* dialogHost;

}  // namespace tome
