// Loading within bounds: a file over the size limit is refused before it is
// read, and running out of memory while loading or saving is a refusal that
// keeps the open books and the file on disk as they were.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>
#include <string>
#include <thread>
#include <vector>

#include "books/book_file.h"
#include "books/book_store.h"
#include "heap_watch.h"
#include "scratch_folder.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

BookCollection OpenBooks() {
    BookCollection c;
    c.authors.append("Open, Already");
    Book b;
    b.record.author = 1;
    b.record.flags = WantToRead | Shown;
    b.title = "Still here";
    AddBookAt(c, b, 1);
    return c;
}

// The machine's file system, with the allocation failing at one step.
class OutOfMemory final : public FileSystem {
public:
    enum Step { Reading, Replacing };
    explicit OutOfMemory(Step step) : step_(step) {}
    bool Exists(const std::string& p) override { return real_.Exists(p); }
    bool CreateFolder(const std::string& p) override { return real_.CreateFolder(p); }
    IoStatus ReadAll(const std::string& p, bool create, size_t limit, Bytes& b) override {
        if (step_ == Reading) throw std::bad_alloc();
        return real_.ReadAll(p, create, limit, b);
    }
    IoStatus ResolveLinks(const std::string& p, std::string& t) override { return real_.ResolveLinks(p, t); }
    IoStatus CreateTemp(const std::string& p, Handle& h, std::string& t) override {
        if (step_ == Replacing) throw std::bad_alloc();
        return real_.CreateTemp(p, h, t);
    }
    IoStatus Write(Handle h, const uint8_t* d, size_t n) override { return real_.Write(h, d, n); }
    IoStatus Flush(Handle h) override { return real_.Flush(h); }
    IoStatus Close(Handle h) override { return real_.Close(h); }
    IoStatus MoveOver(const std::string& f, const std::string& t) override { return real_.MoveOver(f, t); }
    void Remove(const std::string& p) override { real_.Remove(p); }

private:
    Step step_;
    FileSystem& real_ = SystemFileSystem();
};

TEST(ReadAll, AFileOverItsLimitIsRefusedUnread) {
    ScratchFolder dir;
    const std::string file = dir / "thousand.lib";
    WriteFileBytes(file, Bytes(1000, 'x'));
    Bytes bytes;
    EXPECT_TRUE(SystemFileSystem().ReadAll(file, false, 1000, bytes).ok);
    EXPECT_EQ(bytes.size(), 1000u);
    const IoStatus over = SystemFileSystem().ReadAll(file, false, 999, bytes);
    EXPECT_FALSE(over.ok);
    EXPECT_TRUE(over.tooLarge);
    EXPECT_TRUE(bytes.empty());

    // A pipe has no size to look at first: it is read up to the limit and no further.
    const std::string pipe = dir / "pipe.lib";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(pipe.c_str(), O_WRONLY);
        const Bytes data(2000, 'y');  // below PIPE_BUF: written in one piece, before any read
        (void)!::write(fd, data.data(), data.size());
        ::close(fd);
    });
    const IoStatus piped = SystemFileSystem().ReadAll(pipe, false, 1000, bytes);
    writer.join();
    EXPECT_TRUE(piped.tooLarge);
    EXPECT_TRUE(bytes.empty());
}

TEST(LoadBookFile, AFileOverTheSizeLimitIsRefusedWithoutBeingRead) {
    if (!HeapWatch::Available()) GTEST_SKIP() << "needs the address sanitizer's hooks";
    ScratchFolder dir;
    const std::string file = dir / "huge.lib";
    {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        // Sparse: a valid start, then nothing stored up to one byte past the limit.
        const Bytes start = SerializeBookFile(OpenBooks());
        ASSERT_EQ(::write(fd, start.data(), start.size()), ssize_t(start.size()));
        ASSERT_EQ(::ftruncate(fd, off_t(LargestBookFile) + 1), 0);
        ::close(fd);
    }
    BookCollection books;
    books.authors.append("Mine");
    FileState state;
    state.fileChanged = 1;
    HeapWatch watch;
    const Outcome outcome = LoadBookFile(SystemFileSystem(), file, books, state);
    EXPECT_LT(watch.peak(), size_t(1) << 20);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, RefusalMessage(file, "It is too large to be a Tomecase book file."));
    EXPECT_EQ(books.authors.count(), 1);
    EXPECT_EQ(state.fileChanged, 1);
}

TEST(LoadBookFile, RunningOutOfMemoryRefusesTheFileAndKeepsTheOpenBooks) {
    ScratchFolder dir;
    const std::string file = dir / "books.lib";
    WriteFileBytes(file, SerializeBookFile(OpenBooks()));
    OutOfMemory fs(OutOfMemory::Reading);
    BookCollection books;
    books.authors.append("Mine");
    const BookCollection before = books;
    FileState state;
    state.currentFile = "/elsewhere/mine.lib";
    state.fileChanged = 1;
    const Outcome outcome = LoadBookFile(fs, file, books, state);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, RefusalMessage(file, "There is not enough memory for it."));
    EXPECT_TRUE(books == before);
    EXPECT_EQ(state.currentFile, "/elsewhere/mine.lib");
    EXPECT_EQ(state.fileChanged, 1);
}

TEST(SaveBookFile, RunningOutOfMemoryKeepsTheFileOnDiskAndTheChanges) {
    ScratchFolder dir;
    const std::string file = dir / "books.lib";
    const Bytes old = SerializeBookFile(BookCollection());
    WriteFileBytes(file, old);
    OutOfMemory fs(OutOfMemory::Replacing);
    BookCollection books = OpenBooks();
    FileState state;
    state.currentFile = file;
    state.fileChanged = 1;
    const Outcome outcome = SaveBookFile(fs, books, state);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.message.find("There is not enough memory for it."), std::string::npos) << outcome.message;
    EXPECT_NE(outcome.message.find("The file on disk was not changed"), std::string::npos);
    EXPECT_EQ(FileBytes(file), old);
    EXPECT_EQ(state.fileChanged, 1);
    EXPECT_TRUE(books == OpenBooks());
}

}  // namespace
}  // namespace tome
