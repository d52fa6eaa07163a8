// cTPrint on a real printer device context: Wine's PostScript driver with
// the test printer (tests/print), read back through ghostscript.
#include "print/text_printer_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../print/test_printer_win.h"
#include "books/message_box_win.h"

namespace {

using tome::cTPrint;
using tome_test::PrintDialogAnswerer;
using tome_test::TestPrinterName;

using TextPrinterWin = tome_test::TestPrinterTest;

LOGFONTA SelectedFont(HDC dc) {
    LOGFONTA font = {};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    return font;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&text](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST_F(TextPrinterWin, DefaultPrinterIsTheTestPrinterWithItsSheet) {
    cTPrint printer;
    EXPECT_EQ(printer.PrinterDC(), nullptr);
    EXPECT_EQ(printer.UseDefaultPrinter(), TestPrinterName);
    ASSERT_NE(printer.PrinterDC(), nullptr);
    double width = 0, height = 0;
    printer.GetPageSize(width, height);
    EXPECT_DOUBLE_EQ(width, 8.5);
    EXPECT_DOUBLE_EQ(height, 11.0);
    EXPECT_EQ(GetDeviceCaps(printer.PrinterDC(), LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(printer.PrinterDC(), PHYSICALOFFSETY), 150);  // a quarter inch
    printer.FinishDocument();
    EXPECT_EQ(printer.PrinterDC(), nullptr);
}

TEST_F(TextPrinterWin, FontHeightFromPointsAndStyleLetters) {
    cTPrint printer;
    printer.SetFont("MS Sans Serif", 9, "");  // sets up the default printer first
    ASSERT_NE(printer.PrinterDC(), nullptr);
    LOGFONTA font = SelectedFont(printer.PrinterDC());
    EXPECT_EQ(font.lfHeight, -75);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

    TEXTMETRICA tm = {};
    GetTextMetricsA(printer.PrinterDC(), &tm);
    double average = 0, line = 0;
    printer.GetCharSize(average, line);
    EXPECT_DOUBLE_EQ(line, (tm.tmHeight + tm.tmExternalLeading) / 600.0);
    EXPECT_DOUBLE_EQ(average, tm.tmAveCharWidth / 600.0);

    printer.SetFont("MS Sans Serif", 10, "bu");
    font = SelectedFont(printer.PrinterDC());
    EXPECT_EQ(font.lfHeight, -83);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_FALSE(font.lfItalic);

    printer.SetFont("MS Sans Serif", 10, "B");
    font = SelectedFont(printer.PrinterDC());
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_FALSE(font.lfUnderline);
    printer.FinishDocument();
}

TEST_F(TextPrinterWin, FitStringAgreesWithGdiMeasuring) {
    cTPrint printer;
    printer.SetFont("MS Sans Serif", 9, "");
    const std::string text = "The quick brown fox jumps over the lazy dog, twice";
    const std::string head = printer.FitString(text, 1.0);
    ASSERT_FALSE(head.empty());
    ASSERT_LT(head.size(), text.size());
    EXPECT_EQ(text.compare(0, head.size(), head), 0);
    EXPECT_LE(printer.TextWidth(head), 1.0);
    EXPECT_GT(printer.TextWidth(text.substr(0, head.size() + 1)), 1.0);

    const std::string tail = printer.FitString(text, -1.0);
    ASSERT_FALSE(tail.empty());
    EXPECT_EQ(text.compare(text.size() - tail.size(), tail.size(), tail), 0);
    EXPECT_LE(printer.TextWidth(tail), 1.0);
    EXPECT_GT(printer.TextWidth(text.substr(text.size() - tail.size() - 1)), 1.0);

    EXPECT_EQ(printer.FitString(text, 0), "");
    EXPECT_EQ(printer.FitString(text, 20.0), text);
    printer.FinishDocument();
}

TEST_F(TextPrinterWin, LinesLeftWithinMarginsAndThePrintableArea) {
    cTPrint printer;
    printer.SetFont("MS Sans Serif", 9, "");
    printer.SetMargins(0.5, 0.5, 0.5, 0.5);
    double average = 0, line = 0;
    printer.GetCharSize(average, line);
    ASSERT_GT(line, 0.0);
    EXPECT_EQ(printer.LinesLeft(0), static_cast<int>(10.0 / line));
    // Margins narrower than the printer's quarter inch give way to it.
    printer.SetMargins(0.1, 0.1, 0.1, 0.1);
    EXPECT_EQ(printer.LinesLeft(0), static_cast<int>(10.5 / line));
    printer.FinishDocument();
}

TEST_F(TextPrinterWin, PrintsLinesClippedToTheMargins) {
    tome_test::ClearPrinterPort();
    {
        cTPrint printer;
        printer.SetFont("MS Sans Serif", 10, "");
        printer.SetMargins(0.75, 0.5, 0.5, 0.5);
        printer.BeginDocument("Tomecase");
        printer.BeginPage();
        printer.PrintText("First line inside the margins", 1.0, 1.0);
        printer.PrintText("Second line one line down", 0, 0);
        printer.PrintText("Above the top margin", 1.0, 0.3);
        printer.PrintText("Below the bottom margin", 1.0, 10.45);
        printer.PrintText("CutLeft" + std::string(" kept after the margin"), 0.2, 2.0);
        std::string wide = "Right";
        for (int i = 0; i < 40; ++i) wide += " word" + std::to_string(i);
        printer.PrintText(wide, 6.0, 3.0);
        printer.FinishPage();
        printer.BeginPage();
        printer.PrintText("Page two", 1.0, 1.0);
        printer.FinishPage();
        printer.FinishDocument();
    }
    const std::string ps = tome_test::TakePrintout("text-printer");
    ASSERT_NE(ps, "") << "no PostScript at " << tome_test::PrinterPort();
    EXPECT_EQ(tome_test::PageCount(ps), 2);
    const auto pages = tome_test::PageTexts(ps);
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string>& page = pages[0];
    EXPECT_TRUE(Contains(page, "First line inside the margins"));
    EXPECT_TRUE(Contains(page, "Second line one line down"));
    EXPECT_FALSE(Contains(page, "Above the top margin"));
    EXPECT_FALSE(Contains(page, "Below the bottom margin"));
    // The characters left of the margin are gone (one that straddles it too).
    EXPECT_TRUE(Contains(page, "pt after the margin"));
    EXPECT_FALSE(Contains(page, "CutLeft"));
    EXPECT_TRUE(Contains(page, "Right word0"));
    EXPECT_FALSE(Contains(page, "word39"));
    EXPECT_TRUE(Contains(pages[1], "Page two"));
    EXPECT_EQ(tome_test::RenderPages(ps), 2);
}

TEST_F(TextPrinterWin, DuplexAndOrientationChangeTheDeviceSettings) {
    tome_test::ClearPrinterPort();
    {
        cTPrint printer;
        printer.UseDefaultPrinter();
        printer.SetOrientation(DMORIENT_LANDSCAPE);
        double width = 0, height = 0;
        printer.GetPageSize(width, height);
        EXPECT_DOUBLE_EQ(width, 11.0);
        EXPECT_DOUBLE_EQ(height, 8.5);
        printer.SetOrientation(0);  // nothing happens
        printer.GetPageSize(width, height);
        EXPECT_DOUBLE_EQ(width, 11.0);
        printer.SetDuplex(DMDUP_VERTICAL);
        printer.SetFont("MS Sans Serif", 10, "");
        printer.BeginDocument("Tomecase");
        printer.BeginPage();
        printer.PrintText("Landscape, both sides", 1.0, 1.0);
        printer.FinishPage();
        printer.FinishDocument();
    }
    const std::string ps = tome_test::TakePrintout("duplex-landscape");
    ASSERT_NE(ps, "");
    const std::string postscript = tome_test::ReadBytes(tome_test::WinePath(ps));
    EXPECT_NE(postscript.find("<</Duplex true/Tumble false>>setpagedevice"), std::string::npos);
    EXPECT_NE(postscript.find("%%Orientation: Landscape"), std::string::npos);
    // On the portrait sheet the line runs upwards: txtwrite gives one
    // character a line, the last first (blanks are dropped).
    const auto pages = tome_test::PageTexts(ps);
    ASSERT_EQ(pages.size(), 1u);
    std::string upwards;
    for (auto it = pages[0].rbegin(); it != pages[0].rend(); ++it) upwards += *it;
    EXPECT_EQ(upwards, "Landscape,bothsides");
    EXPECT_EQ(tome_test::RenderPages(ps), 1);
}

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};
std::vector<ShownMessage> shownMessages;

int WINAPI RecordMessage(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    shownMessages.push_back({owner, text, caption, style});
    return IDOK;
}

class PrinterErrorWin : public tome_test::TestPrinterTest {
protected:
    void SetUp() override {
        TestPrinterTest::SetUp();
        shownMessages.clear();
        saved_ = tome::messageBox;
        tome::messageBox = RecordMessage;
    }
    void TearDown() override { tome::messageBox = saved_; }

private:
    tome::MessageBoxFunction saved_ = nullptr;
};

TEST_F(PrinterErrorWin, MessagesByCodeWithCaptionIconAndNoOwner) {
    tome::ReportPrinterError(1);
    tome::ReportPrinterError(2);
    tome::ReportPrinterError(5);
    ASSERT_EQ(shownMessages.size(), 3u);
    EXPECT_EQ(shownMessages[0].text, "Document printing error");
    EXPECT_EQ(shownMessages[1].text, "Page printing error");
    EXPECT_EQ(shownMessages[2].text, "Unspecified printer error");
    for (const ShownMessage& m : shownMessages) {
        EXPECT_EQ(m.owner, nullptr);
        EXPECT_EQ(m.caption, "Printer Error");
        EXPECT_EQ(m.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    }
}

TEST_F(PrinterErrorWin, NoDefaultPrinterReportsTheDocumentOnce) {
    // The profile entry names no printer while this runs.
    WriteProfileStringA("windows", "device", "");
    struct RestoreDefault {
        ~RestoreDefault() { SetDefaultPrinterA(TestPrinterName); }
    } restore;
    {
        cTPrint printer;
        EXPECT_EQ(printer.UseDefaultPrinter(), "");
        EXPECT_EQ(printer.PrinterDC(), nullptr);
        printer.SetFont("MS Sans Serif", 9, "");
        printer.SetMargins(0.75, 0.5, 0.5, 0.5);
        EXPECT_EQ(printer.LinesLeft(0), 0);
        printer.BeginDocument("Tomecase");
        printer.BeginPage();
        printer.PrintText("nowhere", 1.0, 1.0);
        printer.FinishPage();
        printer.FinishDocument();
    }
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].text, "Document printing error");
}

using PrintDialogWin = tome_test::TestPrinterTest;

TEST_F(PrintDialogWin, ConfirmedDialogGivesThePrinterAndItsDeviceContext) {
    cTPrint printer;
    std::string name;
    {
        PrintDialogAnswerer user(IDOK);
        name = printer.ChoosePrinter();
        // The answerer has clicked by now: PrintDlgA returned.
        EXPECT_TRUE(user.answered());
        EXPECT_FALSE(user.printToFileShown());
        EXPECT_FALSE(user.selectionEnabled());
        EXPECT_FALSE(user.pageRangeEnabled());
        EXPECT_TRUE(user.allPagesChecked());
        EXPECT_EQ(user.printerShown(), TestPrinterName);
    }
    EXPECT_EQ(name, TestPrinterName);
    ASSERT_NE(printer.PrinterDC(), nullptr);
    EXPECT_EQ(GetDeviceCaps(printer.PrinterDC(), LOGPIXELSX), 600);
    double average = 0, line = 0;
    printer.GetCharSize(average, line);
    EXPECT_GT(line, 0.0);  // from the new device context's own font
    printer.FinishDocument();
}

TEST_F(PrintDialogWin, CancelledDialogOnANewObjectGivesNoName) {
    cTPrint printer;
    std::string name = "not asked";
    {
        PrintDialogAnswerer user(IDCANCEL);
        name = printer.ChoosePrinter();
        EXPECT_TRUE(user.answered());
    }
    EXPECT_EQ(name, "");
    EXPECT_EQ(printer.PrinterDC(), nullptr);
}

}  // namespace
