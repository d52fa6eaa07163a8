#include "print/line_printer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "books/text_rules.h"
#include "print/printer_texts.h"

namespace tome {

namespace {

bool HasDots(const DeviceMetrics& m) { return m.logPixelsX > 0 && m.logPixelsY > 0; }

// Pixel counts handed to the device stay in its 32-bit range.
int32_t ToPixels(double value) {
    const int64_t rounded = RoundHalfEven(value);
    return static_cast<int32_t>(std::clamp<int64_t>(rounded, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

FontRequest MakeFontRequest(const std::string& face, int32_t points, const std::string& style,
                            int32_t logPixelsY) {
    FontRequest font;
    font.face = face;
    font.height = static_cast<int32_t>(-((static_cast<int64_t>(logPixelsY) * points) / 72));
    font.weight = style.find('b') != std::string::npos ? 700 : 400;
    font.italic = style.find('i') != std::string::npos;
    font.underline = style.find('u') != std::string::npos;
    return font;
}

void LinePrinter::EnsurePrinter() {
    if (!device_.HasPrinter()) UseDefaultPrinter();
}

void LinePrinter::UpdateLineHeight() {
    const DeviceMetrics m = device_.Metrics();
    lineHeight = m.logPixelsY > 0 ? static_cast<double>(device_.FontLineHeight()) / m.logPixelsY : 0.0;
}

std::string LinePrinter::UseDefaultPrinter() {
    const std::string name = device_.UseDefaultPrinter();
    UpdateLineHeight();
    return name;
}

std::string LinePrinter::ChoosePrinter() {
    const std::string name = device_.ChoosePrinter();
    UpdateLineHeight();
    return name;
}

void LinePrinter::SetFont(const std::string& face, int32_t points, const std::string& style) {
    EnsurePrinter();
    device_.SelectNewFont(MakeFontRequest(face, points, style, device_.Metrics().logPixelsY));
    UpdateLineHeight();
}

double LinePrinter::TextWidth(const std::string& text) {
    EnsurePrinter();
    const DeviceMetrics m = device_.Metrics();
    return HasDots(m) ? static_cast<double>(device_.TextExtent(text)) / m.logPixelsX : 0.0;
}

std::string LinePrinter::FitString(const std::string& text, double width) {
    EnsurePrinter();
    const int32_t w = ToPixels(width * device_.Metrics().logPixelsX);
    if (w > 0) {
        const size_t n = static_cast<size_t>(std::max(device_.FitCount(text, w), 0));
        return text.substr(0, n);
    }
    if (w < 0) {
        const std::string reversed(text.rbegin(), text.rend());
        const size_t n = std::min(static_cast<size_t>(std::max(device_.FitCount(reversed, -w), 0)), text.size());
        return text.substr(text.size() - n);
    }
    return std::string();
}

void LinePrinter::SetMargins(double left, double right, double top, double bottom) {
    leftMargin = left;
    rightMargin = right;
    topMargin = top;
    bottomMargin = bottom;
}

void LinePrinter::GetPageSize(double& width, double& height) {
    EnsurePrinter();
    const DeviceMetrics m = device_.Metrics();
    width = HasDots(m) ? static_cast<double>(m.physicalWidth) / m.logPixelsX : 0.0;
    height = HasDots(m) ? static_cast<double>(m.physicalHeight) / m.logPixelsY : 0.0;
}

void LinePrinter::GetCharSize(double& averageWidth, double& height) {
    EnsurePrinter();
    const DeviceMetrics m = device_.Metrics();
    averageWidth = HasDots(m) ? static_cast<double>(device_.FontAverageWidth()) / m.logPixelsX : 0.0;
    height = lineHeight;
}

int32_t LinePrinter::LinesLeft(double y) {
    EnsurePrinter();
    const DeviceMetrics m = device_.Metrics();
    if (!HasDots(m) || lineHeight <= 0) return 0;
    const double dpi = m.logPixelsY;
    const double pageHeight = m.physicalHeight / dpi;
    const double top = std::max({y, topMargin, m.physicalOffsetY / dpi});
    const double bottom = std::max(bottomMargin, (m.physicalHeight - m.physicalOffsetY - m.vertRes) / dpi);
    // A hair of slack so that an exact fit (10 / 0.25) is not lost to rounding.
    const double lines = std::floor((pageHeight - bottom - top) / lineHeight + 1e-9);
    if (lines <= 0) return 0;
    return lines >= std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                         : static_cast<int32_t>(lines);
}

void LinePrinter::SetDuplex(int32_t mode) {
    device_.SetDuplex(mode);
    UpdateLineHeight();
}

void LinePrinter::SetOrientation(int32_t orientation) {
    device_.SetOrientation(orientation);
    UpdateLineHeight();
}

void LinePrinter::SetPosition(double x, double y) {
    posX = x;
    posY = y;
}

void LinePrinter::PrintText(const std::string& text, double x, double y) {
    EnsurePrinter();
    if (x != 0) {
        posX = x;
    } else {
        x = posX;
    }
    if (y != 0) {
        posY = y;
    } else {
        y = posY + lineHeight;
        posY = y;
    }

    const DeviceMetrics m = device_.Metrics();
    if (!HasDots(m)) return;  // no device context to draw on
    const int32_t rightLimit = ToPixels((m.physicalWidth - m.physicalOffsetX) - rightMargin * m.logPixelsX);
    const int32_t bottomLimit = ToPixels((m.physicalHeight - m.physicalOffsetY) - bottomMargin * m.logPixelsY);
    int32_t px = std::max(ToPixels(x * m.logPixelsX - m.physicalOffsetX), 0);
    const int32_t py = std::max(ToPixels(y * m.logPixelsY - m.physicalOffsetY), 0);
    const int32_t leftLimit = std::max(ToPixels(leftMargin * m.logPixelsX - m.physicalOffsetX), 0);

    std::string line = text;
    if (leftMargin > x) {
        // Keep what lies right of the margin; a line wholly inside the
        // margin keeps nothing (a positive width would keep its start).
        const double beyondMargin = x + TextWidth(line) - leftMargin;
        line = beyondMargin > 0 ? FitString(line, -beyondMargin) : std::string();
        px = leftLimit;
    }
    if (static_cast<int64_t>(device_.TextExtent(line)) + px > rightLimit) {
        // A start at or beyond the right limit keeps nothing (a negative
        // width would keep the line's end).
        line = px < rightLimit ? FitString(line, static_cast<double>(rightLimit - px) / m.logPixelsX) : std::string();
    }
    if (y < topMargin || py + lineHeight * m.logPixelsY > bottomLimit) return;
    device_.WriteText(px, py, line);
}

void LinePrinter::BeginDocument(const std::string& name) {
    EnsurePrinter();
    documentFailed = device_.OpenDocument(DocumentName(name)) <= 0;
    if (documentFailed) device_.ShowPrinterError(1);
}

void LinePrinter::BeginPage() {
    if (device_.OpenPage() <= 0 && !documentFailed) device_.ShowPrinterError(2);
}

void LinePrinter::FinishPage() { device_.ClosePage(); }

void LinePrinter::FinishDocument() { device_.CloseDocument(); }

}  // namespace tome
