// What list filling and Find need from the screen: the column list of the
// visible tab and the main window's status bar, Find box and Find result
// label. The program implements these over its controls; tests use fakes.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

class VisibleList {
public:
    virtual void SetRowCount(int32_t count) = 0;
    // Appends a row: cell texts joined by TAB, and the book number it shows.
    // The list keeps its own copy of what it needs.
    virtual void AddRow(const std::string& text, int32_t itemValue) = 0;
    virtual void Redisplay() = 0;
    // A negative position selects without redrawing in between; top 0 leaves
    // the scroll position to the list.
    virtual void SelectRow(int32_t position, int32_t top) = 0;
    // 0 when the list has no rows.
    virtual int32_t CurrentRow() const = 0;
    // 0 for a position outside the rows.
    virtual int32_t ItemDataAt(int32_t position) const = 0;

protected:
    ~VisibleList() = default;
};

class MainWindowTexts {
public:
    // part 1..3 from the left.
    virtual void SetStatusText(int32_t part, const std::string& text) = 0;
    virtual std::string FindText() const = 0;
    // Like any change of the Find box's text, this runs FindNext again
    // before it returns (the edit control's change notification).
    virtual void SetFindText(const std::string& text) = 0;
    // Puts the caret at a character position, nothing selected.
    virtual void SetFindCaret(int32_t position) = 0;
    virtual void SetFindResult(const std::string& text) = 0;

protected:
    ~MainWindowTexts() = default;
};

}  // namespace tome
