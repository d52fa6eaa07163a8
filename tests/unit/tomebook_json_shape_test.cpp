// Documents of an unexpected shape: nesting far deeper than a book document
// is refused before it is built, and a bad value is quoted by a short, flat
// excerpt however deep or wide it is.
#include <gtest/gtest.h>

#include <string>

#include "tools/book_json.h"
#include "tools/json_document.h"

namespace tome {
namespace {

const char DeepWords[] = "it nests arrays and objects more than 256 levels deep";

// The empty collection's document with spareCount replaced by value.
std::string WithSpareCount(const std::string& value) {
    std::string doc = CollectionToJson(BookCollection());
    const std::string zero = "\"spareCount\": 0";
    doc.replace(doc.find(zero), zero.size(), "\"spareCount\": " + value);
    return doc;
}

std::string Nested(size_t levels, const std::string& open, const std::string& inner, const std::string& close) {
    std::string s;
    s.reserve(levels * (open.size() + close.size()) + inner.size());
    for (size_t i = 0; i < levels; ++i) s += open;
    s += inner;
    for (size_t i = 0; i < levels; ++i) s += close;
    return s;
}

std::string Refusal(const std::string& text) {
    BookCollection out;
    out.authors.append("untouched");
    std::string reason;
    EXPECT_FALSE(CollectionFromJson(text, out, reason));
    EXPECT_EQ(out.authors.count(), 1);
    return reason;
}

TEST(BookJsonShape, NestingFarDeeperThanABookDocumentIsRefused) {
    // 65,000 levels once overflowed the stack of the sanitizer build; three
    // million are refused as quickly.
    for (size_t levels : {size_t(65000), size_t(3000000)}) {
        EXPECT_EQ(Refusal(WithSpareCount(Nested(levels, "[", "1", "]"))), DeepWords) << levels;
        EXPECT_EQ(Refusal(WithSpareCount(Nested(levels, "{\"a\":", "1", "}"))), DeepWords) << levels;
    }
    // Cut off in the middle, a deep text is still refused for its depth first.
    EXPECT_EQ(Refusal(Nested(100000, "[", "", "").substr(0, 50000)), DeepWords);
}

TEST(BookJsonShape, NestingUpToTheLimitIsReadAndQuotedFlat) {
    // The document itself is the first level.
    const std::string deepest = WithSpareCount(Nested(MaxJsonNesting - 1, "[", "7", "]"));
    EXPECT_EQ(Refusal(deepest), "spareCount must be a whole number from -2147483648 to 2147483647, not [[...]]");
    EXPECT_EQ(Refusal(WithSpareCount(Nested(MaxJsonNesting, "[", "7", "]"))), DeepWords);
}

TEST(BookJsonShape, AWideValueIsQuotedByItsFirstMembers) {
    Json wide = Json::array();
    for (int i = 0; i < 100000; ++i) wide.push_back(i);
    EXPECT_EQ(Quote(wide), "[0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,1...");
    EXPECT_EQ(Refusal(WithSpareCount(wide.dump())),
              "spareCount must be a whole number from -2147483648 to 2147483647, not [0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,1...");

    EXPECT_EQ(Quote(Json::parse(R"({"a": [1, 2], "b": {"c": 1}, "d": {}, "e": []})")), R"({"a":[...],"b":{...},"d":{},"e":[]})");
    EXPECT_EQ(Quote(Json(std::string(1000000, 'x'))), "\"" + std::string(36, 'x') + "...");
    // Cut between characters, never inside one: each é is two bytes.
    std::string accents;
    for (int i = 0; i < 30; ++i) accents += "\xC3\xA9";
    std::string eighteen;
    for (int i = 0; i < 18; ++i) eighteen += "\xC3\xA9";
    EXPECT_EQ(Quote(Json(accents)), "\"" + eighteen + "...");
    EXPECT_EQ(Quote(Json("x" + accents)), "\"x" + eighteen.substr(2) + "...");  // one é fewer, not half of one
}

}  // namespace
}  // namespace tome
