// Encodings of imported files and the conversion of their cells to the
// Windows-1252 bytes a book file holds.
#include <gtest/gtest.h>

#include "tools/csv_text.h"

namespace tome {
namespace {

TEST(CsvTextEncoding, TellsUtf8WithAndWithoutBomFromWindows1252) {
    PreparedText bom = PrepareText("\xEF\xBB\xBFTitle\r\nCaf\xC3\xA9\r\n");
    EXPECT_EQ(bom.encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(bom.text, "Title\r\nCaf\xC3\xA9\r\n");

    PreparedText plain = PrepareText("Title\nCaf\xC3\xA9\n");
    EXPECT_EQ(plain.encoding, TextEncoding::Utf8);

    // A lone E9 is no UTF-8: the file is Windows-1252 and its cells convert.
    PreparedText ansi = PrepareText("Title\nCaf\xE9 \x93quoted\x94\n");
    EXPECT_EQ(ansi.encoding, TextEncoding::Cp1252);
    EXPECT_EQ(CellAsUtf8("Caf\xE9 \x93q\x94", ansi.encoding), "Caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D");

    // A BOM followed by bytes that are not UTF-8 is not believed.
    EXPECT_EQ(PrepareText("\xEF\xBB\xBF" "Caf\xE9").encoding, TextEncoding::Cp1252);
}

TEST(CsvTextEncoding, ReadsUtf16InBothByteOrders) {
    // "Aé😀" with the emoji as a surrogate pair, then an unpaired surrogate.
    const std::string le("\xFF\xFE" "A\0\xE9\0\x3D\xD8\x00\xDE\x00\xD8", 12);
    PreparedText text = PrepareText(le);
    EXPECT_EQ(text.encoding, TextEncoding::Utf16);
    EXPECT_EQ(text.text, "A\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD");
    const std::string be("\xFE\xFF\0A\0\xE9", 6);
    EXPECT_EQ(PrepareText(be).text, "A\xC3\xA9");
}

TEST(CsvTextStandIns, ReplacesWhatWindows1252LacksAndCountsIt) {
    Replacements replaced;
    // é and the curly quote are in 1252; the CJK character and the emoji are not.
    EXPECT_EQ(Cp1252WithStandIns("\xC3\xA9\xE2\x80\x99\xE4\xB8\xAD-\xF0\x9F\x98\x80", replaced), "\xE9\x92?-?");
    EXPECT_EQ(replaced.count, 2);
    EXPECT_EQ(replaced.first, "U+4E2D");
    EXPECT_EQ(Cp1252WithStandIns("plain", replaced), "plain");
    EXPECT_EQ(replaced.count, 2);
}

TEST(CsvTextHtml, EntitiesAndLineBreaksBecomeText) {
    EXPECT_EQ(TextFromHtml("Tom &amp; Jerry &lt;3 &quot;x&quot; &#39;y&#x27;"), "Tom & Jerry <3 \"x\" 'y'");
    EXPECT_EQ(TextFromHtml("one<br/>two<br />three<BR>four"), "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(TextFromHtml("it&#8217;s &hellip;"), "it\xE2\x80\x99s \xE2\x80\xA6");
    // Not entities or tags: left as written.
    EXPECT_EQ(TextFromHtml("AT&T & co &unknown; <b>bold</b> <brx>"), "AT&T & co &unknown; <b>bold</b> <brx>");
}

TEST(CsvTextLines, EveryLineBreakBecomesCrLf) {
    EXPECT_EQ(WithCrLf("a\nb\r\nc\rd\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

TEST(CsvTextSeparator, FollowsTheHeaderRow) {
    EXPECT_EQ(GuessDelimiter("Title\tPrimary Author\tDate\nA, B\tC\t1"), '\t');
    EXPECT_EQ(GuessDelimiter("Title,Author\n"), ',');
    EXPECT_EQ(GuessDelimiter("Title;Author\r\n"), ';');
    EXPECT_EQ(GuessDelimiter("Title\n;;;\n"), ',');
}

}  // namespace
}  // namespace tome
