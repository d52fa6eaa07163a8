#include "controls/column_list_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/child_window_win.h"

namespace tome {

int32_t* cColumnList::sharedListId_ = nullptr;

void cColumnList::ShareListId(int32_t* id) { sharedListId_ = id; }

namespace {

// Characters FitText measures at most.
constexpr int MaxFitChars = 127;

void Attach(HWND control, cColumnList* list) {
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(list));
}

// Pixel size of 1024 x 1024 dialog units of the parent.
SIZE Mapped1024(HWND parent) {
    RECT r = {0, 0, 1024, 1024};
    if (!MapDialogRect(parent, &r)) {
        // Not a dialog: its dialog units are the system's base units.
        const LONG base = GetDialogBaseUnits();
        r.right = MulDiv(1024, LOWORD(base), 4);
        r.bottom = MulDiv(1024, HIWORD(base), 8);
    }
    return SIZE{r.right, r.bottom};
}

// Advance widths of a font's 256 characters. GDI measures a run of text as
// the sum of its characters' advances, so fitting by the table gives what
// GetTextExtentExPointA gives without a call per cell (filling 100,000 rows
// measures 600,000 cells). The table is trusted only when it reproduces GDI's
// own extent of every character in one run.
class CharWidths {
public:
    // True when the table describes font, measuring it on dc first if needed.
    bool For(HGDIOBJ font, HDC (*getDc)(void*), void* context) {
        LOGFONTA current = {};
        if (font == nullptr || GetObjectA(font, sizeof current, &current) == 0) return false;
        if (loaded_ && std::memcmp(&current, &font_, sizeof current) == 0) return usable_;
        loaded_ = true;
        font_ = current;
        HDC dc = getDc(context);
        usable_ = dc != nullptr && GetCharWidth32A(dc, 0, 255, widths_) != 0;
        if (usable_) {
            char all[255];
            int sum = 0;
            for (int c = 1; c <= 255; ++c) {
                all[c - 1] = static_cast<char>(c);
                sum += widths_[c];
            }
            SIZE extent = {};
            usable_ = GetTextExtentPoint32A(dc, all, 255, &extent) && extent.cx == sum;
        }
        return usable_;
    }

    int Fit(std::string_view text, int measured, int32_t maxWidth) const {
        int width = 0;
        for (int i = 0; i < measured; ++i) {
            width += widths_[static_cast<uint8_t>(text[static_cast<size_t>(i)])];
            if (width > maxWidth) return i;
        }
        return measured;
    }

private:
    bool loaded_ = false;
    bool usable_ = false;
    LOGFONTA font_ = {};
    int widths_[256] = {};
};

CharWidths& FontWidths() {
    static CharWidths widths;
    return widths;
}

}  // namespace

// Measures text in a window's font: by the width table when it holds for the
// font, otherwise with GDI on the window's device context, which is only
// fetched when it is needed. Looking up the font and its table takes round
// trips to the window system, so a fill keeps one measurer for all its rows.
class cColumnList::Measurer {
public:
    explicit Measurer(HWND window)
        : window_(window), font_(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0))) {
        byTable_ =
            FontWidths().For(font_, [](void* self) { return static_cast<Measurer*>(self)->Dc(); }, this);
    }
    ~Measurer() {
        if (dc_ == nullptr) return;
        if (oldFont_) SelectObject(dc_, oldFont_);
        ReleaseDC(window_, dc_);
    }
    Measurer(const Measurer&) = delete;
    Measurer& operator=(const Measurer&) = delete;

    // How many leading characters (of at most 127) fit in maxWidth.
    size_t Fit(std::string_view text, int32_t maxWidth) {
        const int measured = static_cast<int>(std::min<size_t>(text.size(), MaxFitChars));
        if (byTable_) return static_cast<size_t>(FontWidths().Fit(text, measured, maxWidth));
        int fit = 0;
        SIZE extent;
        if (!GetTextExtentExPointA(Dc(), text.data(), measured, maxWidth, &fit, nullptr, &extent)) {
            // Nothing could be measured: keep what would have been measured,
            // the list box clips the rest.
            fit = measured;
        }
        return static_cast<size_t>(std::clamp(fit, 0, measured));
    }

