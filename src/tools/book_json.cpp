#include "book_json.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "books/cp1252.h"
#include "tools/json_document.h"

namespace tome {
namespace {

const char* const TopKeys[] = {"spareCount", "sortIndex",  "books",     "authors",
                               "callNumbers", "publishers", "libraries", "categories"};
const char* const BookKeys[] = {"flags",     "author",  "callNumber", "orderDate", "pubYear", "publisher",
                                "library",   "reserved", "category",  "title",     "comments"};

const char* ListKey(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return "authors";
        case ListKind::CallNumbers: return "callNumbers";
        case ListKind::Publishers: return "publishers";
        case ListKind::Libraries: return "libraries";
        case ListKind::Categories: return "categories";
    }
    return "";
}

const char* RecordKey(ListKind kind) {
    switch (kind) {
        case ListKind::Authors: return "author";
        case ListKind::CallNumbers: return "callNumber";
        case ListKind::Publishers: return "publisher";
        case ListKind::Libraries: return "library";
        case ListKind::Categories: return "category";
    }
    return "";
}

void AppendText(std::string& out, const std::string& cp1252) { out += Json(Utf8FromCp1252(cp1252)).dump(); }

void AppendField(std::string& out, const char* key, int64_t value, bool first = false) {
    if (!first) out += ", ";
    out += '"';
    out += key;
    out += "\": ";
    out += std::to_string(value);
}

void AppendBook(std::string& out, const BookRecord& r, const std::string& title, const std::string& comments) {
    out += '{';
    AppendField(out, "flags", r.flags, true);
    AppendField(out, "author", r.author);
    AppendField(out, "callNumber", r.callNumber);
    AppendField(out, "orderDate", r.orderDate);
    AppendField(out, "pubYear", r.pubYear);
    AppendField(out, "publisher", r.publisher);
    AppendField(out, "library", r.library);
    AppendField(out, "reserved", r.reserved);
    AppendField(out, "category", r.category);
    out += ", \"title\": ";
    AppendText(out, title);
    out += ", \"comments\": ";
    AppendText(out, comments);
    out += '}';
}

std::string Counted(uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Index(const char* key, size_t i) { return std::string(key) + "[" + std::to_string(i) + "]"; }

bool CheckKeys(const Json& object, const char* const* keys, size_t keyCount, const std::string& where,
               std::string& reason) {
    if (!object.is_object()) {
        reason = where + " must be a JSON object, not " + Quote(object);
        return false;
    }
    for (size_t i = 0; i < keyCount; ++i) {
        if (!object.contains(keys[i])) {
            reason = where + " has no key \"" + keys[i] + "\"";
            return false;
        }
    }
    for (const auto& item : object.items()) {
        if (std::find_if(keys, keys + keyCount, [&](const char* k) { return item.key() == k; }) ==
            keys + keyCount) {
            reason = where + " has an unknown key " + Quote(Json(item.key()));
            return false;
        }
    }
    return true;
}

bool WholeNumber(const Json& v, int64_t lo, int64_t hi, const std::string& where, int64_t& out,
                 std::string& reason) {
    bool fits = false;
    if (v.is_number_unsigned()) {
        const uint64_t u = v.get<uint64_t>();
        fits = hi >= 0 && u <= static_cast<uint64_t>(hi) && static_cast<int64_t>(u) >= lo;
        out = fits ? static_cast<int64_t>(u) : 0;
    } else if (v.is_number_integer()) {
        out = v.get<int64_t>();
        fits = out >= lo && out <= hi;
    }
    if (!fits) {
        reason = where + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                 ", not " + Quote(v);
    }
    return fits;
}

bool Text(const Json& v, const std::string& where, std::string& out, std::string& reason) {
    if (!v.is_string()) {
        reason = where + " must be a string, not " + Quote(v);
        return false;
    }
    std::string problem;
    if (!Cp1252FromUtf8(v.get_ref<const std::string&>(), out, problem)) {
        reason = where + ": " + problem;
        return false;
    }
    // A book file stores lengths in 32 bits.
    if (static_cast<uint64_t>(out.size()) > std::numeric_limits<uint32_t>::max()) {
        reason = where + " is longer than a book file can hold";
        return false;
    }
    return true;
}

bool ArrayOf(const Json& v, const char* key, std::string& reason) {
    if (!v.is_array()) {
        reason = std::string(key) + " must be an array, not " + Quote(v);
        return false;
    }
    if (v.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        reason = std::string(key) + " has more entries than a book file can hold";
        return false;
    }
    return true;
}

bool ReadList(const Json& doc, ListKind kind, TextList& list, std::string& reason) {
    const char* key = ListKey(kind);
    const Json& v = doc.at(key);
    if (!ArrayOf(v, key, reason)) return false;
    if (v.size() > static_cast<size_t>(ListCapacity(kind))) {
        reason = std::string(key) + " has " + std::to_string(v.size()) + " entries, more than the " +
                 std::to_string(ListCapacity(kind)) + " a book record can refer to";
        return false;
    }
    list.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        std::string text;
        if (!Text(v[i], Index(key, i), text, reason)) return false;
        list.append(std::move(text));
    }
    return true;
}

bool ReadBook(const Json& v, const std::string& where, const BookCollection& lists, BookRecord& r,
              std::string& title, std::string& comments, std::string& reason) {
    if (!CheckKeys(v, BookKeys, std::size(BookKeys), where, reason)) return false;
    int64_t n;
    const auto number = [&](const char* key, int64_t hi) {
        return WholeNumber(v.at(key), 0, hi, where + "." + key, n, reason);
    };
    if (!number("flags", 255)) return false;
    r.flags = static_cast<uint8_t>(n);
    if (!number("orderDate", 65535)) return false;
    r.orderDate = static_cast<uint16_t>(n);
    if (!number("pubYear", 65535)) return false;
    r.pubYear = static_cast<uint16_t>(n);
    if (!number("reserved", 255)) return false;
    r.reserved = static_cast<uint8_t>(n);
    for (ListKind kind : AllListKinds) {
        const char* key = RecordKey(kind);
        if (!number(key, ListCapacity(kind))) return false;
        const int32_t count = lists.list(kind).count();
        if (n > count) {
            reason = where + "." + key + " is " + std::to_string(n) + ", but " + ListKey(kind) + " has only " +
                     Counted(static_cast<uint64_t>(count), "entry", "entries");
            return false;
        }
        (void)SetListNumber(r, kind, static_cast<int32_t>(n));  // in range: checked above
    }
    return Text(v.at("title"), where + ".title", title, reason) &&
           Text(v.at("comments"), where + ".comments", comments, reason);
}

bool ReadSortIndex(const Json& v, int32_t bookCount, OneBased<int32_t>& sortIndex, std::string& reason) {
    if (!ArrayOf(v, "sortIndex", reason)) return false;
    if (v.size() != static_cast<size_t>(bookCount)) {
        reason = "sortIndex has " + Counted(v.size(), "entry", "entries") + " for " +
                 Counted(static_cast<uint64_t>(bookCount), "book", "books") + ": it must list each book number once";
        return false;
    }
    std::vector<bool> seen(static_cast<size_t>(bookCount) + 1, false);
    sortIndex.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        int64_t k;
        if (!WholeNumber(v[i], 1, bookCount, Index("sortIndex", i), k, reason)) return false;
        if (seen[static_cast<size_t>(k)]) {
            reason = Index("sortIndex", i) + " lists book " + std::to_string(k) +
                     " a second time: each book number must appear exactly once";
            return false;
        }
        seen[static_cast<size_t>(k)] = true;
        sortIndex.append(static_cast<int32_t>(k));
    }
    return true;
}

}  // namespace

