#include "books/cp1252.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <set>
#include <string>

namespace tome {
namespace {

// The C library's own Windows-1252 table, as an independent reference. It
// leaves the five undefined bytes unmapped.
bool SystemUtf8(uint8_t byte, std::string& utf8) {
    iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (ok) utf8.assign(out, static_cast<size_t>(outPtr - out));
    return ok;
}

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Cp1252, EveryDefinedByteMatchesTheSystemTable) {
    int defined = 0;
    for (int b = 0; b < 256; ++b) {
        std::string expected;
        if (!SystemUtf8(static_cast<uint8_t>(b), expected)) continue;
        ++defined;
        EXPECT_EQ(Utf8FromCp1252(Byte(b)), expected) << "byte " << b;
    }
    EXPECT_EQ(defined, 251);
}

TEST(Cp1252, UndefinedBytesBecomeTheC1ControlsOfTheSameNumber) {
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        std::string unused;
        EXPECT_FALSE(SystemUtf8(static_cast<uint8_t>(b), unused)) << "byte " << b << " is defined after all";
        const std::string expected = {static_cast<char>(0xC2), static_cast<char>(b)};
        EXPECT_EQ(Utf8FromCp1252(Byte(b)), expected) << "byte " << b;
    }
}

TEST(Cp1252, EveryByteComesBackAndNoTwoShareACharacter) {
    std::set<std::string> seen;
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = Utf8FromCp1252(Byte(b));
        EXPECT_TRUE(seen.insert(utf8).second) << "byte " << b;
        std::string back, problem;
        ASSERT_TRUE(Cp1252FromUtf8(utf8, back, problem)) << "byte " << b << ": " << problem;
        EXPECT_EQ(back, Byte(b));
        all += Byte(b);
    }
    std::string back, problem;
    ASSERT_TRUE(Cp1252FromUtf8(Utf8FromCp1252(all), back, problem)) << problem;
    EXPECT_EQ(back, all);
    ASSERT_TRUE(Cp1252FromUtf8("", back, problem));
    EXPECT_EQ(back, "");
}

TEST(Cp1252, RefusesCharactersItCannotHoldAndSaysWhichAndWhere) {
    const struct {
        const char* utf8;
        const char* named;
    } cases[] = {
        {"\xC2\x80", "character 1 (U+0080)"},         // 80 is the euro sign, not U+0080
        {"ab\xC2\x98", "character 3 (U+0098)"},       // 98 is the small tilde
        {"\xC4\x80", "character 1 (U+0100)"},
        {"\xE2\x82\xAC\xE2\x82\xAD", "character 2 (U+20AD)"},
        {"x\xE4\xB8\x8E", "character 2 (U+4E0E)"},
        {"\xEF\xBF\xBD", "character 1 (U+FFFD)"},
        {"\xF0\x9F\x98\x80", "character 1 (U+1F600)"},
    };
    for (const auto& c : cases) {
        std::string out = "untouched", problem;
        EXPECT_FALSE(Cp1252FromUtf8(c.utf8, out, problem)) << c.utf8;
        EXPECT_NE(problem.find(std::string(c.named) + " is not in Windows-1252"), std::string::npos) << problem;
        EXPECT_EQ(out, "untouched");
    }
}

TEST(Cp1252, RefusesMalformedUtf8) {
    const char* cases[] = {
        "\x80",              // continuation without a lead
        "a\xC3",             // cut short
        "\xE2\x82",          // cut short
        "\xC3\x28",          // lead followed by a non-continuation
        "\xC0\x80",          // overlong NUL
        "\xC1\xBF",          // overlong
        "\xE0\x80\xAF",      // overlong
        "\xF0\x80\x80\xAF",  // overlong
        "\xED\xA0\x80",      // surrogate
        "\xF4\x90\x80\x80",  // past U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xFE",
        "\xFF",
    };
    for (const char* c : cases) {
        std::string out = "untouched", problem;
        EXPECT_FALSE(Cp1252FromUtf8(c, out, problem)) << testing::PrintToString(std::string(c));
        EXPECT_NE(problem.find("malformed UTF-8"), std::string::npos) << problem;
        EXPECT_EQ(out, "untouched");
    }
    std::string out, problem;
    EXPECT_FALSE(Cp1252FromUtf8(std::string("ok\xC3\xA9\xC3", 6), out, problem));
    EXPECT_NE(problem.find("at character 4"), std::string::npos) << problem;
}

}  // namespace
}  // namespace tome