private:
    HDC Dc() {
        if (dc_ == nullptr) {
            dc_ = GetDC(window_);
            oldFont_ = font_ ? SelectObject(dc_, font_) : nullptr;
        }
        return dc_;
    }

    HWND window_;
    HGDIOBJ font_;
    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    bool byTable_ = false;
};

cColumnList::cColumnList() = default;
cColumnList::~cColumnList() = default;

HWND cColumnList::ListBox() const { return hParent_ ? GetDlgItem(hParent_, ControlId()) : nullptr; }

bool cColumnList::PixelBased(HWND parent) const {
    RECT outer;
    GetWindowRect(parent, &outer);
    const int32_t pixels = outer.right - outer.left;
    const int32_t ownUnits =
        GetPropA(parent, DialogUnitsProperty) ? PixelsToDialogUnits(pixels, Mapped1024(parent).cx) : pixels;
    return pixels == ownUnits;
}

void cColumnList::GetListOrigin(int32_t& x, int32_t& y) const {
    x = originX_;
    y = originY_;
}

void cColumnList::Create(HWND parent, int32_t listId, int32_t x, int32_t y, int32_t width, int32_t height,
                         const int32_t* percentages, const std::string* headings, int32_t n) {
    hParent_ = parent;
    *sharedListId_ = listId;

    const bool pixelBased = PixelBased(parent);
    const SIZE mapped = Mapped1024(parent);
    HDC dc = GetDC(parent);
    SIZE zero = {0, 0};
    GetTextExtentPoint32A(dc, "0", 1, &zero);
    ReleaseDC(parent, dc);
    int32_t rowHeight = HeadingHeight(zero.cy);
    int32_t scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    if (!pixelBased) {
        rowHeight = PixelsToDialogUnits(rowHeight, mapped.cy);
        scrollBar = PixelsToDialogUnits(scrollBar, mapped.cx);
    }

    const std::vector<int32_t> percent(percentages, percentages + std::max(n, 0));
    const std::vector<std::string> heading(headings, headings + std::max(n, 0));
    model_.SetLayout(LayOutColumns(width, scrollBar, percent, heading));
    const ColumnLayout& layout = model_.Layout();
    originX_ = x;
    originY_ = y + rowHeight;

    // Rectangles in the parent's units, then in pixels for CreateWindowEx.
    auto place = [&](int32_t left, int32_t top, int32_t w, int32_t h) {
        RECT r = {left, top, left + w, top + h};
        if (!pixelBased) MapDialogRect(parent, &r);
        return r;
    };

    HWND list = CreateChild(parent, WS_EX_CLIENTEDGE, "LISTBOX", "",
                            LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_USETABSTOPS, listId,
                            place(x, y + rowHeight, width - 8, height - rowHeight - 10));
    Attach(list, this);

    std::vector<int32_t> stops = layout.tabStops;
    if (pixelBased) stops = TabStopsInDialogUnits(stops, mapped.cx);
    SendMessageA(list, LB_SETTABSTOPS, static_cast<WPARAM>(stops.size()), reinterpret_cast<LPARAM>(stops.data()));

    for (int32_t i = 1; i <= layout.count(); ++i) {
        const HeadingLabel& label = layout.headings[i];
        HWND h = CreateChild(parent, WS_EX_STATICEDGE, "STATIC", label.text,
                             SS_NOTIFY | (label.rightAligned ? SS_RIGHT : SS_LEFT), listId + i,
                             place(x + label.offset, y, label.width, rowHeight));
        Attach(h, this);
    }
}

