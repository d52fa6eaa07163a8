#include "books/find.h"

#include <gtest/gtest.h>

#include "fake_screen.h"

namespace tome {
namespace {

using testing::FakeList;
using testing::FakeWindow;

// Ten rows; only rows 3 and 8 have an author with an s (Smith), only row 5 a
// title with one (Smile).
struct FindShelf {
    BookCollection books;
    FileState files;
    ListState listState;
    FakeList list;
    FakeWindow window;

    explicit FindShelf(const std::vector<std::pair<std::string, std::string>>& rows) {
        for (const auto& [author, title] : rows) {
            Book b;
            b.record.author = static_cast<uint16_t>(AddListEntry(books.authors, author));
            b.record.flags = WantToRead;
            b.title = title;
            AddBookAt(books, b, books.bookCount() + 1);
        }
        window.onChange = [this] { FindNext(screen()); };
        FillList(screen(), 0, 0);
        list.calls.clear();
    }

    ListScreen screen() { return ListScreen{books, files, listState, 1, list, window}; }
};

const std::vector<std::pair<std::string, std::string>> TenRows = {
    {"Poe, Edgar", "Raven"}, {"Hugo, Victor", "Notre Dame"}, {"Smith, Zadie", "White Teeth"},
    {"Eco, Umberto", "Baudolino"}, {"Dahl, Roald", "Smile"}, {"King, Karen", "Carrie"},
    {"Lee, Harper", "Mockingbird"}, {"Smith, Ali", "Autumn"}, {"Wolfe, Gene", "Peace"},
    {"Roth, Philip", "Pale Fire"}};

TEST(FindNext, TypingSmilOneLetterAtATime) {
    FindShelf s(TenRows);
    s.window.Type("");  // the Find box gets the focus and is cleared
    EXPECT_EQ(s.listState.lastFoundRow, 0);

    s.window.Type("s");
    EXPECT_EQ(s.list.CurrentRow(), 3);
    EXPECT_EQ(s.listState.lastFoundRow, 3);
    EXPECT_EQ(s.window.status[3], " 3 : 10");

    s.window.Type("sm");
    EXPECT_EQ(s.list.CurrentRow(), 8);  // authors before titles: not row 5

    const int changesBefore = s.window.changes;
    s.window.Type("smi");  // nothing after row 8: once more from row 1
    EXPECT_EQ(s.list.CurrentRow(), 3);
    EXPECT_EQ(s.listState.lastFoundRow, 3);
    EXPECT_EQ(s.window.findResult, "");
    EXPECT_EQ(s.window.findText, "smi");
    EXPECT_EQ(s.window.caret, 3);
    EXPECT_EQ(s.window.changes - changesBefore, 2);

    s.window.Type("smil");
    EXPECT_EQ(s.list.CurrentRow(), 5);
    EXPECT_EQ(s.listState.lastFoundRow, 5);
    EXPECT_EQ(s.window.status[3], " 5 : 10");
    EXPECT_EQ(s.list.calls, (std::vector<std::string>{"SelectRow(3,0)", "SelectRow(8,0)", "SelectRow(3,0)",
                                                      "SelectRow(5,0)"}));
}

TEST(FindNext, NotFoundSearchesTwiceAndKeepsTheSelection) {
    FindShelf s(TenRows);
    s.window.Type("sm");
    ASSERT_EQ(s.list.CurrentRow(), 3);
    s.list.calls.clear();
    const int changesBefore = s.window.changes;

    s.window.Type("smq");
    EXPECT_EQ(s.window.changes - changesBefore, 2);
    EXPECT_EQ(s.window.textsSetByCode, 1);
    EXPECT_EQ(s.window.findResult, "Not found");
    EXPECT_EQ(s.window.findText, "smq");
    EXPECT_EQ(s.window.caret, 3);
    EXPECT_EQ(s.listState.lastFoundRow, 0);
    EXPECT_TRUE(s.list.calls.empty());
    EXPECT_EQ(s.list.CurrentRow(), 3);

    // The next letter starts a fresh search, and the label clears on a hit.
    s.window.Type("s");
    EXPECT_EQ(s.list.CurrentRow(), 3);
    EXPECT_EQ(s.window.findResult, "");
}

TEST(FindNext, CaseInsensitiveIn1252) {
    FindShelf s({{"Zola, \xC9mile", "Nana"}, {"Camus, Albert", "L'\xC9tranger"}});
    s.window.Type("\xE9MILE");
    EXPECT_EQ(s.list.CurrentRow(), 1);
    s.window.Type("\xE9tr");
    EXPECT_EQ(s.list.CurrentRow(), 2);
}

TEST(FindNext, MatchesAfterAFalseStartAndAcrossPairedBytes) {
    FindShelf s({{"Poe", "Smismith"}, {"\x9Fves", "Yes"}});
    s.window.Type("SMITH");
    EXPECT_EQ(s.list.CurrentRow(), 1);
    // Y with diaeresis: lower-case 0xFF, capital 0x9F.
    s.window.Type("\xFFv");
    EXPECT_EQ(s.list.CurrentRow(), 2);
    EXPECT_EQ(s.window.findResult, "");
}

TEST(FindNext, BlanksAreSearchedUnchanged) {
    FindShelf s({{"Poe", "War Games"}, {"Lee", "War  Games"}, {"Eco", "Peace"}});
    s.window.Type("  ");
    EXPECT_EQ(s.list.CurrentRow(), 2);
    EXPECT_EQ(s.listState.lastFoundRow, 2);
}

TEST(FindNext, CueTextAndEmptyTextDoNotSearch) {
    // A title holding the cue text: searching for it would select row 11.
    std::vector<std::pair<std::string, std::string>> rows = TenRows;
    rows.push_back({"Quinn, Ann", "The Author/Title Index"});
    FindShelf s(rows);
    s.window.Type("sm");
    ASSERT_EQ(s.listState.lastFoundRow, 3);
    s.window.findResult = "Not found";
    s.list.calls.clear();

    s.window.Type("Author/Title");
    EXPECT_TRUE(s.list.calls.empty()) << "the selection moved";
    EXPECT_EQ(s.list.CurrentRow(), 3);
    EXPECT_EQ(s.window.findResult, "Not found");
    EXPECT_EQ(s.listState.lastFoundRow, 3);
    EXPECT_EQ(s.window.status[3], " 3 : 11");

    s.window.Type("");
    EXPECT_TRUE(s.list.calls.empty()) << "the selection moved";
    EXPECT_EQ(s.list.CurrentRow(), 3);
    EXPECT_EQ(s.window.findResult, "");
    EXPECT_EQ(s.listState.lastFoundRow, 0);
    EXPECT_EQ(s.window.textsSetByCode, 0);
}

TEST(FindNext, EmptyListIsNotFound) {
    FindShelf s({});
    s.window.Type("x");
    EXPECT_EQ(s.window.findResult, "Not found");
    EXPECT_EQ(s.window.changes, 2);
}

TEST(FindNext, LastFoundRowSurvivesARefill) {
    FindShelf s(TenRows);
    s.window.Type("s");
    ASSERT_EQ(s.listState.lastFoundRow, 3);
    FillList(s.screen(), 0, 0);
    s.window.Type("sm");
    EXPECT_EQ(s.list.CurrentRow(), 8);
}

}  // namespace
}  // namespace tome
