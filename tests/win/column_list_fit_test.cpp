// Fitting cells by the font's width table must give exactly what GDI's own
// measuring gives, for every byte and any width.
#include <random>

#include "column_list_fixture.h"

namespace tome_test {
namespace {

using ColumnListFit = ColumnListWindow;

int GdiFit(HWND window, const std::string& text, int maxWidth) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    int fit = 0;
    SIZE extent;
    GetTextExtentExPointA(dc, text.data(), static_cast<int>(std::min<size_t>(text.size(), 127)), maxWidth, &fit,
                          nullptr, &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return fit;
}

void ExpectSameAsGdi(tome::cColumnList& list, HWND box, unsigned seed) {
    std::mt19937 rng(seed);
    for (int round = 0; round < 2000; ++round) {
        std::string text(rng() % 160, '\0');
        for (char& c : text) c = static_cast<char>(1 + rng() % 255);
        const int width = static_cast<int>(rng() % 400);
        std::string fitted = text;
        list.FitText(box, fitted, width);
        ASSERT_EQ(static_cast<int>(fitted.size()), GdiFit(box, text, width)) << "round " << round;
    }
}

TEST_F(ColumnListFit, TheListFontFitsAsGdiMeasures) {
    HWND page = AddPage();
    tome::cColumnList list;
    CreateBookList(list, page, 2040);
    ExpectSameAsGdi(list, GetDlgItem(page, 2040), 1);
}

TEST_F(ColumnListFit, OtherFontsFitAsGdiMeasures) {
    HWND page = AddPage();
    tome::cColumnList list;
    CreateBookList(list, page, 2040);
    HWND box = GetDlgItem(page, 2040);
    for (const char* face : {"Tahoma", "Courier New", "Times New Roman"}) {
        HFONT font = CreateFontA(-15, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, face);
        SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ExpectSameAsGdi(list, box, 7);
        SendMessageA(box, WM_SETFONT, 0, FALSE);
        DeleteObject(font);
    }
}

}  // namespace
}  // namespace tome_test