void cColumnList::SetRowCount(int32_t count) {
    EndFill();
    model_.SetRowCount(count);
}

// The next row looks the list box and its font up again.
void cColumnList::EndFill() { fillMeasurer_.reset(); }

const std::string& cColumnList::StoreRow(const std::string& text, int32_t itemValue) {
    if (!fillMeasurer_) fillMeasurer_ = std::make_unique<Measurer>(ListBox());
    Measurer& measure = *fillMeasurer_;
    return model_.AddRow(text, itemValue,
                         [&measure](std::string_view cell, int32_t maxWidth) { return measure.Fit(cell, maxWidth); });
}

void cColumnList::AddRow(const std::string& text, int32_t itemValue) { StoreRow(text, itemValue); }

void cColumnList::AddRow(std::string& text, int32_t itemValue) { text = StoreRow(text, itemValue); }

void cColumnList::FitText(HWND window, std::string& text, int32_t maxWidth) const {
    text.resize(Measurer(window).Fit(text, maxWidth));
}

void cColumnList::SelectRow(int32_t position, int32_t top) {
    HWND list = ListBox();
    const bool quiet = position < 0;
    const int32_t p = model_.SetCurrentRow(position);
    if (list == nullptr) return;
    if (quiet) SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(p - 1), 0);
    // The list box would take -1 as "scroll to the top"; top 0 leaves the
    // scrolling that selecting did.
    if (top >= 1) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top - 1), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    if (quiet) InvalidateRect(list, nullptr, TRUE);
}

void cColumnList::Redisplay() {
    EndFill();
    HWND list = ListBox();
    if (list == nullptr) {
        model_.ForgetShown();
        return;
    }
    const int32_t rows = model_.ShownRowCount();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    if (model_.UnchangedSinceShown() && SendMessageA(list, LB_GETCOUNT, 0, 0) == rows) {
        // The list box holds these very rows (a switch back to a tab where
        // nothing changed): it is left as re-adding them would leave it,
        // nothing selected and scrolled to the top.
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    } else {
        AddAllRows(list, rows);
    }
    model_.MarkShown();
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);

    SetForegroundWindow(GetAncestor(list, GA_ROOT));
    SetFocus(list);
}

void cColumnList::AddAllRows(HWND list, int32_t rows) {
    size_t bytes = 0;
    for (int32_t p = 1; p <= rows; ++p) bytes += model_.DisplayText(p).size() + 1;
    // Filling 100,000 rows one by one is slow when the list box grows its
    // storage and repaints after every row.
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(rows), static_cast<LPARAM>(bytes));
    for (int32_t p = 1; p <= rows; ++p) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(model_.DisplayText(p).c_str()));
    }
}

void cColumnList::ShowSorted() {
    Redisplay();
    SelectRow(model_.StoredCurrentRow(), 0);
}

void cColumnList::ClickHeading(int32_t column, HWND heading) {
    const ColumnListModel::HeadingClick click = model_.ClickHeading(column);
    if (click.sorted) ShowSorted();
    SelectRow(click.position, 0);
    SetFocus(heading);
}

LRESULT ColumnListNotify(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return 0;
    const int32_t id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code != STN_CLICKED && code != LBN_SELCHANGE) return 0;
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) return 0;
    auto* list = reinterpret_cast<cColumnList*>(GetWindowLongPtrA(control, GWLP_USERDATA));
    if (list == nullptr) return 0;

    if (id == list->ControlId() && code == LBN_SELCHANGE) {
        const LRESULT selected = SendMessageA(control, LB_GETCURSEL, 0, 0);
        const int32_t position = selected == LB_ERR ? 0 : static_cast<int32_t>(selected) + 1;
        list->SelectRow(std::max(position, 1), 0);
    } else if (id != list->ControlId() && code == STN_CLICKED) {
        list->ClickHeading(id - list->ControlId(), control);
    }
    return 0;
}

}  // namespace tome
