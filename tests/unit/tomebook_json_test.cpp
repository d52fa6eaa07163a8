#include "tools/book_json.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

namespace tome {
namespace {

using Json = nlohmann::ordered_json;

Book MakeBook(uint16_t author, std::string title, uint8_t flags = WantToRead | Shown) {
    Book b;
    b.record.author = author;
    b.record.flags = flags;
    b.title = std::move(title);
    return b;
}

void Append(BookCollection& c, const Book& b) {
    c.records.append(b.record);
    c.titles.append(b.title);
    c.comments.append(b.comments);
}

// Two books, one entry in every list, so each list number has a limit.
BookCollection Small() {
    BookCollection c;
    c.authors.append("Austen, Jane");
    c.callNumbers.append("Fic");
    c.publishers.append("Penguin");
    c.libraries.append("Main");
    c.categories.append("Romance");
    Book persuasion = MakeBook(1, "Persuasion");
    persuasion.record.callNumber = persuasion.record.publisher = persuasion.record.library =
        persuasion.record.category = 1;
    persuasion.comments = "from the sale";
    Append(c, persuasion);
    Append(c, MakeBook(1, "Emma", HaveRead | Shown));
    c.sortIndex = {2, 1};
    return c;
}

// What a refused document must leave alone.
BookCollection Sentinel() {
    BookCollection c;
    c.authors.append("Untouched");
    Append(c, MakeBook(1, "Kept"));
    c.sortIndex = {1};
    c.spareCount = 7;
    return c;
}

Json SmallDoc() { return Json::parse(CollectionToJson(Small())); }

std::string Refusal(const std::string& text) {
    BookCollection out = Sentinel();
    std::string reason;
    EXPECT_FALSE(CollectionFromJson(text, out, reason)) << text.substr(0, 300);
    EXPECT_TRUE(out == Sentinel()) << "a refused document changed the collection";
    EXPECT_FALSE(reason.empty());
    return reason;
}
std::string RefusalOf(const Json& doc) { return Refusal(doc.dump()); }

BookCollection Accepted(const std::string& text) {
    BookCollection out;
    std::string reason;
    EXPECT_TRUE(CollectionFromJson(text, out, reason)) << reason;
    return out;
}

#define EXPECT_REASON(reason, words) EXPECT_NE((reason).find(words), std::string::npos) << (reason)

TEST(BookJsonDump, TheOneBookExampleInFull) {
    BookCollection c;
    c.authors.append("Austen");
    Append(c, MakeBook(1, "Emma"));
    c.sortIndex = {1};
    EXPECT_EQ(CollectionToJson(c),
              "{\n"
              "  \"spareCount\": 0,\n"
              "  \"sortIndex\": [1],\n"
              "  \"books\": [\n"
              "    {\"flags\": 34, \"author\": 1, \"callNumber\": 0, \"orderDate\": 0, \"pubYear\": 0, "
              "\"publisher\": 0, \"library\": 0, \"reserved\": 0, \"category\": 0, \"title\": \"Emma\", "
              "\"comments\": \"\"}\n"
              "  ],\n"
              "  \"authors\": [\n"
              "    \"Austen\"\n"
              "  ],\n"
              "  \"callNumbers\": [],\n"
              "  \"publishers\": [],\n"
              "  \"libraries\": [],\n"
              "  \"categories\": []\n"
              "}\n");
    EXPECT_EQ(CollectionToJson(BookCollection()),
              "{\n  \"spareCount\": 0,\n  \"sortIndex\": [],\n  \"books\": [],\n  \"authors\": [],\n"
              "  \"callNumbers\": [],\n  \"publishers\": [],\n  \"libraries\": [],\n  \"categories\": []\n}\n");
}

TEST(BookJsonDump, FieldsInBookNumberOrderWithFullRanges) {
    BookCollection c = Small();
    BookRecord& r = c.records[2];
    r.flags = 255;
    r.orderDate = 0x3243;
    r.pubYear = 65535;
    r.reserved = 200;
    c.spareCount = std::numeric_limits<int32_t>::min();
    const Json doc = Json::parse(CollectionToJson(c));
    EXPECT_EQ(doc["spareCount"], -2147483648LL);
    EXPECT_EQ(doc["sortIndex"], Json::parse("[2, 1]"));
    ASSERT_EQ(doc["books"].size(), 2u);
    EXPECT_EQ(doc["books"][0]["title"], "Persuasion");
    EXPECT_EQ(doc["books"][0]["category"], 1);
    EXPECT_EQ(doc["books"][1]["title"], "Emma");
    EXPECT_EQ(doc["books"][1]["flags"], 255);
    EXPECT_EQ(doc["books"][1]["orderDate"], 0x3243);
    EXPECT_EQ(doc["books"][1]["pubYear"], 65535);
    EXPECT_EQ(doc["books"][1]["reserved"], 200);
    EXPECT_EQ(doc["books"][1]["callNumber"], 0);
}

TEST(BookJsonDump, TextsAreUtf8WithJsonEscapes) {
    BookCollection c = Small();
    c.titles[1] = std::string("caf\xE9 \x80 \x81\"\\\r\n\x01", 13);
    c.authors[1] = std::string("\x00\x9F", 2);
    const std::string text = CollectionToJson(c);
    EXPECT_REASON(text, "\"caf\xC3\xA9 \xE2\x82\xAC \xC2\x81\\\"\\\\\\r\\n\\u0001\"");
    EXPECT_REASON(text, "\"\\u0000\xC5\xB8\"");
    const BookCollection back = Accepted(text);
    EXPECT_EQ(back.titles[1], c.titles[1]);
    EXPECT_EQ(back.authors[1], c.authors[1]);
}

TEST(BookJsonRead, ReadsWhatItWrites) {
    EXPECT_TRUE(Accepted(CollectionToJson(Small())) == Small());
    EXPECT_TRUE(Accepted(CollectionToJson(BookCollection())) == BookCollection());
}

TEST(BookJsonRead, LayoutKeyOrderEscapesAndByteOrderMarkDoNotMatter) {
    Json doc = SmallDoc();
    Json reordered = Json::object();
    for (const char* key : {"categories", "books", "libraries", "sortIndex", "publishers", "authors",
                            "callNumbers", "spareCount"}) {
        reordered[key] = doc[key];
    }
    EXPECT_TRUE(Accepted(reordered.dump(7)) == Small());
    EXPECT_TRUE(Accepted("\xEF\xBB\xBF" + doc.dump()) == Small());

    doc["authors"][0] = "\xE2\x82\xAC";
    const BookCollection escaped = Accepted(doc.dump(-1, ' ', /*ensure_ascii=*/true));
    EXPECT_EQ(escaped.authors[1], "\x80");
}

TEST(BookJsonRead, AcceptsEveryFieldAtItsLimits) {
    BookCollection c;
    for (int i = 0; i < 65535; ++i) c.authors.append("");
    for (ListKind kind : {ListKind::CallNumbers, ListKind::Publishers, ListKind::Libraries, ListKind::Categories}) {
        for (int i = 0; i < 255; ++i) c.list(kind).append("x");
    }
    Book b = MakeBook(65535, "");
    b.record = {255, 65535, 255, 65535, 65535, 255, 255, 255, 255};
    Append(c, b);
    Append(c, MakeBook(0, "", 0));
    c.sortIndex = {2, 1};
    c.spareCount = std::numeric_limits<int32_t>::max();
    EXPECT_TRUE(Accepted(CollectionToJson(c)) == c);
}

TEST(BookJsonRefusal, NotJsonOrNotAnObject) {
    EXPECT_REASON(Refusal("this is not JSON"), "not valid JSON");
    EXPECT_REASON(Refusal(""), "not valid JSON");
    EXPECT_REASON(Refusal(SmallDoc().dump().substr(0, 80)), "not valid JSON");
    EXPECT_REASON(Refusal(SmallDoc().dump() + " {}"), "not valid JSON");
    EXPECT_REASON(Refusal("[1, 2]"), "the document must be a JSON object, not [1,2]");
    EXPECT_REASON(Refusal("null"), "the document must be a JSON object, not null");
}

TEST(BookJsonRefusal, MissingUnknownAndRepeatedKeys) {
    for (const char* key : {"spareCount", "sortIndex", "books", "authors", "callNumbers", "publishers",
                            "libraries", "categories"}) {
        Json doc = SmallDoc();
        doc.erase(key);
        EXPECT_REASON(RefusalOf(doc), std::string("the document has no key \"") + key + "\"");
    }
    for (const char* key : {"flags", "author", "callNumber", "orderDate", "pubYear", "publisher", "library",
                            "reserved", "category", "title", "comments"}) {
        Json doc = SmallDoc();
        doc["books"][1].erase(key);
        EXPECT_REASON(RefusalOf(doc), std::string("books[1] has no key \"") + key + "\"");
    }
    Json doc = SmallDoc();
    doc["bookCount"] = 2;
    EXPECT_REASON(RefusalOf(doc), "the document has an unknown key \"bookCount\"");
    doc = SmallDoc();
    doc["books"][0]["year"] = 1817;
    EXPECT_REASON(RefusalOf(doc), "books[0] has an unknown key \"year\"");

    std::string text = SmallDoc().dump();
    text.insert(1, "\"spareCount\":5,");
    EXPECT_REASON(Refusal(text), "the key \"spareCount\" appears twice in one object");
    text = SmallDoc().dump();
    text.insert(text.find("\"title\":\"Emma\""), "\"title\":\"Emma\",");
    EXPECT_REASON(Refusal(text), "the key \"title\" appears twice in one object");
}

TEST(BookJsonRefusal, WrongTypes) {
    const struct {
        const char* path;  // JSON pointer
        Json value;
        const char* words;
    } cases[] = {
        {"/books", Json::object(), "books must be an array, not {}"},
        {"/books/0", "Persuasion", "books[0] must be a JSON object, not \"Persuasion\""},
        {"/sortIndex", 2, "sortIndex must be an array, not 2"},
        {"/authors", "Austen", "authors must be an array, not \"Austen\""},
        {"/categories", nullptr, "categories must be an array, not null"},
        {"/authors/0", 5, "authors[0] must be a string, not 5"},
        {"/libraries/0", Json::array(), "libraries[0] must be a string, not []"},
        {"/books/1/title", true, "books[1].title must be a string, not true"},
        {"/books/0/comments", nullptr, "books[0].comments must be a string, not null"},
        {"/spareCount", "0", "spareCount must be a whole number from -2147483648 to 2147483647, not \"0\""},
        {"/spareCount", 1.5, "not 1.5"},
        {"/spareCount", false, "not false"},
        {"/books/0/flags", 1.0, "books[0].flags must be a whole number from 0 to 255, not 1.0"},
        {"/books/1/pubYear", "1815", "books[1].pubYear must be a whole number from 0 to 65535, not \"1815\""},
        {"/sortIndex/0", "2", "sortIndex[0] must be a whole number from 1 to 2, not \"2\""},
    };
    for (const auto& c : cases) {
        Json doc = SmallDoc();
        doc[Json::json_pointer(c.path)] = c.value;
        EXPECT_REASON(RefusalOf(doc), c.words);
    }
    const std::string longText(100, 'x');
    Json doc = SmallDoc();
    doc["authors"][0] = Json::array({longText});
    EXPECT_REASON(RefusalOf(doc), "authors[0] must be a string, not [\"" + std::string(35, 'x') + "...");
}

TEST(BookJsonRefusal, NumbersOutsideTheirField) {
    const struct {
        const char* key;
        int64_t highest;
    } fields[] = {{"flags", 255},   {"author", 65535},   {"callNumber", 255}, {"orderDate", 65535},
                  {"pubYear", 65535}, {"publisher", 255}, {"library", 255},    {"reserved", 255},
                  {"category", 255}};
    for (const auto& f : fields) {
        const std::string words = std::string("books[0].") + f.key + " must be a whole number from 0 to " +
                                  std::to_string(f.highest) + ", not ";
        for (int64_t bad : {int64_t(-1), f.highest + 1, int64_t(1) << 40}) {
            Json doc = SmallDoc();
            doc["books"][0][f.key] = bad;
            EXPECT_REASON(RefusalOf(doc), words + std::to_string(bad));
        }
    }
    for (int64_t bad : {int64_t(2147483648LL), int64_t(-2147483649LL)}) {
        Json doc = SmallDoc();
        doc["spareCount"] = bad;
        EXPECT_REASON(RefusalOf(doc), "spareCount must be a whole number from -2147483648 to 2147483647, not " +
                                        std::to_string(bad));
    }
    Json doc = SmallDoc();
    doc["books"][0]["pubYear"] = std::numeric_limits<uint64_t>::max();
    EXPECT_REASON(RefusalOf(doc), "not 18446744073709551615");
    std::string text = SmallDoc().dump();
    text.replace(text.find("\"spareCount\":0"), 14, "\"spareCount\":1e400");
    EXPECT_REASON(Refusal(text), "not valid JSON");
}

TEST(BookJsonRefusal, ListNumberBeyondItsList) {
    for (const auto& [key, list] : {std::pair{"author", "authors"}, {"callNumber", "callNumbers"},
                                    {"publisher", "publishers"}, {"library", "libraries"},
                                    {"category", "categories"}}) {
        Json doc = SmallDoc();
        doc["books"][1][key] = 2;
        EXPECT_REASON(RefusalOf(doc), std::string("books[1].") + key + " is 2, but " + list + " has only 1 entry");
        doc[list] = Json::array();
        doc["books"][1][key] = 0;
        EXPECT_REASON(RefusalOf(doc), std::string("books[0].") + key + " is 1, but " + list + " has only 0 entries");
    }
}

TEST(BookJsonRefusal, SortIndexThatIsNotAPermutation) {
    const struct {
        const char* order;
        const char* words;
    } cases[] = {
        {"[1]", "sortIndex has 1 entry for 2 books: it must list each book number once"},
        {"[1, 2, 3]", "sortIndex has 3 entries for 2 books"},
        {"[]", "sortIndex has 0 entries for 2 books"},
        {"[1, 1]", "sortIndex[1] lists book 1 a second time"},
        {"[0, 1]", "sortIndex[0] must be a whole number from 1 to 2, not 0"},
        {"[2, 3]", "sortIndex[1] must be a whole number from 1 to 2, not 3"},
        {"[-1, 2]", "sortIndex[0] must be a whole number from 1 to 2, not -1"},
        {"[2.0, 1]", "sortIndex[0] must be a whole number from 1 to 2, not 2.0"},
    };
    for (const auto& c : cases) {
        Json doc = SmallDoc();
        doc["sortIndex"] = Json::parse(c.order);
        EXPECT_REASON(RefusalOf(doc), c.words);
    }
    Json none = Json::parse(CollectionToJson(BookCollection()));
    none["sortIndex"] = Json::parse("[1]");
    EXPECT_REASON(RefusalOf(none), "sortIndex has 1 entry for 0 books");
}

TEST(BookJsonRefusal, CharactersOutsideWindows1252) {
    const struct {
        const char* path;
        const char* words;
    } cases[] = {
        {"/books/0/title", "books[0].title: character 3 (U+0100) is not in Windows-1252"},
        {"/books/1/comments", "books[1].comments: character 3 (U+0100) is not in Windows-1252"},
        {"/authors/0", "authors[0]: character 3 (U+0100)"},
        {"/callNumbers/0", "callNumbers[0]: character 3"},
        {"/publishers/0", "publishers[0]: character 3"},
        {"/libraries/0", "libraries[0]: character 3"},
        {"/categories/0", "categories[0]: character 3"},
    };
    for (const auto& c : cases) {
        Json doc = SmallDoc();
        doc[Json::json_pointer(c.path)] = "ab\xC4\x80";
        EXPECT_REASON(RefusalOf(doc), c.words);
    }
    // A lone surrogate escape is no character at all.
    std::string text = SmallDoc().dump();
    text.replace(text.find("Emma"), 4, "\\ud800");
    EXPECT_REASON(Refusal(text), "not valid JSON");
}

}  // namespace
}  // namespace tome
