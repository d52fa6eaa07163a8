// The arithmetic of cTPrint over a printer device: fonts from points and
// style letters, inches to device pixels, the margins, fitting text and
// counting lines. cTPrint runs it over GDI; tests over a recording device.
#pragma once

#include <cstdint>
#include <string>

#include "print/printer_device.h"
#include "print/text_printer.h"

namespace tome {

// The font SetFont asks for: height -(dpi * points / 72), weight 700 for
// "b", italic for "i", underline for "u".
FontRequest MakeFontRequest(const std::string& face, int32_t points, const std::string& style,
                            int32_t logPixelsY);

class LinePrinter : public TextPrinter {
public:
    explicit LinePrinter(PrinterDevice& device) : device_(device) {}
    LinePrinter(const LinePrinter&) = delete;
    LinePrinter& operator=(const LinePrinter&) = delete;

    std::string UseDefaultPrinter();
    std::string ChoosePrinter() override;
    void SetFont(const std::string& face, int32_t points, const std::string& style) override;
    double TextWidth(const std::string& text) override;
    std::string FitString(const std::string& text, double width) override;
    void SetMargins(double left, double right, double top, double bottom) override;
    void GetPageSize(double& width, double& height) override;
    void GetCharSize(double& averageWidth, double& height) override;
    int32_t LinesLeft(double y) override;
    void SetDuplex(int32_t mode);
    void SetOrientation(int32_t orientation);
    void SetPosition(double x, double y) override;
    void PrintText(const std::string& text, double x, double y) override;
    void BeginDocument(const std::string& name) override;
    void BeginPage() override;
    void FinishPage() override;
    void FinishDocument() override;

private:
    // The methods that measure or draw set up the default printer first.
    void EnsurePrinter();
    void UpdateLineHeight();

    PrinterDevice& device_;
    double lineHeight = 0;  // inches
    double leftMargin = 0;
    double rightMargin = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    double posX = 0;
    double posY = 0;
    // Once the document has failed to start (and said so), its pages fail
    // without a message of their own.
    bool documentFailed = false;
};

}  // namespace tome
