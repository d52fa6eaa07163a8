// Rows as libcsv reads them, with the lines they start on and the position
// of malformed quoted fields.
#include <gtest/gtest.h>

#include "tools/csv_reader.h"

namespace tome {
namespace {

struct Read {
    std::vector<CsvRow> rows;
    std::vector<CsvProblem> problems;
    bool completed = false;
};

Read ReadAll(const std::string& text, char delimiter = ',', bool goOn = true) {
    Read r;
    r.completed = ReadCsv(
        text, delimiter, true, [&r](CsvRow& row) { r.rows.push_back(row); },
        [&r, goOn](const CsvProblem& p) {
            r.problems.push_back(p);
            return goOn;
        });
    return r;
}

using Cells = std::vector<std::string>;

TEST(CsvReader, QuotedSeparatorsQuotesAndLineBreaksStayInTheirField) {
    const Read r = ReadAll("Title,Author\r\n\"Eats, Shoots\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",x\r\nlast,row\r\n");
    ASSERT_TRUE(r.completed);
    ASSERT_EQ(r.rows.size(), 4u);
    EXPECT_EQ(r.rows[1].cells, (Cells{"Eats, Shoots", "say \"hi\""}));
    EXPECT_EQ(r.rows[2].cells, (Cells{"two\r\nlines", "x"}));
    // The row after a quoted line break starts two lines further on.
    EXPECT_EQ(r.rows[2].line, 3);
    EXPECT_EQ(r.rows[3].line, 5);
    EXPECT_EQ(r.rows[3].row, 4);
}

TEST(CsvReader, LfCrLfAndCrLineEndsGiveTheSameRows) {
    const Read lf = ReadAll("a,b\n1,2\n\n3,4");
    const Read crlf = ReadAll("a,b\r\n1,2\r\n\r\n3,4\r\n");
    const Read cr = ReadAll("a,b\r1,2\r\r3,4\r");
    for (const Read* r : {&lf, &crlf, &cr}) {
        ASSERT_EQ(r->rows.size(), 3u);  // the blank line is no row
        EXPECT_EQ(r->rows[2].cells, (Cells{"3", "4"}));
        EXPECT_EQ(r->rows[2].line, 4);
    }
}

TEST(CsvReader, TabSeparatedKeepsCommasAndInnerBlanks) {
    const Read r = ReadAll("Title\tPrimary Author\nDune\tHerbert, Frank\n\t\n", '\t');
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[1].cells, (Cells{"Dune", "Herbert, Frank"}));
    EXPECT_EQ(r.rows[2].cells, (Cells{"", ""}));
}

TEST(CsvReader, QuotesInsideUnquotedFieldsAreText) {
    const Read r = ReadAll("Title,ISBN\n5\" floppy,=\"0441013597\"\n");
    ASSERT_TRUE(r.problems.empty());
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[1].cells, (Cells{"5\" floppy", "=\"0441013597\""}));
}

TEST(CsvReader, TextAfterAClosingQuoteIsNamedByLineAndColumnAndTheRowIsDropped) {
    const Read r = ReadAll("Title,Author\nok,one\n\"bad\" quote,two\n\"caf\xC3\xA9\"x,three\nfine,four\n");
    ASSERT_TRUE(r.completed);
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].line, 3);
    EXPECT_EQ(r.problems[0].column, 7);
    EXPECT_EQ(r.problems[0].row, 3);
    // Columns count characters, not bytes: the é is one.
    EXPECT_EQ(r.problems[1].line, 4);
    EXPECT_EQ(r.problems[1].column, 7);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[2].cells, (Cells{"fine", "four"}));
    EXPECT_EQ(r.rows[2].row, 5);  // broken rows keep their numbers
}

TEST(CsvReader, UnclosedQuoteNamesWhereTheFieldOpened) {
    const Read r = ReadAll("Title,Author\nfirst,one\nsecond,\"never\nclosed\n", ',', false);
    EXPECT_FALSE(r.completed);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 3);
    EXPECT_EQ(r.problems[0].column, 8);
    EXPECT_EQ(r.problems[0].row, 3);
    EXPECT_EQ(r.rows.size(), 2u);
}

TEST(CsvReader, GoingOnAfterAnUnclosedQuoteReadsTheLinesAfterIt) {
    const Read r = ReadAll("Title,Author\nsecond,\"never\nthird,three\n");
    ASSERT_TRUE(r.completed);
    ASSERT_EQ(r.problems.size(), 1u);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[1].cells, (Cells{"third", "three"}));
    EXPECT_EQ(r.rows[1].line, 3);
}

TEST(CsvReader, EmptyAndHeaderOnlyTexts) {
    EXPECT_TRUE(ReadAll("").rows.empty());
    const Read header = ReadAll("Title,Author");
    ASSERT_EQ(header.rows.size(), 1u);
    EXPECT_EQ(header.rows[0].cells, (Cells{"Title", "Author"}));
}

}  // namespace
}  // namespace tome
