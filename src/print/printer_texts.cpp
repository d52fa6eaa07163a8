#include "print/printer_texts.h"

#include "books/text_rules.h"

namespace tome {

std::string PrinterErrorText(int32_t code) {
    switch (code) {
    case 1: return "Document printing error";
    case 2: return "Page printing error";
    default: return "Unspecified printer error";
    }
}

std::string PrinterNameFromDeviceEntry(const std::string& entry) {
    return TrimBlanks(entry.substr(0, entry.find(','))).substr(0, 127);
}

std::string DocumentName(const std::string& name) { return name.substr(0, 63); }

}  // namespace tome
