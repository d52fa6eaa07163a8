// cTPrint: a line printer on a printer device context, measured in inches
// from the sheet's top-left corner; one object per print job. The device
// under it is GDI and the spooler: a printer device context set up from the
// default printer or the print dialog, its font and its device settings.
#pragma once

#include <windows.h>

#include <string>

#include "print/line_printer.h"
#include "print/printer_device.h"
#include "print/printer_error_win.h"

namespace tome {

// The printer device of cTPrint; its fields are the job's handles.
class GdiPrinter final : public PrinterDevice {
public:
    GdiPrinter() = default;
    ~GdiPrinter();
    GdiPrinter(const GdiPrinter&) = delete;
    GdiPrinter& operator=(const GdiPrinter&) = delete;

    HDC PrinterDC() const { return hPrinterDC; }

    bool HasPrinter() const override { return hPrinterDC != nullptr; }
    std::string UseDefaultPrinter() override;
    std::string ChoosePrinter() override;
    DeviceMetrics Metrics() const override;
    void SelectNewFont(const FontRequest& font) override;
    int32_t FontLineHeight() const override;
    int32_t FontAverageWidth() const override;
    int32_t TextExtent(const std::string& text) const override;
    int32_t FitCount(const std::string& text, int32_t maxExtent) const override;
    void WriteText(int32_t x, int32_t y, const std::string& text) override;
    void SetDuplex(int32_t mode) override;
    void SetOrientation(int32_t orientation) override;
    int32_t OpenDocument(const std::string& name) override;
    int32_t OpenPage() override;
    int32_t ClosePage() override;
    void CloseDocument() override;
    void ShowPrinterError(int32_t code) override;

private:
    // Takes over a new device context and its settings, letting go of the
    // previous ones.
    void Adopt(HDC dc, HGLOBAL devMode, const std::string& name);
    // Puts the saved font back, deletes ours and the device context.
    void ReleaseDeviceContext();
    template <class Change>
    void ChangeSettings(DWORD field, Change change);

    HDC hPrinterDC = nullptr;
    HFONT hFont = nullptr;
    HGDIOBJ hSavedFont = nullptr;
    std::string printerName;
    HGLOBAL hDevMode = nullptr;  // DEVMODEA, movable
};

namespace detail {
// Holds the device so that it is made before the line printer drawing on it.
struct GdiPrinterHolder {
    GdiPrinter device;
};
}  // namespace detail

class cTPrint : private detail::GdiPrinterHolder, public LinePrinter {
public:
    cTPrint() : detail::GdiPrinterHolder(), LinePrinter(device) {}

    // 0 until a printer is set up, and again after FinishDocument.
    HDC PrinterDC() const { return device.PrinterDC(); }
};

}  // namespace tome
