// Random collections through every conversion tomebook makes: collection ->
// file bytes -> JSON -> collection -> bytes, and JSON -> collection -> JSON.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <numeric>
#include <random>

#include "books/book_file.h"
#include "tools/book_json.h"
#include "books/cp1252.h"

namespace tome {
namespace {

using Json = nlohmann::json;

class Random {
public:
    explicit Random(uint64_t seed) : rng_(seed) {}

    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(rng_() % n); }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    int32_t AnyInt32() { return static_cast<int32_t>(static_cast<uint32_t>(rng_())); }

    // Any bytes; now and then long enough to need the 32-bit length form.
    std::string Text(bool mayBeLong) {
        static const size_t longSizes[] = {65534, 65535, 65536, 70001};
        size_t size;
        if (mayBeLong && OneIn(8)) {
            size = longSizes[Below(4)];
        } else {
            size = OneIn(3) ? Below(64) : Below(6);
        }
        std::string s(size, '\0');
        for (char& c : s) c = static_cast<char>(Below(256));
        return s;
    }

    // A count: 0 often, small mostly, now and then up to and at the most.
    int32_t Count(int32_t most) {
        if (OneIn(4)) return 0;
        return OneIn(10) ? most - static_cast<int32_t>(Below(20)) : 1 + static_cast<int32_t>(Below(12));
    }

    template <class T>
    void Shuffle(std::vector<T>& v) {
        std::shuffle(v.begin(), v.end(), rng_);
    }

private:
    std::mt19937_64 rng_;
};

BookCollection RandomCollection(Random& r, bool mayBeLong) {
    BookCollection c;
    for (ListKind kind : AllListKinds) {
        const int32_t n = r.Count(kind == ListKind::Authors ? 300 : ListCapacity(kind));
        for (int32_t i = 0; i < n; ++i) c.list(kind).append(r.Text(mayBeLong && r.OneIn(50)));
    }
    const int32_t books = r.OneIn(5) ? 0 : 1 + static_cast<int32_t>(r.Below(40));
    for (int32_t b = 0; b < books; ++b) {
        BookRecord rec;
        rec.flags = static_cast<uint8_t>(r.Below(256));
        rec.orderDate = static_cast<uint16_t>(r.Below(65536));
        rec.pubYear = static_cast<uint16_t>(r.Below(65536));
        rec.reserved = static_cast<uint8_t>(r.OneIn(2) ? 0 : r.Below(256));
        for (ListKind kind : AllListKinds) {
            const int32_t highest = std::min(c.list(kind).count(), ListCapacity(kind));
            // Often the extremes: none, the first and the last entry.
            const uint32_t pick = r.Below(4);
            const int32_t n = pick == 0 ? 0 : pick == 1 ? highest : static_cast<int32_t>(r.Below(highest + 1));
            EXPECT_TRUE(SetListNumber(rec, kind, n));
        }
        c.records.append(rec);
        c.titles.append(r.Text(mayBeLong && r.OneIn(10)));
        c.comments.append(r.Text(mayBeLong && r.OneIn(10)));
    }
    std::vector<int32_t> order(static_cast<size_t>(books));
    std::iota(order.begin(), order.end(), 1);
    r.Shuffle(order);
    for (int32_t k : order) c.sortIndex.append(k);
    c.spareCount = r.OneIn(2) ? 0 : r.AnyInt32();
    return c;
}

bool HasLongText(const BookCollection& c) {
    for (const TextList* list : {&c.titles, &c.comments, &c.authors, &c.callNumbers, &c.publishers,
                                 &c.libraries, &c.categories}) {
        for (const std::string& s : list->raw()) {
            if (s.size() >= 65535) return true;
        }
    }
    return false;
}

TEST(TomebookRoundTrip, CollectionBytesJsonBytesAreIdentical) {
    Random r(0x70AEB00C);
    int withLongText = 0, withoutBooks = 0;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const BookCollection original = RandomCollection(r, round % 5 == 0);
        withLongText += HasLongText(original);
        withoutBooks += original.bookCount() == 0;

        const std::vector<uint8_t> bytes = SerializeBookFile(original);
        BookCollection parsed;
        std::string reason;
        ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), parsed, reason)) << reason;
        ASSERT_TRUE(parsed == original);

        const std::string json = CollectionToJson(parsed);
        BookCollection built;
        ASSERT_TRUE(CollectionFromJson(json, built, reason)) << reason;
        ASSERT_TRUE(built == original);
        ASSERT_EQ(SerializeBookFile(built), bytes);
        ASSERT_EQ(CollectionToJson(built), json);

        // Any layout of the same document, with or without \u escapes.
        const std::string reformatted = Json::parse(json).dump(round % 3 == 0 ? -1 : 1, ' ', round % 2 == 0);
        BookCollection again;
        ASSERT_TRUE(CollectionFromJson(reformatted, again, reason)) << reason;
        ASSERT_TRUE(again == original);
    }
    EXPECT_GE(withLongText, 5);
    EXPECT_GE(withoutBooks, 20);
}

// A document made directly as JSON values, keys in the library's order.
Json RandomDocument(Random& r) {
    const auto text = [&] { return Utf8FromCp1252(r.Text(false)); };
    Json doc = Json::object();
    int32_t counts[5];
    int i = 0;
    for (const char* key : {"authors", "callNumbers", "publishers", "libraries", "categories"}) {
        counts[i] = r.Count(i == 0 ? 300 : 255);
        doc[key] = Json::array();
        for (int32_t n = 0; n < counts[i]; ++n) doc[key].push_back(text());
        ++i;
    }
    const int32_t books = r.OneIn(5) ? 0 : 1 + static_cast<int32_t>(r.Below(30));
    doc["books"] = Json::array();
    for (int32_t b = 0; b < books; ++b) {
        const auto number = [&](int32_t count, int32_t capacity) {
            return static_cast<int32_t>(r.Below(static_cast<uint32_t>(std::min(count, capacity)) + 1));
        };
        doc["books"].push_back({{"flags", r.Below(256)},
                                {"author", number(counts[0], 65535)},
                                {"callNumber", number(counts[1], 255)},
                                {"orderDate", r.Below(65536)},
                                {"pubYear", r.Below(65536)},
                                {"publisher", number(counts[2], 255)},
                                {"library", number(counts[3], 255)},
                                {"reserved", r.Below(256)},
                                {"category", number(counts[4], 255)},
                                {"title", text()},
                                {"comments", text()}});
    }
    std::vector<int32_t> order(static_cast<size_t>(books));
    std::iota(order.begin(), order.end(), 1);
    r.Shuffle(order);
    doc["sortIndex"] = order;
    doc["spareCount"] = r.AnyInt32();
    return doc;
}

TEST(TomebookRoundTrip, JsonBuildDumpGivesTheSameDocument) {
    Random r(1252);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const Json doc = RandomDocument(r);
        BookCollection built;
        std::string reason;
        ASSERT_TRUE(CollectionFromJson(doc.dump(round % 2 ? 2 : -1), built, reason)) << reason;
        const std::vector<uint8_t> bytes = SerializeBookFile(built);
        BookCollection read;
        ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), read, reason)) << reason;
        ASSERT_EQ(Json::parse(CollectionToJson(read)), doc);
    }
}

}  // namespace
}  // namespace tome
