// Tab changes from the tab control and from the View menu, and the pages
// that show with them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace tome_test {
namespace {

using Names = std::vector<std::string>;

class MainWindowTabs : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWith(ShelfBooks());
    }
};

TEST_F(MainWindowTabs, StartUpShowsTheFileOnTabOne) {
    Run([&] {
        EXPECT_EQ(tome::mainState.activeTab, 1);
        EXPECT_EQ(Titles(1), (Names{"Emma", "Letters", "Mansfield Park", "Persuasion", "Middlemarch", "White Teeth"}));
        EXPECT_EQ(SelectedRow(1), 1);
        EXPECT_EQ(StatusPart(1), "Filename:books.lib");
        EXPECT_EQ(StatusPart(2), "Category:Novels");
        EXPECT_EQ(StatusPart(3), " 1 : 6");
    });
}

TEST_F(MainWindowTabs, ClickingATabShowsItsPageAndFillsItsList) {
    Run([&] {
        ClickTab(3);
        EXPECT_EQ(SelectedTabIndex(), 2);
        EXPECT_EQ(tome::mainState.activeTab, 3);
        EXPECT_EQ(tome::mainState.lastTab, 3);
        EXPECT_EQ(tome::mainState.activeListId, 2060);
        EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[3]);
        EXPECT_EQ(tome::mainState.hActivePage, Page(3));
        EXPECT_FALSE(PageVisible(1));
        EXPECT_TRUE(PageVisible(3));
        EXPECT_EQ(Titles(3), (Names{"Letters", "Mansfield Park", "Middlemarch"}));
        EXPECT_EQ(StatusPart(3), " 1 : 3");

        ClickTab(2);
        EXPECT_FALSE(PageVisible(3));
        EXPECT_TRUE(PageVisible(2));
        EXPECT_EQ(Titles(2), (Names{"Emma", "Mansfield Park", "White Teeth"}));
        // The list of the tab left keeps its rows; it is refilled when shown again.
        EXPECT_EQ(RowsShown(3), 3);
    });
}

TEST_F(MainWindowTabs, ClickingTheSelectedTabRefillsNothing) {
    Run([&] {
        ClickTab(2);
        tome::collection.records[4].set(tome::WantToRead);  // Persuasion, unseen until a refill
        ClickTab(2);
        EXPECT_EQ(Titles(2), (Names{"Emma", "Mansfield Park", "White Teeth"}));
        EXPECT_EQ(tome::mainState.lastTab, 2);
    });
}

TEST_F(MainWindowTabs, TheFourthTabFillsTheChoicesWithAuthors) {
    Run([&] {
        ClickTab(4);
        HWND choices = GetDlgItem(Page(4), tome::CustomChoiceId);
        ASSERT_EQ(SendMessageA(choices, CB_GETCOUNT, 0, 0), 3);
        // Sorted, each item carrying its list number.
        char text[64] = "";
        SendMessageA(choices, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, "Eliot, George");
        EXPECT_EQ(SendMessageA(choices, CB_GETITEMDATA, 1, 0), 2);
        // No custom list built yet: nothing shows.
        EXPECT_EQ(RowsShown(4), 0);
        EXPECT_EQ(StatusPart(3), "");
    });
}

TEST_F(MainWindowTabs, ViewCustomListSelectsTabFourAndItsList) {
    Run([&] {
        Command(304);
        EXPECT_EQ(tome::mainState.activeTab, 4);
        EXPECT_EQ(tome::mainState.activeListId, 2070);
        EXPECT_EQ(tome::mainState.activeList, &tome::mainState.tabList[4]);
        EXPECT_EQ(tome::mainState.hActivePage, Page(4));
        EXPECT_EQ(SelectedTabIndex(), 3);
        EXPECT_TRUE(PageVisible(4));
        EXPECT_FALSE(PageVisible(1));
        EXPECT_EQ(GetFocus(), ListBox(4));  // the refill gives the list the focus
        // The menu's way leaves lastTab and the choices alone.
        EXPECT_EQ(tome::mainState.lastTab, 1);
        EXPECT_EQ(SendDlgItemMessageA(Page(4), tome::CustomChoiceId, CB_GETCOUNT, 0, 0), 0);

        Command(303);
        EXPECT_EQ(tome::mainState.activeTab, 3);
        EXPECT_EQ(tome::mainState.activeListId, 2060);
        EXPECT_TRUE(PageVisible(3));
        EXPECT_FALSE(PageVisible(4));
        EXPECT_EQ(Titles(3), (Names{"Letters", "Mansfield Park", "Middlemarch"}));
        EXPECT_EQ(tome::mainState.lastTab, 1);
    });
}

