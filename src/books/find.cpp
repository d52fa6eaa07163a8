#include "find.h"

#include <string_view>

#include "text_case.h"

namespace tome {

namespace {

// Marks the Find box's text being set back after a miss: the search that
// this runs must not set it back again.
class SettingTextBack {
public:
    explicit SettingTextBack(bool& flag) : flag_(flag) { flag_ = true; }
    ~SettingTextBack() { flag_ = false; }
    SettingTextBack(const SettingTextBack&) = delete;
    SettingTextBack& operator=(const SettingTextBack&) = delete;

private:
    bool& flag_;
};

// Whether text, lower-cased, contains needle (already lower-cased). Folds
// byte by byte so that a keystroke over many rows allocates nothing, and
// looks for the two bytes that fold to the needle's first before folding more.
bool ContainsLowered(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return false;
    const CaseTable& lower = LowerAnsiTable();
    const char first = needle[0];
    const char capital = UpperAnsiChar(first);
    const char otherFirst = LowerAnsiChar(capital) == first ? capital : first;
    const char* const end = text.data() + (text.size() - needle.size()) + 1;
    for (const char* at = text.data(); at != end; ++at) {
        if (*at != first && *at != otherFirst) continue;
        size_t i = 1;
        while (i < needle.size() && static_cast<char>(lower[static_cast<uint8_t>(at[i])]) == needle[i]) ++i;
        if (i == needle.size()) return true;
    }
    return false;
}

template <class TextOf>
bool SearchPass(const ListScreen& screen, const std::string& needle, TextOf textOf) {
    const BookCollection& books = screen.books;
    for (int32_t r = screen.listState.lastFoundRow + 1; r <= screen.listState.shownCount; ++r) {
        const int32_t b = screen.list.ItemDataAt(r);
        // A row naming no book of the collection (list not yet refilled) cannot match.
        if (b < 1 || b > books.bookCount()) continue;
        if (ContainsLowered(textOf(b), needle)) {
            screen.list.SelectRow(r, 0);
            UpdateStatusBar(screen);
            screen.listState.lastFoundRow = r;
            return true;
        }
    }
    return false;
}

}  // namespace

void FindNext(const ListScreen& screen) {
    const std::string text = screen.window.FindText();
    if (text.empty()) screen.listState.lastFoundRow = 0;
    if (text == FindCueText) return;

    screen.window.SetFindResult("");
    const std::string needle = LowerAnsi(text);
    if (needle.empty()) return;

    const BookCollection& books = screen.books;
    if (SearchPass(screen, needle, [&](int32_t b) -> const std::string& { return AuthorText(books, b); })) return;
    if (SearchPass(screen, needle, [&](int32_t b) -> const std::string& { return books.titles[b]; })) return;

    screen.listState.lastFoundRow = 0;
    screen.window.SetFindResult(NotFoundText);
    if (!screen.listState.settingFindTextBack) {
        SettingTextBack guard(screen.listState.settingFindTextBack);
        screen.window.SetFindText(text);
    }
    screen.window.SetFindCaret(static_cast<int32_t>(text.size()));
}

}  // namespace tome
