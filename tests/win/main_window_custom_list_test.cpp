// The custom list on the fourth page: by author or by category, with the
// state filter, and "&Clear".
#include <windows.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace tome_test {
namespace {

using Names = std::vector<std::string>;

class MainWindowCustomList : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWith(ShelfBooks());
    }

    // Chooses the drop-down item with that text as a user does.
    static void Choose(const char* text) {
        HWND box = GetDlgItem(Page(4), tome::CustomChoiceId);
        const LRESULT item =
            SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
        ASSERT_NE(item, CB_ERR) << text;
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        PageNotify(4, tome::CustomChoiceId, CBN_SELCHANGE);
    }
    static void Click(int id) { SendMessageA(GetDlgItem(Page(4), id), BM_CLICK, 0, 0); }
};

TEST_F(MainWindowCustomList, ByAuthorWithEachStateFilter) {
    Run([&] {
        ClickTab(4);
        Choose("Austen, Jane");
        EXPECT_EQ(Titles(4), (Names{"Emma", "Letters", "Mansfield Park", "Persuasion"}));
        EXPECT_EQ(StatusPart(3), " 1 : 4");

        Click(tome::WantToReadOptionId);
        EXPECT_EQ(Titles(4), (Names{"Emma"}));

        // Read and to read again is not "Have read".
        Click(tome::HaveReadOptionId);
        EXPECT_EQ(Titles(4), (Names{"Letters"}));

        Choose("Eliot, George");
        EXPECT_EQ(Titles(4), (Names{"Middlemarch"}));

        Click(tome::AllBooksOptionId);
        Choose("Smith, Zadie");
        EXPECT_EQ(Titles(4), (Names{"White Teeth"}));
        // Marks for the custom list are no change to the file.
        EXPECT_EQ(tome::fileState.fileChanged, 0);
    });
}

TEST_F(MainWindowCustomList, ByCategoryRefillsTheChoices) {
    Run([&] {
        ClickTab(4);
        Click(tome::ByCategoryOptionId);
        HWND box = GetDlgItem(Page(4), tome::CustomChoiceId);
        ASSERT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 2);
        Choose("Letters");
        EXPECT_EQ(Titles(4), (Names{"Letters"}));
        Choose("Novels");
        EXPECT_EQ(Titles(4), (Names{"Emma", "Mansfield Park", "Persuasion", "Middlemarch", "White Teeth"}));

        Click(tome::ByAuthorOptionId);
        EXPECT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 3);
        // Opening the list refills it from the option that is on.
        Click(tome::ByCategoryOptionId);
        SendMessageA(GetDlgItem(Page(4), tome::ByCategoryOptionId), BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(GetDlgItem(Page(4), tome::ByAuthorOptionId), BM_SETCHECK, BST_CHECKED, 0);
        PageNotify(4, tome::CustomChoiceId, CBN_DROPDOWN);
        EXPECT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 3);
    });
}

TEST_F(MainWindowCustomList, DeletedBooksNeverShow) {
    Run([&] {
        ClickTab(4);
        Choose("Austen, Jane");
        tome::mainState.activeList->SelectRow(2, 0);
        prompts.answers = {tome::AnswerYes};
        Command(203);
        EXPECT_EQ(Titles(4), (Names{"Emma", "Mansfield Park", "Persuasion"}));
        Click(tome::HaveReadOptionId);
        EXPECT_EQ(Titles(4), Names{});
        EXPECT_TRUE(tome::collection.records[2].has(tome::InCustomList));
    });
}

TEST_F(MainWindowCustomList, ClearEmptiesTheListAndTheChoice) {
    Run([&] {
        ClickTab(4);
        Choose("Austen, Jane");
        Click(tome::ClearButtonId);
        EXPECT_EQ(SendDlgItemMessageA(Page(4), tome::CustomChoiceId, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(RowsShown(4), 0);
        for (const tome::BookRecord& r : tome::collection.records.raw()) EXPECT_FALSE(r.has(tome::InCustomList));
        EXPECT_EQ(StatusPart(2), "");
        EXPECT_EQ(StatusPart(3), "");
    });
}

TEST_F(MainWindowCustomList, AStateFilterWithoutAChoiceShowsNothing) {
    Run([&] {
        ClickTab(4);
        Click(tome::WantToReadOptionId);
        EXPECT_EQ(RowsShown(4), 0);
    });
}

}  // namespace
}  // namespace tome_test
