#include "print/printer_error_win.h"

#include "books/message_box_win.h"
#include "print/printer_texts.h"

namespace tome {

void ReportPrinterError(int32_t code) { AskUser(PrinterErrorText(code), PrinterErrorCaption, MB_OK | MB_ICONERROR); }

}  // namespace tome
