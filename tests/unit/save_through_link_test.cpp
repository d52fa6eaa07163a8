// Saving to a book file that is a symbolic link: the file the link names is
// replaced, beside itself, and the link stays a link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "books/book_file.h"
#include "books/book_store.h"
#include "scratch_folder.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

bool IsLink(const std::string& path, const std::string& to) {
    char named[4096];
    const ssize_t n = ::readlink(path.c_str(), named, sizeof named);
    return n >= 0 && std::string(named, size_t(n)) == to;
}

BookCollection Emma() {
    BookCollection c;
    c.authors.append("Austen, Jane");
    Book b;
    b.record.author = 1;
    b.record.flags = WantToRead | Shown;
    b.title = "Emma";
    AddBookAt(c, b, 1);
    return c;
}

Outcome SaveTo(const std::string& path, BookCollection& books, FileState& state) {
    state.currentFile = path;
    state.fileChanged = 1;
    return SaveBookFile(SystemFileSystem(), books, state);
}

TEST(SaveThroughLink, TheLinkedFileIsReplacedAndTheLinkStays) {
    ScratchFolder dir;
    ASSERT_EQ(::mkdir((dir / "shelf").c_str(), 0700), 0);
    std::ofstream(dir / "shelf/books.lib") << "older content";
    ::chmod((dir / "shelf/books.lib").c_str(), 0640);
    // A chain: a relative link to an absolute one, which names the file in another folder.
    ASSERT_EQ(::symlink((dir / "shelf/books.lib").c_str(), (dir / "absolute.lib").c_str()), 0);
    ASSERT_EQ(::symlink("absolute.lib", (dir / "mine.lib").c_str()), 0);

    BookCollection books = Emma();
    FileState state;
    const Outcome saved = SaveTo(dir / "mine.lib", books, state);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_TRUE(IsLink(dir / "mine.lib", "absolute.lib"));
    EXPECT_TRUE(IsLink(dir / "absolute.lib", dir / "shelf/books.lib"));
    EXPECT_EQ(FileBytes(dir / "shelf/books.lib"), SerializeBookFile(books));
    struct stat st;
    ASSERT_EQ(::stat((dir / "shelf/books.lib").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "the replaced file keeps its permissions";
    // The temporary file was made beside the real file, and is gone.
    EXPECT_EQ(dir.Names("shelf"), (std::set<std::string>{"books.lib"}));
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"absolute.lib", "mine.lib", "shelf"}));

    // What the link shows is what was saved.
    BookCollection back;
    FileState loaded;
    ASSERT_TRUE(LoadBookFile(SystemFileSystem(), dir / "mine.lib", back, loaded).ok);
    EXPECT_TRUE(back == books);
}

TEST(SaveThroughLink, ALinkToAFileNotYetThereGetsTheFile) {
    ScratchFolder dir;
    ASSERT_EQ(::symlink("new.lib", (dir / "mine.lib").c_str()), 0);
    BookCollection books = Emma();
    FileState state;
    ASSERT_TRUE(SaveTo(dir / "mine.lib", books, state).ok);
    EXPECT_TRUE(IsLink(dir / "mine.lib", "new.lib"));
    EXPECT_EQ(FileBytes(dir / "new.lib"), SerializeBookFile(books));
}

TEST(SaveThroughLink, ALinkThatLeadsRoundInACircleIsReportedAndNothingIsWritten) {
    ScratchFolder dir;
    ASSERT_EQ(::symlink("b.lib", (dir / "a.lib").c_str()), 0);
    ASSERT_EQ(::symlink("a.lib", (dir / "b.lib").c_str()), 0);
    BookCollection books = Emma();
    FileState state;
    const Outcome saved = SaveTo(dir / "a.lib", books, state);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find("Too many levels of symbolic links"), std::string::npos) << saved.message;
    EXPECT_EQ(state.fileChanged, 1);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"a.lib", "b.lib"}));
    EXPECT_TRUE(IsLink(dir / "a.lib", "b.lib"));
}

}  // namespace
}  // namespace tome
