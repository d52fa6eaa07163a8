#include "print/printer_error_win.h"

#include "print/printer_texts.h"

namespace tome {

MessageBoxFunction printerMessageBox = MessageBoxA;

void ReportPrinterError(int32_t code) {
    printerMessageBox(nullptr, PrinterErrorText(code).c_str(), PrinterErrorCaption, MB_OK | MB_ICONERROR);
}

}  // namespace tome
