// What the printed reports need from a line printer: the portable methods of
// cTPrint, in its slot order. Lengths are inches from the sheet's top-left
// corner; texts are Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

class TextPrinter {
public:
    // Runs the print dialog; the chosen printer's name, or the one set up
    // before ("" on a new object) when the user cancels.
    virtual std::string ChoosePrinter() = 0;
    // Style letters: lower-case b (bold), i (italic), u (underline); others ignored.
    virtual void SetFont(const std::string& face, int32_t points, const std::string& style) = 0;
    virtual double TextWidth(const std::string& text) = 0;
    // The leading characters that fit a positive width, the trailing ones
    // that fit a negative width, nothing for 0.
    virtual std::string FitString(const std::string& text, double width) = 0;
    virtual void SetMargins(double left, double right, double top, double bottom) = 0;
    virtual void GetPageSize(double& width, double& height) = 0;
    virtual void GetCharSize(double& averageWidth, double& lineHeight) = 0;
    // Whole lines that fit between y and the bottom margin.
    virtual int32_t LinesLeft(double y) = 0;
    virtual void SetPosition(double x, double y) = 0;
    // One line, clipped to the margins; 0 for x or y means the current
    // position (for y: the line below it).
    virtual void PrintText(const std::string& text, double x, double y) = 0;
    virtual void BeginDocument(const std::string& name) = 0;
    virtual void BeginPage() = 0;
    virtual void FinishPage() = 0;
    virtual void FinishDocument() = 0;

protected:
    ~TextPrinter() = default;
};

}  // namespace tome
