#include "print/line_printer.h"

#include <gtest/gtest.h>

#include <string>

#include "../print/recording_device.h"
#include "print/printer_texts.h"

namespace tome {
namespace {

using testing::RecordingDevice;

// A line printer over a recording device that has a printer set up.
struct Press {
    RecordingDevice device;
    LinePrinter printer{device};

    Press() { printer.UseDefaultPrinter(); }
    // Device pixels of a length in inches at 600 dpi.
    static int32_t Px(double inches) { return static_cast<int32_t>(inches * 600 + 0.5); }
};

TEST(PrinterFont, HeightFromPointsAndDotsPerInch) {
    EXPECT_EQ(MakeFontRequest("MS Sans Serif", 9, "", 600).height, -75);
    EXPECT_EQ(MakeFontRequest("MS Sans Serif", 10, "", 600).height, -83);  // 6000 / 72 = 83.3
    EXPECT_EQ(MakeFontRequest("MS Sans Serif", 10, "", 300).height, -41);  // 41.7 is cut, not rounded
    EXPECT_EQ(MakeFontRequest("MS Sans Serif", 9, "", 0).height, 0);
}

TEST(PrinterFont, StyleLettersAreLowerCaseOnly) {
    const FontRequest plain = MakeFontRequest("Face", 9, "", 600);
    EXPECT_EQ(plain.weight, 400);
    EXPECT_FALSE(plain.italic);
    EXPECT_FALSE(plain.underline);

    const FontRequest boldUnderlined = MakeFontRequest("Face", 9, "ub", 600);
    EXPECT_EQ(boldUnderlined.weight, 700);
    EXPECT_FALSE(boldUnderlined.italic);
    EXPECT_TRUE(boldUnderlined.underline);

    const FontRequest upper = MakeFontRequest("Face", 9, "BIU", 600);
    EXPECT_EQ(upper.weight, 400);
    EXPECT_FALSE(upper.italic);
    EXPECT_FALSE(upper.underline);

    const FontRequest italic = MakeFontRequest("Face", 9, "x-i!", 600);
    EXPECT_EQ(italic.weight, 400);
    EXPECT_TRUE(italic.italic);
    EXPECT_FALSE(italic.underline);
}

TEST(PrinterFont, SetFontAsksTheDeviceAndTakesItsLineHeight) {
    RecordingDevice device;
    device.lineHeightPixels = 150;
    device.averageWidthPixels = 45;
    LinePrinter printer(device);
    printer.SetFont("MS Sans Serif", 9, "bi");

    ASSERT_EQ(device.calls.at(0), "UseDefaultPrinter");  // no printer yet: the default one
    ASSERT_EQ(device.fonts.size(), 1u);
    FontRequest expected;
    expected.face = "MS Sans Serif";
    expected.height = -75;
    expected.weight = 700;
    expected.italic = true;
    EXPECT_EQ(device.fonts[0], expected);

    double average = 0, line = 0;
    printer.GetCharSize(average, line);
    EXPECT_DOUBLE_EQ(average, 0.075);
    EXPECT_DOUBLE_EQ(line, 0.25);
}

TEST(PrinterMeasure, PageSizeAndTextWidthInInches) {
    Press p;
    p.device.metrics = {300, 200, 2550, 2200, 30, 40, 2100};
    p.printer.UseDefaultPrinter();
    double w = 0, h = 0;
    p.printer.GetPageSize(w, h);
    EXPECT_DOUBLE_EQ(w, 8.5);
    EXPECT_DOUBLE_EQ(h, 11.0);
    p.device.charWidth = 30;
    EXPECT_DOUBLE_EQ(p.printer.TextWidth("abcde"), 0.5);
}

TEST(PrinterFit, LeadingCharactersForAPositiveWidth) {
    Press p;  // 50 pixels a character at 600 dpi: 12 characters an inch
    EXPECT_EQ(p.printer.FitString("abcdefghijklmnop", 1.0), "abcdefghijkl");
    EXPECT_EQ(p.printer.FitString("abc", 1.0), "abc");
    EXPECT_EQ(p.printer.FitString("abcdef", 0.05), "");  // less than one character
}

TEST(PrinterFit, TrailingCharactersForANegativeWidth) {
    Press p;
    EXPECT_EQ(p.printer.FitString("abcdefghijklmnop", -1.0), "efghijklmnop");
    EXPECT_EQ(p.printer.FitString("abc", -1.0), "abc");
    // Measured from the end: a wide last character is what counts first.
    p.device.widths['p'] = 500;
    EXPECT_EQ(p.printer.FitString("abcdefghijklmnop", -1.0), "nop");
}

TEST(PrinterFit, ZeroWidthAndWidthsRoundedToWholePixelsHalvesToEven) {
    Press p;
    EXPECT_EQ(p.printer.FitString("abc", 0.0), "");
    EXPECT_EQ(p.printer.FitString("abc", 0.0004), "");  // 0.24 pixel rounds to 0
    EXPECT_EQ(p.printer.FitString("abc", -0.0004), "");

    p.device.metrics.logPixelsX = 4;
    p.device.charWidth = 1;
    EXPECT_EQ(p.printer.FitString("abcdef", 0.625), "ab");    // 2.5 pixels -> 2
    EXPECT_EQ(p.printer.FitString("abcdef", 0.875), "abcd");  // 3.5 pixels -> 4
    EXPECT_EQ(p.printer.FitString("abcdef", -0.625), "ef");
    EXPECT_EQ(p.printer.FitString("abcdef", 0.74), "abc");    // 2.96 pixels -> 3
}

TEST(PrinterLines, LinesBetweenAPositionAndTheBottomMargin) {
    Press p;
    p.device.lineHeightPixels = 150;  // 0.25 inch
    p.printer.UseDefaultPrinter();
    p.printer.SetMargins(0.5, 0.5, 0.5, 0.5);
    EXPECT_EQ(p.printer.LinesLeft(0), 40);
    EXPECT_EQ(p.printer.LinesLeft(0.3), 40);  // above the top margin counts from the margin
    EXPECT_EQ(p.printer.LinesLeft(1.5), 36);
    EXPECT_EQ(p.printer.LinesLeft(1.6), 35);
    EXPECT_EQ(p.printer.LinesLeft(10.5), 0);
    EXPECT_EQ(p.printer.LinesLeft(12), 0);  // past the bottom: none, not a negative count

    p.device.lineHeightPixels = 90;  // 0.15 inch
    p.printer.UseDefaultPrinter();
    EXPECT_EQ(p.printer.LinesLeft(0), 66);
}

TEST(PrinterLines, UnprintableStripsWiderThanTheMarginsCount) {
    Press p;
    p.device.lineHeightPixels = 150;
    // 0.75 inch unprintable at the top, 1 inch at the bottom.
    p.device.metrics.physicalOffsetY = 450;
    p.device.metrics.vertRes = 6600 - 450 - 600;
    p.printer.UseDefaultPrinter();
    p.printer.SetMargins(0.5, 0.5, 0.5, 0.5);
    EXPECT_EQ(p.printer.LinesLeft(0), 37);  // (11 - 0.75 - 1) / 0.25 = 37
}

TEST(PrinterLines, NoPrinterOrNoLineHeightFitsNoLines) {
    RecordingDevice device;
    device.defaultPrinter = "";
    LinePrinter printer(device);
    printer.SetMargins(0.5, 0.5, 0.5, 0.5);
    EXPECT_EQ(printer.LinesLeft(0), 0);
    double w = 1, h = 1;
    printer.GetPageSize(w, h);
    EXPECT_EQ(w, 0.0);
    EXPECT_EQ(h, 0.0);
    EXPECT_EQ(printer.TextWidth("abc"), 0.0);
    EXPECT_EQ(printer.FitString("abc", 1.0), "");

    Press p;
    p.device.lineHeightPixels = 0;
    p.printer.UseDefaultPrinter();
    EXPECT_EQ(p.printer.LinesLeft(0), 0);
}

// Margins 0.75 left, 0.5 elsewhere; a 0.15-inch line; 12 characters an inch.
struct PagePress : Press {
    PagePress() { printer.SetMargins(0.75, 0.5, 0.5, 0.5); }
};

TEST(PrinterText, DrawsAtThePositionInDevicePixels) {
    PagePress p;
    p.printer.PrintText("Title", 1.0, 2.0);
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].x, 600);
    EXPECT_EQ(p.device.drawn[0].y, 1200);
    EXPECT_EQ(p.device.drawn[0].text, "Title");
}

