// The column list on a real page: list box, tab stops, headings, fitting with
// the real font, selecting, heading clicks, and a list whose tab is hidden.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "column_list_fixture.h"
#include "app/main_state_win.h"
#include "controls/column_list_win.h"

namespace tome_test {
namespace {

using ::testing::ElementsAre;
using tome::cColumnList;

// The page's own device context carries the system font: "0" is 16 pixels
// high, so the heading strip is 16 x 1.2 = 19.2 -> 19.
constexpr int32_t RowHeight = 19;

int32_t TextWidth(HWND window, const std::string& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

// Left edges of the runs of dark pixels along one item of the list box, as
// it paints itself.
std::vector<int> InkStarts(HWND listBox, int index) {
    RECT client, item;
    GetClientRect(listBox, &client);
    SendMessageA(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    HDC screen = GetDC(listBox);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    SendMessageA(listBox, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<int> starts;
    bool inInk = false;
    for (int x = 0; x < client.right; ++x) {
        bool ink = false;
        for (int y = item.top; y < item.bottom && !ink; ++y) {
            const COLORREF c = GetPixel(dc, x, y);
            ink = GetRValue(c) + GetGValue(c) + GetBValue(c) < 384;
        }
        if (ink && !inInk) starts.push_back(x);
        inInk = ink;
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(listBox, screen);
    return starts;
}

class ColumnListTest : public ColumnListWindow {};

TEST_F(ColumnListTest, CreateBuildsTheListBoxOnThePage) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    EXPECT_EQ(tome::mainState.activeListId, 2040);
    EXPECT_EQ(list.ControlId(), 2040);
    EXPECT_EQ(list.ParentHandle(), page);
    EXPECT_EQ(list.ColumnCount(), 6);

    HWND box = GetDlgItem(page, 2040);
    ASSERT_NE(box, nullptr);
    char cls[32] = "";
    GetClassNameA(box, cls, sizeof cls);
    EXPECT_STREQ(cls, "ListBox");
    const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
    const DWORD wanted = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL |
                         LBS_USETABSTOPS;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (LBS_SORT | LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE), 0u);
    EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongPtrA(box, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&list));
    EXPECT_EQ(SendMessageA(box, WM_GETFONT, 0, 0), SendMessageA(page, WM_GETFONT, 0, 0));

    const RECT r = RectInParent(box);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, RowHeight);
    EXPECT_EQ(r.right - r.left, 716 - 8);
    // Without LBS_NOINTEGRALHEIGHT the list box drops a partial last row.
    const LRESULT itemHeight = SendMessageA(box, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_LE(r.bottom - r.top, 398 - RowHeight - 10);
    EXPECT_GE(r.bottom - r.top, 398 - RowHeight - 10 - itemHeight);
    int32_t x = 0, y = 0;
    list.GetListOrigin(x, y);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, RowHeight);

    // SM_CXVSCROLL is 17 here: the widths and stops of 716 - 17 - 8 = 691.
    const tome::ColumnLayout& layout = list.Model().Layout();
    EXPECT_THAT(layout.columnWidth.raw(), ElementsAre(159, 221, 83, 62, 83, 83));
    EXPECT_THAT(layout.drawnWidth.raw(), ElementsAre(159, 221, 83, 62, 83, 83));
    EXPECT_THAT(layout.tabStops, ElementsAre(2, 161, 382, 465, 527, 608));
}

TEST_F(ColumnListTest, HeadingLabels) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2050, 80, 313);
    const char* texts[6] = {"  Author", "  Title", "  Call No", "  Pub Date", "    Ordered", "    Library"};
    const int lefts[6] = {2, 161, 382, 465, 527, 610};
    const int widths[6] = {159, 221, 83, 62, 83, 83};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        HWND label = GetDlgItem(page, 2050 + i);
        ASSERT_NE(label, nullptr);
        char text[64] = "";
        GetWindowTextA(label, text, sizeof text);
        EXPECT_STREQ(text, texts[i - 1]);
        const RECT r = RectInParent(label);
        EXPECT_EQ(r.left, lefts[i - 1]);
        EXPECT_EQ(r.top, 80);
        EXPECT_EQ(r.right - r.left, widths[i - 1]);
        EXPECT_EQ(r.bottom - r.top, RowHeight);
        const LONG style = GetWindowLongA(label, GWL_STYLE);
        EXPECT_TRUE(style & SS_NOTIFY);
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT);
        EXPECT_TRUE(GetWindowLongA(label, GWL_EXSTYLE) & WS_EX_STATICEDGE);
        EXPECT_EQ(GetWindowLongPtrA(label, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&list));
    }
    EXPECT_EQ(GetDlgItem(page, 2057), nullptr);
    EXPECT_EQ(RectInParent(GetDlgItem(page, 2050)).top, 80 + RowHeight);
}

