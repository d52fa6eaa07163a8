#include "books/text_case.h"

#include <gtest/gtest.h>

namespace tome {
namespace {

TEST(TextCase, FoldsAsciiAndLatin1Letters) {
    EXPECT_EQ(LowerAnsi("ABC xyz 09@[`{"), "abc xyz 09@[`{");
    EXPECT_EQ(UpperAnsi("abc XYZ 09@[`{"), "ABC XYZ 09@[`{");
    EXPECT_EQ(LowerAnsi("\xC0\xC9\xD6\xD8\xDE"), "\xE0\xE9\xF6\xF8\xFE");
    EXPECT_EQ(UpperAnsi("\xE0\xE9\xF6\xF8\xFE"), "\xC0\xC9\xD6\xD8\xDE");
    // S, OE and Z with caron, and Y with diaeresis, whose pairs sit apart.
    EXPECT_EQ(LowerAnsi("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
    EXPECT_EQ(UpperAnsi("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
}

TEST(TextCase, LeavesWhatWindowsLeaves) {
    // Multiplication and division signs, sharp s, micro sign, f with hook.
    EXPECT_EQ(LowerAnsi("\xD7\xF7\xDF\xB5\x83"), "\xD7\xF7\xDF\xB5\x83");
    EXPECT_EQ(UpperAnsi("\xD7\xF7\xDF\xB5\x83"), "\xD7\xF7\xDF\xB5\x83");
    EXPECT_EQ(LowerAnsi(std::string("\0\x01\x7F\x80\x81\xA0\xFF", 7)), std::string("\0\x01\x7F\x80\x81\xA0\xFF", 7));
}

TEST(TextCase, TablesArePairedAndChangeExactlyTheLetters) {
    const CaseTable& lower = LowerAnsiTable();
    const CaseTable& upper = UpperAnsiTable();
    int lowered = 0;
    int uppered = 0;
    for (int c = 0; c < 256; ++c) {
        const uint8_t l = lower[static_cast<size_t>(c)];
        const uint8_t u = upper[static_cast<size_t>(c)];
        if (l != c) {
            ++lowered;
            EXPECT_EQ(upper[l], c) << "byte " << c;
            EXPECT_EQ(u, c) << "byte " << c << " changes both ways";
        }
        if (u != c) {
            ++uppered;
            EXPECT_EQ(lower[u], c) << "byte " << c;
        }
    }
    // 26 ASCII letters, 30 accented letters 0xC0-0xDE without 0xD7, 4 pairs above 0x80.
    EXPECT_EQ(lowered, 60);
    EXPECT_EQ(uppered, 60);
}

}  // namespace
}  // namespace tome
