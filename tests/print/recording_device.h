// A printer device for native tests: metrics and character widths chosen by
// the test, and a record of fonts, texts drawn (in device pixels, with the
// page they went on), spooler calls and error messages.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "print/printer_device.h"

namespace tome::testing {

class RecordingDevice final : public PrinterDevice {
public:
    struct Drawn {
        int32_t page;  // 1-based count of pages opened, 0 before the first
        int32_t x;
        int32_t y;
        std::string text;
    };

    // Chosen by the test. US Letter at 600 dots per inch, printable to the edges.
    DeviceMetrics metrics{600, 600, 5100, 6600, 0, 0, 6600};
    int32_t lineHeightPixels = 90;  // 0.15 inch
    int32_t averageWidthPixels = 40;
    int32_t charWidth = 50;
    std::map<char, int32_t> widths;  // characters of another width
    std::string defaultPrinter = "Recorder";  // "" when none is set up
    std::string chosenPrinter = "Recorder";   // "" when the user cancels
    int32_t documentResult = 1;
    int32_t pageResult = 1;

    // Recorded.
    bool hasPrinter = false;
    std::string printerName;
    std::vector<std::string> calls;  // set-up and spooler calls in order
    std::vector<FontRequest> fonts;
    std::vector<Drawn> drawn;
    std::vector<int32_t> errors;
    int32_t pages = 0;

    int32_t WidthOf(char c) const {
        const auto it = widths.find(c);
        return it != widths.end() ? it->second : charWidth;
    }

    bool HasPrinter() const override { return hasPrinter; }
    std::string UseDefaultPrinter() override {
        calls.push_back("UseDefaultPrinter");
        if (!defaultPrinter.empty()) {
            hasPrinter = true;
            printerName = defaultPrinter;
        }
        return printerName;
    }
    std::string ChoosePrinter() override {
        calls.push_back("ChoosePrinter");
        if (!chosenPrinter.empty()) {
            hasPrinter = true;
            printerName = chosenPrinter;
        }
        return printerName;
    }
    DeviceMetrics Metrics() const override { return hasPrinter ? metrics : DeviceMetrics{}; }
    void SelectNewFont(const FontRequest& font) override { fonts.push_back(font); }
    int32_t FontLineHeight() const override { return hasPrinter ? lineHeightPixels : 0; }
    int32_t FontAverageWidth() const override { return hasPrinter ? averageWidthPixels : 0; }
    int32_t TextExtent(const std::string& text) const override {
        int32_t cx = 0;
        for (char c : text) cx += WidthOf(c);
        return hasPrinter ? cx : 0;
    }
    int32_t FitCount(const std::string& text, int32_t maxExtent) const override {
        int32_t cx = 0;
        int32_t n = 0;
        for (char c : text) {
            cx += WidthOf(c);
            if (cx > maxExtent) break;
            ++n;
        }
        return hasPrinter ? n : 0;
    }
    void WriteText(int32_t x, int32_t y, const std::string& text) override {
        if (hasPrinter) drawn.push_back({pages, x, y, text});
    }
    void SetDuplex(int32_t mode) override { calls.push_back("SetDuplex " + std::to_string(mode)); }
    void SetOrientation(int32_t orientation) override {
        calls.push_back("SetOrientation " + std::to_string(orientation));
    }
    int32_t OpenDocument(const std::string& name) override {
        calls.push_back("StartDoc " + name);
        return hasPrinter ? documentResult : 0;
    }
    int32_t OpenPage() override {
        calls.push_back("StartPage");
        if (!hasPrinter) return 0;
        ++pages;
        return pageResult;
    }
    int32_t ClosePage() override {
        calls.push_back("EndPage");
        return hasPrinter ? 1 : 0;
    }
    void CloseDocument() override {
        calls.push_back("EndDoc");
        hasPrinter = false;
    }
    void ShowPrinterError(int32_t code) override { errors.push_back(code); }

    // Texts drawn on a page, in drawing order.
    std::vector<Drawn> OnPage(int32_t page) const {
        std::vector<Drawn> on;
        std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(on),
                     [page](const Drawn& d) { return d.page == page; });
        return on;
    }
    size_t Count(const std::string& call) const {
        return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
    }
};

}  // namespace tome::testing
