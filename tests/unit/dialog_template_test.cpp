#include "dialogs/dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tome {
namespace {

template <class T>
T At(const std::vector<uint8_t>& bytes, size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

std::vector<uint16_t> Units(const char* text) {
    std::vector<uint16_t> units;
    for (const char* p = text; *p; ++p) units.push_back(static_cast<uint8_t>(*p));
    units.push_back(0);
    return units;
}

std::vector<uint16_t> UnitsAt(const std::vector<uint8_t>& bytes, size_t offset, size_t count) {
    std::vector<uint16_t> units(count);
    std::memcpy(units.data(), bytes.data() + offset, count * 2);
    return units;
}

DialogSpec About() {
    DialogSpec spec;
    spec.caption = "About";
    spec.style = 0x80C800C0;
    spec.width = 220;
    spec.height = 160;
    spec.controls.push_back({"STATIC", "Hi", 9901, 0, 0, 50, 10, 80, 20});
    spec.controls.push_back({"SysTabControl32", "", 500, 0x00010000, 0x200, 1, 37, 716, 398});
    return spec;
}

TEST(DialogTemplate, HeaderCarriesStyleSizeCaptionAndFont) {
    const std::vector<uint8_t> t = BuildDialogTemplate(About());
    EXPECT_EQ(At<uint32_t>(t, 0), 0x80C800C0u | 0x40u);  // DS_SETFONT always
    EXPECT_EQ(At<uint32_t>(t, 4), 0u);
    EXPECT_EQ(At<uint16_t>(t, 8), 2);
    EXPECT_EQ(At<int16_t>(t, 14), 220);
    EXPECT_EQ(At<int16_t>(t, 16), 160);
    EXPECT_EQ(At<uint16_t>(t, 18), 0);  // menu
    EXPECT_EQ(At<uint16_t>(t, 20), 0);  // class
    EXPECT_EQ(UnitsAt(t, 22, 6), Units("About"));
    EXPECT_EQ(At<uint16_t>(t, 34), 8);
    EXPECT_EQ(UnitsAt(t, 36, 14), Units("MS Sans Serif"));
}

TEST(DialogTemplate, ControlsAreDwordAlignedWithAtomsOrClassNames) {
    const std::vector<uint8_t> t = BuildDialogTemplate(About());
    const size_t item = 36 + 14 * 2;  // after the font name and its terminator, already aligned
    EXPECT_EQ(At<uint32_t>(t, item), 0x50000000u);  // WS_CHILD | WS_VISIBLE added
    EXPECT_EQ(At<int16_t>(t, item + 8), 50);
    EXPECT_EQ(At<int16_t>(t, item + 14), 20);
    EXPECT_EQ(At<uint16_t>(t, item + 16), 9901);
    EXPECT_EQ(At<uint16_t>(t, item + 18), 0xFFFF);
    EXPECT_EQ(At<uint16_t>(t, item + 20), 0x82);  // STATIC
    EXPECT_EQ(UnitsAt(t, item + 22, 3), Units("Hi"));
    EXPECT_EQ(At<uint16_t>(t, item + 28), 0);  // creation data

    size_t second = (item + 30 + 3) & ~size_t(3);
    EXPECT_EQ(At<uint32_t>(t, second + 4), 0x200u);
    EXPECT_EQ(At<uint16_t>(t, second + 16), 500);
    EXPECT_EQ(UnitsAt(t, second + 18, 16), Units("SysTabControl32"));
    EXPECT_EQ(t.size(), second + 18 + 32 + 2 + 2);
}

TEST(DialogTemplate, FrameTemplateHasNoControls) {
    const std::vector<uint8_t> t = BuildFrameTemplate(About());
    EXPECT_EQ(At<uint16_t>(t, 8), 0);
    EXPECT_EQ(t.size(), 64u);
}

TEST(DialogTemplate, LabelsShareIdMinusOneAndTextsAre1252) {
    DialogSpec spec;
    spec.controls.push_back({"STATIC", "\x80 caf\xE9 \x81", -1, 0, 0, 0, 0, 0, 0});
    const std::vector<uint8_t> t = BuildDialogTemplate(spec);
    const size_t item = (22 + 2 + 2 + 28 + 3) & ~size_t(3);
    EXPECT_EQ(At<uint16_t>(t, item + 16), 0xFFFF);
    EXPECT_EQ(UnitsAt(t, item + 22, 9),
              (std::vector<uint16_t>{0x20AC, ' ', 'c', 'a', 'f', 0xE9, ' ', 0x81, 0}));
}

}  // namespace
}  // namespace tome
