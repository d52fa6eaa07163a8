#include "books/text_rules.h"

#include <gtest/gtest.h>

namespace tome {
namespace {

TEST(LenientNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(LenientNumber("1999"), 1999);
    EXPECT_EQ(LenientNumber("  42abc"), 42);
    EXPECT_EQ(LenientNumber("abc"), 0);
    EXPECT_EQ(LenientNumber(""), 0);
    EXPECT_EQ(LenientNumber("-7"), -7);
    EXPECT_EQ(LenientNumber("+3.25x"), 3.25);
    EXPECT_EQ(LenientNumber(".5"), 0.5);
    EXPECT_EQ(LenientNumber("1e5"), 1);      // no exponents
    EXPECT_EQ(LenientNumber("0x10"), 0);     // no radix prefixes
    EXPECT_EQ(LenientNumber("- 5"), 0);
    EXPECT_EQ(LenientNumber("."), 0);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(1999.5), 2000);
    EXPECT_EQ(RoundHalfEven(1998.5), 1998);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
    EXPECT_EQ(LenientInteger("1999.5"), 2000);
    EXPECT_EQ(LenientInteger("1998.5"), 1998);
    EXPECT_EQ(LenientInteger("99999999999999999999999"), INT64_MAX);
}

TEST(TrimBlanks, TrimsOnlyBlanks) {
    EXPECT_EQ(TrimBlanks("  QA76  "), "QA76");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\tx "), "\tx");
    EXPECT_EQ(TrimmedBlanks(" a b "), "a b");
    EXPECT_EQ(TrimmedBlanks(""), "");
}

// Windows takes either slash between folders; the status bar and the
// messages name the file alone either way.
TEST(FileNameOf, AfterTheLastSlashOfEitherKind) {
    EXPECT_EQ(FileNameOf("C:\\Books\\My books.lib"), "My books.lib");
    EXPECT_EQ(FileNameOf("C:/Books/Shelf\\a.lib"), "a.lib");
    EXPECT_EQ(FileNameOf("C:\\Books/b.lib"), "b.lib");
    EXPECT_EQ(FileNameOf("plain.lib"), "plain.lib");
    EXPECT_EQ(FileNameOf("C:\\Books\\"), "");
}

}  // namespace
}  // namespace tome