TEST(PrinterText, ZeroMeansTheCurrentPositionAndTheNextLineDown) {
    PagePress p;
    p.printer.PrintText("one", 1.0, 2.0);
    p.printer.PrintText("two", 0, 0);     // same x, one line down
    p.printer.PrintText("three", 2.0, 0);  // new x, another line down
    p.printer.PrintText("four", 0, 3.0);   // x kept, y given
    p.printer.SetPosition(1.5, 4.0);
    p.printer.PrintText("five", 0, 0);
    ASSERT_EQ(p.device.drawn.size(), 5u);
    EXPECT_EQ(p.device.drawn[1].x, 600);
    EXPECT_EQ(p.device.drawn[1].y, 1290);
    EXPECT_EQ(p.device.drawn[2].x, 1200);
    EXPECT_EQ(p.device.drawn[2].y, 1380);
    EXPECT_EQ(p.device.drawn[3].x, 1200);
    EXPECT_EQ(p.device.drawn[3].y, 1800);
    EXPECT_EQ(p.device.drawn[4].x, 900);
    EXPECT_EQ(p.device.drawn[4].y, 2490);
}

TEST(PrinterText, PhysicalOffsetsAreTakenOff) {
    PagePress p;
    p.device.metrics.physicalOffsetX = 150;
    p.device.metrics.physicalOffsetY = 120;
    p.printer.UseDefaultPrinter();
    p.printer.PrintText("x", 1.0, 2.0);
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].x, 450);
    EXPECT_EQ(p.device.drawn[0].y, 1080);
}

