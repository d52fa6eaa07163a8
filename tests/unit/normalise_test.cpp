#include "books/normalise.h"

#include <gtest/gtest.h>

namespace tome {
namespace {

TEST(NormaliseAuthorName, WorkedExamples) {
    EXPECT_EQ(NormaliseAuthorName("john q smith"), "Smith, John Q");
    EXPECT_EQ(NormaliseAuthorName("smith,  john"), "Smith, John");
    EXPECT_EQ(NormaliseAuthorName("mcbain, ed"), "McBain, Ed");
    EXPECT_EQ(NormaliseAuthorName("macdonald"), "MacDonald");
    EXPECT_EQ(NormaliseAuthorName("mack bolan"), "Bolan, Mack");
    EXPECT_EQ(NormaliseAuthorName("mack"), "MacK");
}

TEST(NormaliseAuthorName, OnlySeparatorsAndEmpty) {
    EXPECT_EQ(NormaliseAuthorName(", ,"), ", ");
    EXPECT_EQ(NormaliseAuthorName(","), ", ");
    EXPECT_EQ(NormaliseAuthorName(""), "");
}

TEST(NormaliseAuthorName, CommaDecidesTheSurname) {
    EXPECT_EQ(NormaliseAuthorName("le carre,john"), "Le, Carre John");
    EXPECT_EQ(NormaliseAuthorName("smith, john, q"), "Smith, John Q");
    EXPECT_EQ(NormaliseAuthorName("smith,"), "Smith");
    // Only the first letter of each field changes; the rest stays as typed.
    EXPECT_EQ(NormaliseAuthorName("dEAN kOONTZ"), "KOONTZ, DEAN");
}

TEST(NormaliseAuthorName, ClanPrefixesAndAccents) {
    EXPECT_EQ(NormaliseAuthorName("Mc"), "Mc");
    EXPECT_EQ(NormaliseAuthorName("Mac"), "Mac");
    EXPECT_EQ(NormaliseAuthorName("ed mcbain"), "McBain, Ed");
    // Case-sensitive: "MC" is not a prefix.
    EXPECT_EQ(NormaliseAuthorName("MCBAIN"), "MCBAIN");
    EXPECT_EQ(NormaliseAuthorName("\xE9mile zola"), "Zola, \xC9mile");
    EXPECT_EQ(NormaliseAuthorName("mc\xE9"), "Mc\xC9");
}

TEST(NormaliseTitle, WorkedExamples) {
    EXPECT_EQ(NormaliseTitle("the name of the rose"), "The Name of the Rose");
    EXPECT_EQ(NormaliseTitle("war and peace"), "War And Peace");
    EXPECT_EQ(NormaliseTitle("the the end"), "The the End");
}

TEST(NormaliseTitle, MinorWordTestIsASubstringTest) {
    // Fragments of the minor-word text stay as typed; a capital "The" is not found.
    EXPECT_EQ(NormaliseTitle("x he n wit so in, The"), "X he n wit so in, The");
    EXPECT_EQ(NormaliseTitle("a tale of two cities"), "A Tale of Two Cities");
    EXPECT_EQ(NormaliseTitle("anal thew"), "Anal Thew");
}

TEST(NormaliseTitle, BlanksInsideStayAndEndsAreTrimmed) {
    EXPECT_EQ(NormaliseTitle("gone  with the wind"), "Gone  with the Wind");
    EXPECT_EQ(NormaliseTitle("  dune  "), "Dune");
    EXPECT_EQ(NormaliseTitle(""), "");
    EXPECT_EQ(NormaliseTitle("   "), "");
    EXPECT_EQ(NormaliseTitle("\xE9t\xE9 \xE0 rome"), "\xC9t\xE9 \xC0 Rome");
}

}  // namespace
}  // namespace tome
