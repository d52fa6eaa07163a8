// cTPrint: a line printer on a printer device context, measured in inches
// from the sheet's top-left corner. One object per print job.
#pragma once

#include <windows.h>

#include <cstdint>

#include "print/gdi_printer_win.h"
#include "print/line_printer.h"

namespace tome {

// Shows "Printer Error" messages; tests put their own function here.
using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
extern MessageBoxFunction printerMessageBox;

// "Document printing error" (1), "Page printing error" (2), otherwise
// "Unspecified printer error"; an error icon, OK, no owner.
void ReportPrinterError(int32_t code);

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