TEST_F(MainWindowTabs, AfterTheMenuAClickOnTheTabActedOnLastStillShowsIt) {
    Run([&] {
        Command(302);
        // lastTab is still 1, but the notification of the change away from
        // tab 2 names tab 2, so the click on tab 1 is acted on after all.
        tome::collection.records[6].set(tome::Deleted);  // White Teeth, gone at the next refill
        ClickTab(1);
        EXPECT_EQ(tome::mainState.activeTab, 1);
        EXPECT_EQ(tome::mainState.lastTab, 1);
        EXPECT_EQ(tome::mainState.activeListId, 2040);
        EXPECT_TRUE(PageVisible(1));
        EXPECT_FALSE(PageVisible(2));
        EXPECT_EQ(RowsShown(1), 5);
    });
}

TEST_F(MainWindowTabs, OpeningAFileGoesBackToTabOne) {
    tome::BookCollection other = ShelfBooks();
    other.titles[1] = "Sense and Sensibility";
    const std::string otherPath = DataFolder() + "\\other.lib";
    const std::vector<uint8_t> bytes = tome::SerializeBookFile(other);
    WriteBytes(otherPath, std::string(bytes.begin(), bytes.end()));
    prompts.openChoice = otherPath;
    Run([&] {
        ClickTab(3);
        Command(101);
        EXPECT_EQ(tome::mainState.activeTab, 1);
        EXPECT_EQ(tome::mainState.lastTab, 1);
        EXPECT_EQ(tome::mainState.activeListId, 2040);
        EXPECT_EQ(SelectedTabIndex(), 0);
        EXPECT_TRUE(PageVisible(1));
        EXPECT_FALSE(PageVisible(3));
        EXPECT_EQ(Title(1, 1), "Sense and Sensibility");
        EXPECT_EQ(StatusPart(1), "Filename:other.lib");
    });
}

// A list taller than the page: the six shelf books and sixty volumes by Eliot.
tome::BookCollection ShelfAndVolumes() {
    tome::BookCollection books = ShelfBooks();
    for (int i = 1; i <= 60; ++i) {
        tome::Book book;
        book.record.author = 2;
        book.record.flags = tome::WantToRead | tome::HaveRead;
        book.record.category = 1;
        book.title = "Volume " + std::string(i < 10 ? "0" : "") + std::to_string(i);
        tome::AddBookAt(books, book, books.bookCount() + 1);
    }
    return books;
}

TEST_F(MainWindowTabs, BackOnATabItsListIsAsARefillLeavesIt) {
    StartWith(ShelfAndVolumes());
    Run([&] {
        const Names filled = Titles(1);
        ASSERT_EQ(filled.size(), 66u);
        tome::mainState.activeList->SelectRow(50, 40);
        ASSERT_EQ(SendMessageA(ListBox(1), LB_GETTOPINDEX, 0, 0), 39);

        // Nothing changed while away: the first row selected, at the top.
        ClickTab(2);
        ClickTab(1);
        EXPECT_EQ(Titles(1), filled);
        EXPECT_EQ(SelectedRow(1), 1);
        EXPECT_EQ(SendMessageA(ListBox(1), LB_GETTOPINDEX, 0, 0), 0);
        EXPECT_EQ(StatusPart(3), " 1 : 66");

        // Sorted by title when left: back in the collection's order.
        PageNotify(1, 2042, STN_CLICKED);
        ASSERT_NE(Titles(1), filled);
        ClickTab(3);
        ClickTab(1);
        EXPECT_EQ(Titles(1), filled);

        // A title changed while away shows.
        ClickTab(2);
        tome::collection.titles[1] = "Emma Revisited";
        ClickTab(1);
        EXPECT_EQ(Title(1, 1), "Emma Revisited");
        EXPECT_EQ(RowsShown(1), 66);
    });
}

}  // namespace
}  // namespace tome_test
