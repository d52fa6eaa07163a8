// The shell's common documents folder, the data folder under it and the
// settings file, under Wine.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/shell_folder_win.h"
#include "books/book_store.h"
#include "win_test_support.h"

namespace {

using tome_test::IsFolder;

TEST(SpecialFolder, CommonDocumentsIsAnExistingFolder) {
    const std::string documents = tome::SpecialFolderPath(CSIDL_COMMON_DOCUMENTS);
    ASSERT_NE(documents, "");
    EXPECT_EQ(documents.find('\0'), std::string::npos);
    EXPECT_TRUE(IsFolder(documents)) << documents;
}

TEST(SpecialFolder, UnknownFolderIsEmptyText) {
    EXPECT_EQ(tome::SpecialFolderPath(0xFF), "");
    // COM is balanced: a second call still works.
    EXPECT_NE(tome::SpecialFolderPath(CSIDL_COMMON_DOCUMENTS), "");
}

TEST(DataFolder, MadeUnderCommonDocuments) {
    const std::string documents = tome::SpecialFolderPath(CSIDL_COMMON_DOCUMENTS);
    tome::FileState state;
    tome::SetUpDataFolder(tome::SystemFileSystem(), documents, state);
    EXPECT_EQ(state.dataFolder, documents + "\\Verdanth\\Tomecase");
    EXPECT_TRUE(IsFolder(state.dataFolder));
    EXPECT_EQ(state.settingsFile, state.dataFolder + "\\Tomecase.ini");
}

TEST(DataFolder, BothLevelsAreCreatedWhenMissing) {
    tome_test::TempFolder documents;
    tome::FileState state;
    tome::SetUpDataFolder(tome::SystemFileSystem(), documents.path(), state);
    EXPECT_TRUE(IsFolder(documents / "Verdanth"));
    EXPECT_TRUE(IsFolder(documents / "Verdanth\\Tomecase"));
    EXPECT_EQ(state.settingsFile, documents / "Verdanth\\Tomecase\\Tomecase.ini");
    EXPECT_FALSE(tome_test::IsFile(state.settingsFile));  // made by the first save, not here
}

TEST(DataFolder, WithoutAShellFolderUsesMyDocumentsWithItsDoubledSeparator) {
    const bool existedBefore = IsFolder("C:\\My Documents");
    tome::FileState state;
    tome::SetUpDataFolder(tome::SystemFileSystem(), "", state);
    EXPECT_EQ(state.dataFolder, "C:\\My Documents\\\\Verdanth\\Tomecase");
    EXPECT_TRUE(IsFolder("C:\\My Documents\\Verdanth\\Tomecase"));
    EXPECT_EQ(state.settingsFile, state.dataFolder + "\\Tomecase.ini");
    if (!existedBefore) tome_test::RemoveTree("C:\\My Documents");
}

TEST(DataFolder, UnmakeableFolderLeavesNoSettingsFile) {
    tome_test::TempFolder documents;
    // A file where the maker's folder should be: nothing can be made under it.
    tome_test::WriteBytes(documents / "Verdanth", "in the way");
    tome::FileState state;
    tome::SetUpDataFolder(tome::SystemFileSystem(), documents.path(), state);
    EXPECT_EQ(state.dataFolder, documents / "Verdanth\\Tomecase");
    EXPECT_EQ(state.settingsFile, "");
}

TEST(Settings, PathWithCommasAndBlanksReadsBackWhole) {
    tome_test::TempFolder root;
    const std::string shelf = root / "Shared, Family Books 2";
    ASSERT_TRUE(CreateDirectoryA(shelf.c_str(), nullptr));
    tome::FileSystem& fs = tome::SystemFileSystem();
    tome::FileState state;
    state.settingsFile = root / "Tomecase.ini";
    state.currentFile = shelf + "\\my books, vol 1 (2).lib";
    tome::BookCollection books = tome_test::SampleBooks();

    const tome::Outcome saved = tome::SaveBookFile(fs, books, state);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(tome_test::ReadBytes(state.settingsFile), state.currentFile + "\r\n");

    std::string named;
    ASSERT_TRUE(tome::ReadSettings(fs, state.settingsFile, named));
    EXPECT_EQ(named, state.currentFile);
    tome::BookCollection loaded;
    tome::FileState reader;
    const tome::Outcome read = tome::LoadBookFile(fs, named, loaded, reader);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_TRUE(loaded == books);
}

TEST(Settings, MissingSettingsFileReadsNothing) {
    tome_test::TempFolder root;
    std::string named = "unchanged";
    EXPECT_FALSE(tome::ReadSettings(tome::SystemFileSystem(), root / "Tomecase.ini", named));
    EXPECT_EQ(named, "unchanged");
    EXPECT_FALSE(tome_test::IsFile(root / "Tomecase.ini"));
}

}  // namespace
