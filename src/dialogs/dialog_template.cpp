#include "dialog_template.h"

#include <cstring>

#include "books/cp1252.h"

namespace tome {

namespace {

constexpr uint32_t ChildVisible = 0x40000000u | 0x10000000u;  // WS_CHILD | WS_VISIBLE
constexpr uint32_t SetFontStyle = 0x40;                       // DS_SETFONT

class TemplateWriter {
public:
    template <class T>
    void Write(T value) {
        uint8_t raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));  // templates are little-endian, as is every Windows target
        bytes_.insert(bytes_.end(), raw, raw + sizeof(T));
    }
    void WriteString(const std::string& text) {
        for (char c : text) Write<uint16_t>(Utf16FromCp1252(static_cast<uint8_t>(c)));
        Write<uint16_t>(0);
    }
    void AlignToDword() {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Predefined control classes are written as 0xFFFF and an atom.
uint16_t ClassAtom(const std::string& name) {
    struct Atom { const char* name; uint16_t atom; };
    static const Atom atoms[] = {{"BUTTON", 0x80}, {"EDIT", 0x81}, {"STATIC", 0x82},
                                 {"LISTBOX", 0x83}, {"SCROLLBAR", 0x84}, {"COMBOBOX", 0x85}};
    for (const Atom& a : atoms) {
        if (name == a.name) return a.atom;
    }
    return 0;
}

std::vector<uint8_t> Build(const DialogSpec& spec, bool withControls) {
    TemplateWriter out;
    const size_t count = withControls ? spec.controls.size() : 0;
    out.Write<uint32_t>(spec.style | SetFontStyle);
    out.Write<uint32_t>(spec.exStyle);
    out.Write<uint16_t>(static_cast<uint16_t>(count));
    out.Write<int16_t>(spec.x);
    out.Write<int16_t>(spec.y);
    out.Write<int16_t>(spec.width);
    out.Write<int16_t>(spec.height);
    out.Write<uint16_t>(0);  // no menu
    out.Write<uint16_t>(0);  // the standard dialog class
    out.WriteString(spec.caption);
    out.Write<uint16_t>(spec.pointSize);
    out.WriteString(spec.fontName);
    for (size_t i = 0; i < count; ++i) {
        const ControlSpec& c = spec.controls[i];
        out.AlignToDword();
        out.Write<uint32_t>(c.style | ChildVisible);
        out.Write<uint32_t>(c.exStyle);
        out.Write<int16_t>(c.x);
        out.Write<int16_t>(c.y);
        out.Write<int16_t>(c.width);
        out.Write<int16_t>(c.height);
        out.Write<uint16_t>(static_cast<uint16_t>(c.id));
        if (const uint16_t atom = ClassAtom(c.className)) {
            out.Write<uint16_t>(0xFFFF);
            out.Write<uint16_t>(atom);
        } else {
            out.WriteString(c.className);
        }
        out.WriteString(c.text);
        out.Write<uint16_t>(0);  // no creation data
    }
    return out.Take();
}

}  // namespace

std::vector<uint8_t> BuildDialogTemplate(const DialogSpec& spec) { return Build(spec, true); }
std::vector<uint8_t> BuildFrameTemplate(const DialogSpec& spec) { return Build(spec, false); }

}  // namespace tome
