// cColumnList: a multi-column list made of a list box with tab stops and one
// clickable heading label per column, all children of a parent page. The
// rows live in a ColumnListModel; the list box shows them after Redisplay.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/column_list_model.h"

namespace tome {

// Window property on a parent measured in dialog units. Parents without it
// (the program's pages) are measured in pixels.
constexpr char DialogUnitsProperty[] = "Tomecase.DialogUnits";

class cColumnList {
public:
    cColumnList();
    ~cColumnList();
    // The controls point at the object.
    cColumnList(const cColumnList&) = delete;
    cColumnList& operator=(const cColumnList&) = delete;

    // Every column list looks its list box up by one shared ID, that of the
    // visible tab's list box (the main window's state keeps it), on its own
    // parent: one whose tab is not visible finds none and changes only its
    // model. Create sets it to the new list's ID. The window that shows the
    // lists names it here before the first Create.
    static void ShareListId(int32_t* id);

    HWND ParentHandle() const { return hParent_; }
    int32_t ControlId() const { return *sharedListId_; }
    int32_t ColumnCount() const { return model_.ColumnCount(); }
    int32_t RowCount() const { return model_.RowCount(); }
    // Setting the count starts a new fill.
    void SetRowCount(int32_t count);
    int32_t CurrentRow() const { return model_.CurrentRow(); }
    // Selects a display position (its sign dropped, at least 1) and scrolls
    // position top to the top when top >= 1. A negative position keeps the
    // list from redrawing until both are done.
    void SelectRow(int32_t position, int32_t top);
    // Shows the model's rows in display order in the list box, adding them
    // again unless it holds exactly these already, and gives it the focus.
    void Redisplay();
    int32_t RowAt(int32_t position) const { return model_.RowAt(position); }
    int32_t ItemDataAt(int32_t position) const { return model_.ItemDataAt(position); }
    void GetListOrigin(int32_t& x, int32_t& y) const;
    // Builds the list box and its n headings on parent. Positions and sizes
    // are in the parent's units; a negative percentage right-aligns a column.
    void Create(HWND parent, int32_t listId, int32_t x, int32_t y, int32_t width, int32_t height,
                const int32_t* percentages, const std::string* headings, int32_t n);
    // Appends a row of TAB-joined cells; text receives the row as stored,
    // each cell cut to what fits in its column. The rows of one fill (from
    // SetRowCount to Redisplay) are measured with the list box and font
    // looked up by the first of them.
    void AddRow(std::string& text, int32_t itemValue);
    // The same for a caller that keeps its text as it was.
    void AddRow(const std::string& text, int32_t itemValue);
    // Cuts text to the leading characters that fit in maxWidth pixels in the
    // window's font; at most 127 characters are measured and kept.
    void FitText(HWND window, std::string& text, int32_t maxWidth) const;

    const ColumnListModel& Model() const { return model_; }

private:
    friend LRESULT ColumnListNotify(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

    HWND ListBox() const;
    void AddAllRows(HWND list, int32_t rows);
    void ShowSorted();
    void ClickHeading(int32_t column, HWND heading);
    bool PixelBased(HWND parent) const;

    class Measurer;
    const std::string& StoreRow(const std::string& text, int32_t itemValue);
    void EndFill();

    static int32_t* sharedListId_;
    std::unique_ptr<Measurer> fillMeasurer_;
    HWND hParent_ = nullptr;
    ColumnListModel model_;
    int32_t originX_ = 0;
    int32_t originY_ = 0;
};

// The parent page's handler calls this first with every WM_COMMAND: it
// follows selection changes of a column list's list box and sorts on a
// heading click, keeping the selected row's item selected. Returns 0.
LRESULT ColumnListNotify(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tome
