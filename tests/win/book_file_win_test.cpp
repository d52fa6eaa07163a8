// Saving and loading book files through the Win32 file system under Wine.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "books/book_file.h"
#include "books/book_store.h"
#include "win_test_support.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tome_test::NamesIn;
using tome_test::ReadBytes;
using tome_test::WriteBytes;

std::string FileBytes(const tome::BookCollection& books) {
    const std::vector<uint8_t> bytes = tome::SerializeBookFile(books);
    return std::string(bytes.begin(), bytes.end());
}

class WinBookFile : public ::testing::Test {
protected:
    void SetUp() override {
        state.settingsFile = folder / "Tomecase.ini";
        state.fileChanged = 1;
    }

    tome_test::TempFolder folder;
    tome::FileSystem& fs = tome::SystemFileSystem();
    tome::FileState state;
    tome::BookCollection books = tome_test::SampleBooks();
};

TEST_F(WinBookFile, SaveReplacesAnExistingFileAndReadsBack) {
    // The old file is longer than the new one: nothing of its tail may stay.
    tome::BookCollection older = tome_test::SampleBooks();
    tome::Book extra;
    extra.title = std::string(5000, 'x');
    tome::AddBookAt(older, extra, 1);
    const std::string path = folder / "books.lib";
    WriteBytes(path, FileBytes(older));
    state.currentFile = path;

    const tome::Outcome saved = tome::SaveBookFile(fs, books, state);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(saved.message, "");
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_EQ(ReadBytes(path), FileBytes(books));
    EXPECT_EQ(ReadBytes(state.settingsFile), path + "\r\n");
    EXPECT_THAT(NamesIn(folder.path()), ElementsAre("Tomecase.ini", "books.lib"));

    tome::BookCollection loaded;
    tome::FileState reader;
    reader.fileChanged = 1;
    const tome::Outcome read = tome::LoadBookFile(fs, path, loaded, reader);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_TRUE(loaded == books);
    EXPECT_EQ(reader.currentFile, path);
    EXPECT_EQ(reader.fileChanged, 0);
}

TEST_F(WinBookFile, SaveIntoMissingFolderFailsAndLeavesNothing) {
    state.currentFile = folder / "no such folder\\books.lib";

    const tome::Outcome saved = tome::SaveBookFile(fs, books, state);
    EXPECT_FALSE(saved.ok);
    EXPECT_THAT(saved.message, HasSubstr("books.lib"));
    EXPECT_EQ(state.fileChanged, 1);
    EXPECT_THAT(NamesIn(folder.path()), ElementsAre());  // no temporary file, no settings
}

TEST_F(WinBookFile, SaveOntoReadOnlyFileFailsAndKeepsTheOldFile) {
    const std::string path = folder / "books.lib";
    tome::BookCollection older;
    tome::AddListEntry(older.authors, "Older, Only");
    const std::string oldBytes = FileBytes(older);
    WriteBytes(path, oldBytes);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    state.currentFile = path;

    const tome::Outcome saved = tome::SaveBookFile(fs, books, state);
    EXPECT_FALSE(saved.ok);
    EXPECT_THAT(saved.message, HasSubstr("books.lib"));
    EXPECT_EQ(state.fileChanged, 1);
    EXPECT_EQ(ReadBytes(path), oldBytes);
    EXPECT_THAT(NamesIn(folder.path()), ElementsAre("books.lib"));
}

TEST_F(WinBookFile, LoadingANewNameCreatesAnEmptyFile) {
    const std::string path = folder / "new.lib";
    tome::BookCollection loaded = tome_test::SampleBooks();

    const tome::Outcome read = tome::LoadBookFile(fs, path, loaded, state);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(loaded.bookCount(), 0);
    EXPECT_EQ(loaded.authorCount(), 0);
    EXPECT_EQ(state.currentFile, path);
    ASSERT_TRUE(tome_test::IsFile(path));
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(WinBookFile, RefusedFileChangesNothing) {
    const std::string path = folder / "notes.lib";
    WriteBytes(path, "Shopping list: bread, milk, a new library card and more");
    state.currentFile = "C:\\previous.lib";
    tome::BookCollection current = tome_test::SampleBooks();

    const tome::Outcome read = tome::LoadBookFile(fs, path, current, state);
    EXPECT_FALSE(read.ok);
    EXPECT_THAT(read.message, HasSubstr("notes.lib"));
    EXPECT_TRUE(current == tome_test::SampleBooks());
    EXPECT_EQ(state.currentFile, "C:\\previous.lib");
    EXPECT_EQ(state.fileChanged, 1);
}

}  // namespace
