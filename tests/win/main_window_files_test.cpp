// Start-up with and without a book file, and the File commands from the main
// window: a refused file, a save that does not happen, Save and Save As.
#include <windows.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace tome_test {
namespace {

using Names = std::vector<std::string>;

class MainWindowFiles : public MainWindowTest {
protected:
    std::string Write(const tome::BookCollection& books, const std::string& name) {
        const std::string path = DataFolder() + "\\" + name;
        const std::vector<uint8_t> bytes = tome::SerializeBookFile(books);
        WriteBytes(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }
    static tome::BookCollection Read(const std::string& path) {
        const std::string bytes = ReadBytes(path);
        tome::BookCollection books;
        std::string reason;
        EXPECT_TRUE(tome::ParseBookFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), books, reason))
            << reason;
        return books;
    }
};

TEST_F(MainWindowFiles, NoSettingsFileStartsEmptyWithoutAQuestion) {
    Run([&] {
        EXPECT_EQ(tome::mainState.activeTab, 0);
        EXPECT_EQ(tome::collection.bookCount(), 0);
        EXPECT_EQ(tome::fileState.currentFile, "");
        EXPECT_EQ(RowsShown(1), 0);
    });
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(IsFolder(DataFolder()));
    EXPECT_FALSE(IsFile(DataFolder() + "\\Tomecase.ini"));
}

TEST_F(MainWindowFiles, ARefusedFileAtStartUpIsReportedAndNothingIsOpen) {
    const std::string path = StartWithBytes("Shopping: bread, milk, stamps\r\n", "shopping.lib");
    prompts.answers = {tome::AnswerOk};
    Run([&] {
        EXPECT_EQ(tome::collection.bookCount(), 0);
        EXPECT_EQ(tome::fileState.currentFile, "");
        EXPECT_EQ(RowsShown(1), 0);
    });
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].caption, "Open File");
    EXPECT_EQ(prompts.asked[0].style, static_cast<uint32_t>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_NE(prompts.asked[0].text.find("shopping.lib"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), "Shopping: bread, milk, stamps\r\n");
}

TEST_F(MainWindowFiles, ASettingsFileNamingAMissingFileStartsItEmpty) {
    StartWith(ShelfBooks(), "gone.lib");
    DeleteFileA((DataFolder() + "\\gone.lib").c_str());
    Run([&] {
        EXPECT_EQ(tome::collection.bookCount(), 0);
        EXPECT_EQ(tome::fileState.currentFile, DataFolder() + "\\gone.lib");
        EXPECT_EQ(tome::mainState.activeTab, 1);
    });
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(IsFile(DataFolder() + "\\gone.lib"));
}

TEST_F(MainWindowFiles, OpeningARefusedFileKeepsTheCollection) {
    const std::string books = StartWith(ShelfBooks());
    WriteBytes(DataFolder() + "\\notes.lib", "not a book file");
    prompts.openChoice = DataFolder() + "\\notes.lib";
    Run([&] {
        prompts.answers = {tome::AnswerOk};
        Command(101);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].caption, "Open File");
        EXPECT_EQ(tome::fileState.currentFile, books);
        EXPECT_EQ(RowsShown(1), 6);
        EXPECT_EQ(tome::collection.bookCount(), 6);
    });
}

TEST_F(MainWindowFiles, OpenWithChangesAndASaveThatDoesNotHappenOpensNothing) {
    StartWith(ShelfBooks());
    prompts.openChoice = Write(tome::BookCollection{}, "other.lib");
    Run([&] {
        // Never saved: Yes needs a name, and the Save dialog is cancelled.
        tome::fileState.currentFile.clear();
        tome::fileState.fileChanged = 1;
        prompts.answers = {tome::AnswerYes};
        prompts.saveChoice = "";
        Command(101);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].text, "Current file has changed...\r\nSave it before opening the new file?");
        EXPECT_EQ(prompts.asked[0].caption, "Save File");
        EXPECT_EQ(prompts.asked[0].style, 0x24u);
        EXPECT_EQ(prompts.saveDialogs, 1);
        EXPECT_EQ(tome::collection.bookCount(), 6);
        EXPECT_EQ(tome::fileState.fileChanged, 1);
        EXPECT_EQ(RowsShown(1), 6);
    });
}

TEST_F(MainWindowFiles, OpenWithChangesAnsweredNoOpensTheNewFile) {
    StartWith(ShelfBooks());
    prompts.openChoice = DataFolder() + "\\new shelf.lib";  // not there yet
    Run([&] {
        tome::fileState.fileChanged = 1;
        prompts.answers = {tome::AnswerNo};
        Command(101);
        EXPECT_EQ(tome::fileState.currentFile, DataFolder() + "\\new shelf.lib");
        EXPECT_EQ(tome::fileState.fileChanged, 0);
        EXPECT_EQ(RowsShown(1), 0);
        // A file without books starts with the built-in lists.
        EXPECT_EQ(tome::collection.callNumberCount(), 11);
        EXPECT_EQ(tome::collection.categoryCount(), 33);
        EXPECT_EQ(StatusPart(1), "Filename:new shelf.lib");
    });
}

TEST_F(MainWindowFiles, SaveAsksThenWritesAndRefills) {
    const std::string path = StartWith(ShelfBooks());
    Run([&] {
        tome::mainState.activeList->SelectRow(2, 0);
        prompts.answers = {tome::AnswerYes, tome::AnswerNo};
        Command(203);
        Command(102);  // answered No
        EXPECT_EQ(Read(path).bookCount(), 6);

        prompts.answers = {tome::AnswerYes};
        Command(102);
        EXPECT_EQ(prompts.asked.back().text, "Save this file now?");
        EXPECT_EQ(prompts.asked.back().caption, "Save File");
        EXPECT_EQ(tome::fileState.fileChanged, 0);
        EXPECT_EQ(Read(path).bookCount(), 5);
        // Renumbered books, refilled rows: each row names the book it shows.
        for (int row = 1; row <= RowsShown(1); ++row) {
            EXPECT_EQ(Title(1, row), tome::collection.titles[tome::mainState.activeList->ItemDataAt(row)]);
        }
        EXPECT_EQ(Titles(1), (Names{"Emma", "Mansfield Park", "Persuasion", "Middlemarch", "White Teeth"}));
    });
}

TEST_F(MainWindowFiles, SaveAsWritesTheNewFileAndNamesItForNextTime) {
    const std::string path = StartWith(ShelfBooks());
    const std::string copy = DataFolder() + "\\copy.lib";
    Run([&] {
        prompts.saveChoice = "";
        Command(103);  // cancelled
        EXPECT_FALSE(IsFile(copy));
        EXPECT_EQ(StatusPart(1), "Filename:books.lib");

        prompts.saveChoice = copy;
        Command(103);
        EXPECT_EQ(tome::fileState.currentFile, copy);
        EXPECT_EQ(StatusPart(1), "Filename:copy.lib");
    });
    EXPECT_EQ(Read(copy).titles, ShelfBooks().titles);
    EXPECT_EQ(ReadBytes(DataFolder() + "\\Tomecase.ini"), copy + "\r\n");
    // The old file stays as it was.
    EXPECT_EQ(Read(path), ShelfBooks());
}

}  // namespace
}  // namespace tome_test
