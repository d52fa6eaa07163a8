// Texts and names of the line printer that do not depend on Windows.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

constexpr char PrinterErrorCaption[] = "Printer Error";
// 1: the document did not start; 2: a page did not start.
std::string PrinterErrorText(int32_t code);

// The printer name of the "WINDOWS"/"DEVICE" profile value ("name,driver,port"):
// the text before the first comma without outer blanks, at most 127 characters.
std::string PrinterNameFromDeviceEntry(const std::string& entry);

// Spooler document names keep at most 63 characters.
std::string DocumentName(const std::string& name);

}  // namespace tome
