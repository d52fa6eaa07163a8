// The "Printer Error" message box of the print jobs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tome {

// "Document printing error" (1), "Page printing error" (2), otherwise
// "Unspecified printer error"; an error icon, OK, no owner.
void ReportPrinterError(int32_t code);

}  // namespace tome