TEST_F(ColumnListTest, RightAlignedColumnLabel) {
    HWND page = AddPage();
    cColumnList list;
    const int32_t percent[2] = {60, -40};
    const std::string headings[2] = {"Name", "\x01" "Count"};
    list.Create(page, 2060, 2, 0, 716, 300, percent, headings, 2);
    HWND label = GetDlgItem(page, 2062);
    ASSERT_NE(label, nullptr);
    char text[32] = "";
    GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, "Count  ");
    EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
}

TEST_F(ColumnListTest, CellsStartAtTheTabStops) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    std::string blank;
    std::string probe = "I\tI\tI\tI\tI\tI";
    list.AddRow(blank, 1);
    list.AddRow(probe, 2);
    list.Redisplay();
    const std::vector<int> starts = InkStarts(GetDlgItem(page, 2040), 1);
    ASSERT_EQ(starts.size(), 6u);
    // Stops reach the list box in dialog units and come back as pixels.
    const int stops[5] = {161, 382, 465, 527, 608};
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(starts[k + 1] - starts[0], stops[k], 2) << "cell " << k + 2;
}

TEST_F(ColumnListTest, FitTextCutsToTheWidthWithoutEllipsis) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);

    std::string text = "The Long Goodbye of a Very Patient Reader in Winter";
    const std::string original = text;
    list.FitText(box, text, 100);
    ASSERT_LT(text.size(), original.size());
    EXPECT_EQ(original.compare(0, text.size(), text), 0);  // a prefix, nothing added
    EXPECT_LE(TextWidth(box, text), 100);
    EXPECT_GT(TextWidth(box, original.substr(0, text.size() + 1)), 100);

    std::string shortText = "Rain";
    list.FitText(box, shortText, 100);
    EXPECT_EQ(shortText, "Rain");

    std::string longText(300, 'i');
    list.FitText(box, longText, 100000);
    EXPECT_EQ(longText.size(), 127u);
}

TEST_F(ColumnListTest, AddRowFitsCellsWithTheListFont) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    const std::string title(80, 'W');
    std::string row = "Smith, Jo\t" + title + "\tFic";
    list.AddRow(row, 42);
    const size_t tab1 = row.find('\t');
    const size_t tab2 = row.find('\t', tab1 + 1);
    ASSERT_NE(tab2, std::string::npos);
    const std::string cut = row.substr(tab1 + 1, tab2 - tab1 - 1);
    EXPECT_LT(cut.size(), title.size());
    // 221 x 0.95 = 209.95 -> 210 pixels for the title.
    EXPECT_LE(TextWidth(box, cut), 210);
    EXPECT_GT(TextWidth(box, cut + "W"), 210);
    EXPECT_EQ(row.substr(tab2 + 1), "Fic");
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.ItemDataAt(1), 42);
    EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 0);  // shown only by Redisplay
}

// Messages a list box receives from SelectRow, in order.
std::vector<std::pair<UINT, WPARAM>> seen;
WNDPROC listProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETREDRAW || message == LB_SETCURSEL || message == LB_SETTOPINDEX) {
        seen.emplace_back(message, wParam);
    }
    return CallWindowProcA(listProc, window, message, wParam, lParam);
}

void FillRows(cColumnList& list, int count) {
    list.SetRowCount(0);
    for (int i = 1; i <= count; ++i) {
        std::string row = "Author " + std::to_string(i) + "\tTitle";
        list.AddRow(row, 100 + i);
    }
    list.Redisplay();
}

TEST_F(ColumnListTest, SelectRowNegativeSelectsWithoutRedrawing) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    FillRows(list, 60);

    seen.clear();
    listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    list.SelectRow(-5, 3);
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
    EXPECT_THAT(seen, ElementsAre(std::make_pair(UINT{WM_SETREDRAW}, WPARAM{FALSE}),
                                  std::make_pair(UINT{LB_SETCURSEL}, WPARAM{4}),
                                  std::make_pair(UINT{LB_SETTOPINDEX}, WPARAM{2}),
                                  std::make_pair(UINT{WM_SETREDRAW}, WPARAM{TRUE})));
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageA(box, LB_GETTOPINDEX, 0, 0), 2);
    EXPECT_EQ(list.CurrentRow(), 5);

    list.SelectRow(0, 0);
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(list.CurrentRow(), 1);
}

TEST_F(ColumnListTest, SelectRowWithTopZeroKeepsTheSelectionInView) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    FillRows(list, 60);
    list.SelectRow(50, 0);
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 49);
    RECT client, item;
    GetClientRect(box, &client);
    SendMessageA(box, LB_GETITEMRECT, 49, reinterpret_cast<LPARAM>(&item));
    EXPECT_GE(item.top, 0);
    EXPECT_LE(item.bottom, client.bottom);
}