TEST(PrinterText, LeftMarginCutsLeadingCharactersAndStartsAtTheMargin) {
    PagePress p;
    // "abcdefghijkl" is 1 inch wide from x 0.25: 0.5 inch of it lies in the margin.
    p.printer.PrintText("abcdefghijkl", 0.25, 2.0);
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].text, "ghijkl");
    EXPECT_EQ(p.device.drawn[0].x, 450);
}

TEST(PrinterText, LineWhollyInTheLeftMarginPrintsNothing) {
    PagePress p;
    p.printer.PrintText("abc", 0.1, 2.0);  // ends at 0.35, the margin is at 0.75
    for (const auto& d : p.device.drawn) EXPECT_EQ(d.text, "");
}

TEST(PrinterText, RightMarginCutsTrailingCharactersWithoutEllipsis) {
    PagePress p;
    // The right limit is 8.0 inches; 1.5 inches of room from x 6.5.
    p.printer.PrintText(std::string(30, 'w'), 6.5, 2.0);
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].text, std::string(18, 'w'));
    EXPECT_EQ(p.device.drawn[0].x, 3900);

    p.printer.PrintText("abcdefghijklmnopqrstuvwxyz0123456789", 6.5, 3.0);
    EXPECT_EQ(p.device.drawn.back().text, "abcdefghijklmnopqr");
}

TEST(PrinterText, LineStartingAtOrPastTheRightLimitPrintsNothing) {
    PagePress p;
    p.printer.PrintText("abcdef", 8.0, 2.0);
    p.printer.PrintText("abcdef", 8.2, 3.0);
    for (const auto& d : p.device.drawn) EXPECT_EQ(d.text, "");
}

TEST(PrinterText, TooWideForBothMarginsKeepsTheMiddle) {
    PagePress p;
    std::string text;
    for (int i = 0; i < 120; ++i) text += static_cast<char>('A' + i % 26);
    p.printer.PrintText(text, 0.25, 2.0);  // 10 inches from 0.25: cut at 0.75 and at 8.0
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].x, 450);
    EXPECT_EQ(p.device.drawn[0].text, text.substr(6, 87));  // 7.25 inches = 87 characters
}

TEST(PrinterText, LinesOutsideTopOrBottomMarginAreDroppedButMoveThePosition) {
    PagePress p;
    p.printer.PrintText("above", 1.0, 0.4);
    p.printer.PrintText("first", 0, 0);  // 0.55: below the top margin
    ASSERT_EQ(p.device.drawn.size(), 1u);
    EXPECT_EQ(p.device.drawn[0].text, "first");
    EXPECT_EQ(p.device.drawn[0].y, 330);

    // The bottom limit is 10.5 inches: a line at 10.35 just fits, at 10.36 not.
    p.printer.PrintText("last", 1.0, 10.35);
    p.printer.PrintText("below", 1.0, 10.36);
    p.printer.PrintText("further", 0, 0);
    p.printer.SetPosition(1.0, 10.2);
    p.printer.PrintText("back", 0, 0);
    ASSERT_EQ(p.device.drawn.size(), 3u);
    EXPECT_EQ(p.device.drawn[1].text, "last");
    EXPECT_EQ(p.device.drawn[2].text, "back");
    EXPECT_EQ(p.device.drawn[2].y, 6210);
}

