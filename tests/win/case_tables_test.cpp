// The core's code page 1252 case tables against the system's own folding.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "books/text_case.h"

namespace {

class CaseTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the tables are for the ANSI code page 1252"; }
};

TEST_F(CaseTables, LowerMatchesCharLowerBuffAForEveryByte) {
    const tome::CaseTable& table = tome::LowerAnsiTable();
    for (int c = 0; c < 256; ++c) {
        char byte = static_cast<char>(c);
        ASSERT_EQ(CharLowerBuffA(&byte, 1), 1u);
        EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(byte)), static_cast<int>(table[static_cast<size_t>(c)]))
            << "byte 0x" << std::hex << c;
    }
}

TEST_F(CaseTables, UpperMatchesCharUpperBuffAForEveryByte) {
    const tome::CaseTable& table = tome::UpperAnsiTable();
    for (int c = 0; c < 256; ++c) {
        char byte = static_cast<char>(c);
        ASSERT_EQ(CharUpperBuffA(&byte, 1), 1u);
        EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(byte)), static_cast<int>(table[static_cast<size_t>(c)]))
            << "byte 0x" << std::hex << c;
    }
}

TEST_F(CaseTables, WholeTextFoldsAsOneBuffer) {
    std::string all(256, '\0');
    for (int c = 0; c < 256; ++c) all[static_cast<size_t>(c)] = static_cast<char>(c);

    std::string lowered = all;
    ASSERT_EQ(CharLowerBuffA(&lowered[0], 256), 256u);
    EXPECT_EQ(tome::LowerAnsi(all), lowered);

    std::string uppered = all;
    ASSERT_EQ(CharUpperBuffA(&uppered[0], 256), 256u);
    EXPECT_EQ(tome::UpperAnsi(all), uppered);
}

}  // namespace