std::string CollectionToJson(const BookCollection& books) {
    std::string out = "{\n  \"spareCount\": " + std::to_string(books.spareCount) + ",\n  \"sortIndex\": [";
    for (int32_t p = 1; p <= books.bookCount(); ++p) {
        if (p > 1) out += ", ";
        out += std::to_string(books.sortIndex[p]);
    }
    out += "],\n  \"books\": [";
    for (int32_t b = 1; b <= books.bookCount(); ++b) {
        out += b > 1 ? ",\n    " : "\n    ";
        AppendBook(out, books.records[b], books.titles[b], books.comments[b]);
    }
    out += books.bookCount() > 0 ? "\n  ]" : "]";
    for (ListKind kind : AllListKinds) {
        const TextList& list = books.list(kind);
        out += ",\n  \"";
        out += ListKey(kind);
        out += "\": [";
        for (int32_t i = 1; i <= list.count(); ++i) {
            out += i > 1 ? ",\n    " : "\n    ";
            AppendText(out, list[i]);
        }
        out += list.count() > 0 ? "\n  ]" : "]";
    }
    out += "\n}\n";
    return out;
}

bool CollectionFromJson(const std::string& text, BookCollection& out, std::string& reason) {
    Json doc;
    if (!ParseDocument(text, doc, reason)) return false;
    if (!CheckKeys(doc, TopKeys, std::size(TopKeys), "the document", reason)) return false;

    BookCollection books;
    int64_t spare;
    if (!WholeNumber(doc.at("spareCount"), std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max(), "spareCount", spare, reason)) {
        return false;
    }
    books.spareCount = static_cast<int32_t>(spare);
    for (ListKind kind : AllListKinds) {
        if (!ReadList(doc, kind, books.list(kind), reason)) return false;
    }

    const Json& list = doc.at("books");
    if (!ArrayOf(list, "books", reason)) return false;
    books.records.reserve(list.size());
    books.titles.reserve(list.size());
    books.comments.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        BookRecord r;
        std::string title, comments;
        if (!ReadBook(list[i], Index("books", i), books, r, title, comments, reason)) return false;
        books.records.append(r);
        books.titles.append(std::move(title));
        books.comments.append(std::move(comments));
    }
    if (!ReadSortIndex(doc.at("sortIndex"), books.bookCount(), books.sortIndex, reason)) return false;

    out = std::move(books);
    return true;
}

}  // namespace tome
