// The good and bad book files under tests/data: every good file loads and
// writes back byte for byte; every bad file is refused with a message and
// leaves the collection it was meant to replace alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "books/book_file.h"
#include "books/book_store.h"
#include "books/file_system.h"

namespace tome {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> BookFiles(const char* folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(TOMECASE_TEST_DATA) / folder)) {
        if (entry.path().extension() == ".lib") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BookCollection Parsed(const std::string& name) {
    const std::vector<uint8_t> bytes = Bytes(fs::path(TOMECASE_TEST_DATA) / "good" / name);
    BookCollection c;
    std::string reason;
    EXPECT_TRUE(ParseBookFile(bytes.data(), bytes.size(), c, reason)) << name << ": " << reason;
    return c;
}

// What a refused load must leave as it was.
BookCollection Sentinel() {
    BookCollection c;
    c.authors.append("Open, Already");
    BookRecord r;
    r.author = 1;
    r.flags = WantToRead | Shown;
    c.records.append(r);
    c.titles.append("Still here");
    c.comments.append("");
    c.sortIndex.append(1);
    c.spareCount = 3;
    return c;
}

TEST(DataFiles, GoodFilesLoadAndWriteBackByteForByte) {
    const std::vector<fs::path> files = BookFiles("good");
    ASSERT_GE(files.size(), 10u);
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::vector<uint8_t> bytes = Bytes(path);
        BookCollection c;
        std::string reason;
        ASSERT_TRUE(ParseBookFile(bytes.data(), bytes.size(), c, reason)) << reason;
        const std::vector<uint8_t> written = SerializeBookFile(c);
        if (bytes.empty()) {
            EXPECT_TRUE(c == BookCollection());
            EXPECT_EQ(written, SerializeBookFile(BookCollection()));
        } else if (path.filename().string().rfind("leftover", 0) == 0) {
            ASSERT_LT(written.size(), bytes.size()) << "no leftover bytes after the last element";
            EXPECT_TRUE(std::equal(written.begin(), written.end(), bytes.begin()));
        } else {
            EXPECT_EQ(written, bytes);
        }
        BookCollection again;
        ASSERT_TRUE(ParseBookFile(written.data(), written.size(), again, reason)) << reason;
        EXPECT_TRUE(again == c);

        BookCollection loaded = Sentinel();
        FileState state;
        state.fileChanged = 1;
        const Outcome outcome = LoadBookFile(SystemFileSystem(), path.string(), loaded, state);
        ASSERT_TRUE(outcome.ok) << outcome.message;
        EXPECT_EQ(loaded.bookCount(), c.bookCount());
        EXPECT_EQ(state.currentFile, path.string());
        EXPECT_EQ(state.fileChanged, 0);
    }
}

// The cases the good set exists for are really in it.
TEST(DataFiles, GoodSetCoversTheCasesItIsFor) {
    const uint8_t emma[] = {'T', 'o', 'm', 'e', 'c', 'a', 's', 'e', ' ', 'V', 'e', 'r', 's', 'i', 'o', 'n', ' ', '1',
                            1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            1, 0, 0, 0,
                            0x22, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            4, 0, 'E', 'm', 'm', 'a',
                            0, 0,
                            6, 0, 'A', 'u', 's', 't', 'e', 'n'};
    EXPECT_EQ(Bytes(fs::path(TOMECASE_TEST_DATA) / "good" / "austen_emma.lib"),
              std::vector<uint8_t>(std::begin(emma), std::end(emma)));

    const BookCollection longTexts = Parsed("long_texts.lib");
    ASSERT_GE(longTexts.bookCount(), 1);
    EXPECT_GE(longTexts.titles[1].size(), 65535u);

    const BookCollection noLists = Parsed("books_without_lists.lib");
    EXPECT_GT(noLists.bookCount(), 0);
    for (ListKind kind : AllListKinds) EXPECT_EQ(noLists.list(kind).count(), 0);

    EXPECT_TRUE(Bytes(fs::path(TOMECASE_TEST_DATA) / "good" / "empty.lib").empty());

    // Years stored times 16 by older writers come back on loading; 2500 stays.
    BookCollection years;
    FileState state;
    const std::string path = (fs::path(TOMECASE_TEST_DATA) / "good" / "pub_years.lib").string();
    ASSERT_TRUE(LoadBookFile(SystemFileSystem(), path, years, state).ok);
    const BookCollection stored = Parsed("pub_years.lib");
    bool sawTimes16 = false, saw2500 = false;
    for (int32_t b = 1; b <= years.bookCount(); ++b) {
        if (stored.records[b].pubYear == 2001 * 16) {
            sawTimes16 = true;
            EXPECT_EQ(years.records[b].pubYear, 2001);
        }
        if (stored.records[b].pubYear == 2500) {
            saw2500 = true;
            EXPECT_EQ(years.records[b].pubYear, 2500);
        }
    }
    EXPECT_TRUE(sawTimes16);
    EXPECT_TRUE(saw2500);
}

TEST(DataFiles, BadFilesAreRefusedAndChangeNothing) {
    const std::vector<fs::path> files = BookFiles("bad");
    ASSERT_GE(files.size(), 30u);
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::vector<uint8_t> bytes = Bytes(path);
        BookCollection c = Sentinel();
        std::string reason;
        EXPECT_FALSE(ParseBookFile(bytes.data(), bytes.size(), c, reason));
        EXPECT_FALSE(reason.empty());
        EXPECT_TRUE(c == Sentinel());

        FileState state;
        state.currentFile = "C:\\Books\\mine.lib";
        state.fileChanged = 1;
        const Outcome outcome = LoadBookFile(SystemFileSystem(), path.string(), c, state);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message, RefusalMessage(path.string(), reason));
        EXPECT_TRUE(c == Sentinel());
        EXPECT_EQ(state.currentFile, "C:\\Books\\mine.lib");
        EXPECT_EQ(state.fileChanged, 1);
    }
}

}  // namespace
}  // namespace tome
