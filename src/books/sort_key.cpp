#include "sort_key.h"

#include "text_case.h"
#include "text_rules.h"

namespace tome {

namespace {

void StripRepeated(std::string_view& title, std::string_view lead) {
    while (title.substr(0, lead.size()) == lead) title.remove_prefix(lead.size());
}

// Walks a key given in parts, lower-casing on the fly, against a finished key.
class KeyWalker {
public:
    explicit KeyWalker(std::string_view key) : key_(key) {}

    // Feeds raw bytes; returns the comparison as soon as it is decided.
    int Feed(std::string_view raw) {
        const CaseTable& lower = LowerAnsiTable();
        for (char c : raw) {
            if (at_ == key_.size()) return 1;
            const uint8_t mine = lower[static_cast<uint8_t>(c)];
            const uint8_t theirs = static_cast<uint8_t>(key_[at_]);
            if (mine != theirs) return mine < theirs ? -1 : 1;
            ++at_;
        }
        return 0;
    }
    int End() const { return at_ == key_.size() ? 0 : -1; }

private:
    std::string_view key_;
    size_t at_ = 0;
};

}  // namespace

std::string_view StrippedTitle(std::string_view title) {
    StripRepeated(title, "The ");
    StripRepeated(title, "A ");
    StripRepeated(title, "An ");
    return TrimmedBlanks(title);
}

std::string SortKey(std::string_view authorText, std::string_view title) {
    const std::string_view stripped = StrippedTitle(title);
    std::string key;
    key.reserve(authorText.size() + 1 + stripped.size());
    key.append(authorText);
    key += ' ';
    key.append(stripped);
    return LowerAnsi(std::move(key));
}

int CompareSortKeys(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const uint8_t x = static_cast<uint8_t>(a[i]);
        const uint8_t y = static_cast<uint8_t>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareBookKey(const BookCollection& books, int32_t bookNumber, std::string_view key) {
    KeyWalker walker(key);
    if (int r = walker.Feed(AuthorText(books, bookNumber))) return r;
    if (int r = walker.Feed(" ")) return r;
    if (int r = walker.Feed(StrippedTitle(books.titles[bookNumber]))) return r;
    return walker.End();
}

int32_t InsertPosition(const BookCollection& books, const std::string& authorText, const std::string& title) {
    const std::string newKey = SortKey(authorText.empty() ? std::string_view(" ") : authorText, title);
    const int32_t count = books.sortIndex.count();
    for (int32_t p = 1; p <= count; ++p) {
        if (CompareBookKey(books, books.sortIndex[p], newKey) > 0) return p;
    }
    return count + 1;
}

}  // namespace tome
