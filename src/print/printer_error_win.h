// The "Printer Error" message box of the print jobs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

// Shows the message; tests put their own function here.
using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
extern MessageBoxFunction printerMessageBox;

// "Document printing error" (1), "Page printing error" (2), otherwise
// "Unspecified printer error"; an error icon, OK, no owner.
void ReportPrinterError(int32_t code);

}  // namespace tome
