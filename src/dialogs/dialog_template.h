// Dialogs described as plain data and turned into an in-memory dialog
// template (the DLGTEMPLATE layout) byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tome {

struct ControlSpec {
    std::string className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX" or a registered class
    std::string text;       // Windows-1252
    int32_t id = -1;        // labels share -1
    uint32_t style = 0;     // WS_CHILD | WS_VISIBLE are added by the builder
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
};

struct DialogSpec {
    std::string caption;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;  // of the client area
    std::string fontName = "MS Sans Serif";
    uint16_t pointSize = 8;
    std::vector<ControlSpec> controls;
};

// The template of a dialog measured in dialog units, its controls included.
std::vector<uint8_t> BuildDialogTemplate(const DialogSpec& spec);

// The template of the dialog's frame alone (no controls): for dialogs measured
// in pixels, whose controls are created in pixels once the frame exists.
std::vector<uint8_t> BuildFrameTemplate(const DialogSpec& spec);

}  // namespace tome
