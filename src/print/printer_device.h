// The printer device context as the line printer sees it: device metrics,
// one selected font, text measuring and drawing in device pixels, and the
// spooler's document and page calls. The program implements it over GDI;
// tests use a recording device with chosen metrics.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

// GetDeviceCaps values; all 0 while there is no device context.
struct DeviceMetrics {
    int32_t logPixelsX = 0;
    int32_t logPixelsY = 0;
    int32_t physicalWidth = 0;
    int32_t physicalHeight = 0;
    int32_t physicalOffsetX = 0;
    int32_t physicalOffsetY = 0;
    int32_t vertRes = 0;
};

struct FontRequest {
    std::string face;
    int32_t height = 0;  // negative: a character height in device pixels
    int32_t weight = 400;
    bool italic = false;
    bool underline = false;

    bool operator==(const FontRequest& o) const {
        return face == o.face && height == o.height && weight == o.weight && italic == o.italic &&
               underline == o.underline;
    }
};

class PrinterDevice {
public:
    // A device context exists.
    virtual bool HasPrinter() const = 0;
    // Sets up the printer named by the profile entry; its name, "" when
    // there is none or it cannot be opened.
    virtual std::string UseDefaultPrinter() = 0;
    // The print dialog; the chosen printer's name, or the previous one when
    // the user cancels.
    virtual std::string ChoosePrinter() = 0;
    virtual DeviceMetrics Metrics() const = 0;
    // Replaces the font made by the last call and selects the new one.
    virtual void SelectNewFont(const FontRequest& font) = 0;
    // tmHeight + tmExternalLeading and tmAveCharWidth of the selected font.
    virtual int32_t FontLineHeight() const = 0;
    virtual int32_t FontAverageWidth() const = 0;
    virtual int32_t TextExtent(const std::string& text) const = 0;
    // How many leading characters fit into maxExtent pixels.
    virtual int32_t FitCount(const std::string& text, int32_t maxExtent) const = 0;
    virtual void WriteText(int32_t x, int32_t y, const std::string& text) = 0;
    // Device settings: nothing happens without settings, for 0, or when the
    // settings do not have the field.
    virtual void SetDuplex(int32_t mode) = 0;
    virtual void SetOrientation(int32_t orientation) = 0;
    // Spooler calls with their results (0 or less is a failure).
    virtual int32_t OpenDocument(const std::string& name) = 0;
    virtual int32_t OpenPage() = 0;
    virtual int32_t ClosePage() = 0;
    // Ends the job and releases the device context and font.
    virtual void CloseDocument() = 0;
    // The "Printer Error" message box.
    virtual void ShowPrinterError(int32_t code) = 0;

protected:
    ~PrinterDevice() = default;
};

}  // namespace tome