TEST_F(ColumnListTest, SelectionChangeFromTheListSetsTheCurrentRow) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    FillRows(list, 20);
    SendMessageA(box, LB_SETCURSEL, 7, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(2040, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(list.CurrentRow(), 8);
    EXPECT_EQ(list.ItemDataAt(list.CurrentRow()), 108);
    // Nothing selected counts as the first row.
    SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(2040, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(list.CurrentRow(), 1);
}

TEST_F(ColumnListTest, HeadingClickSortsAndKeepsTheSelectedBook) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    const char* authors[5] = {"Drake", "Adams", "Evans", "Bell", "Cole"};
    for (int i = 0; i < 5; ++i) {
        std::string row = std::string(authors[i]) + "\tBook " + std::to_string(i + 1);
        list.AddRow(row, 201 + i);
    }
    list.Redisplay();
    list.SelectRow(4, 0);  // Bell, book 204
    HWND authorHeading = GetDlgItem(page, 2041);

    SendMessageA(page, WM_COMMAND, MAKEWPARAM(2041, STN_CLICKED), reinterpret_cast<LPARAM>(authorHeading));
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) shown.push_back(ItemText(box, i));
    EXPECT_THAT(shown, ElementsAre("Adams\tBook 2", "Bell\tBook 4", "Cole\tBook 5", "Drake\tBook 1", "Evans\tBook 3"));
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(list.CurrentRow(), 2);
    EXPECT_EQ(list.ItemDataAt(list.CurrentRow()), 204);
    EXPECT_EQ(GetFocus(), authorHeading);

    SendMessageA(page, WM_COMMAND, MAKEWPARAM(2041, STN_CLICKED), reinterpret_cast<LPARAM>(authorHeading));
    EXPECT_EQ(ItemText(box, 0), "Evans\tBook 3");
    EXPECT_EQ(ItemText(box, 4), "Adams\tBook 2");
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(ItemText(box, 3), "Bell\tBook 4");
    EXPECT_EQ(list.ItemDataAt(list.CurrentRow()), 204);
}

TEST_F(ColumnListTest, CommandsFromOtherControlsAreLeftAlone) {
    HWND page = AddPage();
    cColumnList list;
    CreateBookList(list, page, 2040);
    FillRows(list, 3);
    list.SelectRow(2, 0);
    HWND button = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, page,
                                  reinterpret_cast<HMENU>(3004), nullptr, nullptr);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(3004, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(2041, 0), 0);  // a menu-like command
    EXPECT_EQ(ItemText(GetDlgItem(page, 2040), 0), "Author 1\tTitle");
    EXPECT_EQ(list.CurrentRow(), 2);
}

TEST_F(ColumnListTest, ListOfAHiddenTabChangesOnlyItsModel) {
    HWND visiblePage = AddPage();
    HWND hiddenPage = AddPage();
    ShowWindow(hiddenPage, SW_HIDE);
    cColumnList visible, hidden;
    CreateBookList(visible, visiblePage, 2040);
    CreateBookList(hidden, hiddenPage, 2050);
    tome::mainState.activeListId = 2040;  // tab 1 is the visible one
    FillRows(visible, 4);
    HWND visibleBox = GetDlgItem(visiblePage, 2040);
    HWND hiddenBox = GetDlgItem(hiddenPage, 2050);
    SetFocus(visibleBox);

    std::string row = "Zed\tUnseen";
    hidden.AddRow(row, 900);
    hidden.Redisplay();
    hidden.SelectRow(-1, 1);
    EXPECT_EQ(hidden.ControlId(), 2040);
    EXPECT_EQ(hidden.RowCount(), 1);
    EXPECT_EQ(hidden.CurrentRow(), 1);
    EXPECT_EQ(hidden.ItemDataAt(1), 900);
    EXPECT_EQ(SendMessageA(hiddenBox, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(visibleBox, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(GetFocus(), visibleBox);

    // Once its tab is the visible one, the same calls reach its list box.
    tome::mainState.activeListId = 2050;
    hidden.Redisplay();
    EXPECT_EQ(SendMessageA(hiddenBox, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(ItemText(hiddenBox, 0), "Zed\tUnseen");
}

TEST_F(ColumnListTest, ParentInDialogUnits) {
    HWND page = AddPage();
    SetPropA(page, tome::DialogUnitsProperty, reinterpret_cast<HANDLE>(1));
    cColumnList list;
    // MS Sans Serif 8: 4 x 8 dialog units are 6 x 13 pixels.
    list.Create(page, 2040, 4, 8, 400, 200, BookPercentages, BookHeadings, 6);
    RemovePropA(page, tome::DialogUnitsProperty);
    // Scroll bar 17 pixels = 11.3 -> 11 units; heading 19 pixels = 11.7 -> 12 units.
    EXPECT_EQ(list.Model().Layout().columnWidth[1], 88);  // (400 - 11 - 8) x 23 %
    int32_t x = 0, y = 0;
    list.GetListOrigin(x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 8 + 12);
    const RECT r = RectInParent(GetDlgItem(page, 2040));
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.top, MulDiv(20, 13, 8));
    EXPECT_EQ(r.right - r.left, MulDiv(392, 6, 4));
}

}  // namespace
}  // namespace tome_test