TEST(PrinterJob, DocumentNameCutTo63CharactersAndCallsInOrder) {
    Press p;
    p.printer.BeginDocument(std::string(70, 'n'));
    p.printer.BeginPage();
    p.printer.FinishPage();
    p.printer.FinishDocument();
    const std::vector<std::string> expected = {"UseDefaultPrinter", "StartDoc " + std::string(63, 'n'), "StartPage",
                                               "EndPage", "EndDoc"};
    EXPECT_EQ(p.device.calls, expected);
    EXPECT_TRUE(p.device.errors.empty());
}

TEST(PrinterJob, FailedStartsAreReportedWithTheirCodes) {
    Press p;
    p.device.pageResult = 0;
    p.printer.BeginDocument("Tomecase");
    p.printer.BeginPage();
    p.device.pageResult = -1;
    p.printer.BeginPage();
    EXPECT_EQ(p.device.errors, (std::vector<int32_t>{2, 2}));

    Press q;
    q.device.documentResult = -1;
    q.printer.BeginDocument("Tomecase");
    EXPECT_EQ(q.device.errors, std::vector<int32_t>{1});
}

TEST(PrinterJob, MissingDefaultPrinterSaysSoOnceAndPrintsNothing) {
    RecordingDevice device;
    device.defaultPrinter = "";
    LinePrinter printer(device);
    EXPECT_EQ(printer.UseDefaultPrinter(), "");
    printer.SetFont("MS Sans Serif", 9, "");
    printer.SetMargins(0.75, 0.5, 0.5, 0.5);
    printer.BeginDocument("Tomecase");
    printer.BeginPage();
    printer.PrintText("text", 1.0, 1.0);
    printer.PrintText("more", 0, 0);
    printer.FinishPage();
    printer.FinishDocument();
    EXPECT_EQ(device.errors, std::vector<int32_t>{1});
    EXPECT_TRUE(device.drawn.empty());
}

TEST(PrinterJob, CancelledDialogOnANewObjectGivesNoName) {
    RecordingDevice device;
    device.chosenPrinter = "";
    LinePrinter printer(device);
    EXPECT_EQ(printer.ChoosePrinter(), "");
    EXPECT_EQ(device.calls, std::vector<std::string>{"ChoosePrinter"});
}

TEST(PrinterJob, ChosenPrinterGivesItsNameAndLineHeight) {
    RecordingDevice device;
    device.chosenPrinter = "Laser";
    device.lineHeightPixels = 120;
    LinePrinter printer(device);
    EXPECT_EQ(printer.ChoosePrinter(), "Laser");
    double average = 0, line = 0;
    printer.GetCharSize(average, line);
    EXPECT_DOUBLE_EQ(line, 0.2);
    EXPECT_EQ(device.Count("UseDefaultPrinter"), 0u);
}

TEST(PrinterTexts, ErrorMessagesByCode) {
    EXPECT_STREQ(PrinterErrorCaption, "Printer Error");
    EXPECT_EQ(PrinterErrorText(1), "Document printing error");
    EXPECT_EQ(PrinterErrorText(2), "Page printing error");
    EXPECT_EQ(PrinterErrorText(0), "Unspecified printer error");
    EXPECT_EQ(PrinterErrorText(3), "Unspecified printer error");
}

TEST(PrinterTexts, PrinterNameFromTheDeviceProfileEntry) {
    EXPECT_EQ(PrinterNameFromDeviceEntry("Tomecase Test Printer,wineps.drv,/tmp/out.ps"), "Tomecase Test Printer");
    EXPECT_EQ(PrinterNameFromDeviceEntry("  Laser 5  , winspool,LPT1:"), "Laser 5");
    EXPECT_EQ(PrinterNameFromDeviceEntry("No commas"), "No commas");
    EXPECT_EQ(PrinterNameFromDeviceEntry(""), "");
    EXPECT_EQ(PrinterNameFromDeviceEntry(",winspool,LPT1:"), "");
    EXPECT_EQ(PrinterNameFromDeviceEntry(std::string(200, 'p') + ",x"), std::string(127, 'p'));
}

}  // namespace
}  // namespace tome
