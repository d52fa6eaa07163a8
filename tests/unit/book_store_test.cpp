#include "books/book_store.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>

#include "books/book_file.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/tomecase-store-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempFolder() {
        for (const std::string& name : Names()) ::unlink((path_ + "/" + name).c_str());
        ::rmdir(path_.c_str());
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        if (DIR* d = ::opendir(path_.c_str())) {
            while (dirent* e = ::readdir(d)) {
                if (e->d_name[0] != '.') names.insert(e->d_name);
            }
            ::closedir(d);
        }
        return names;
    }

private:
    std::string path_;
};

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

BookCollection Sample(int books) {
    BookCollection c;
    c.authors.append("Austen, Jane");
    c.authors.append("Eco, Umberto");
    for (int i = 1; i <= books; ++i) {
        Book b;
        b.record.author = static_cast<uint16_t>(1 + i % 2);
        b.record.flags = WantToRead | Shown;
        b.title = "Title " + std::to_string(i);
        AddBookAt(c, b, i);
    }
    return c;
}

enum class Step { CreateTemp, Write, Flush, Close, MoveOver, None };

// The real file system, failing at one chosen step of a replacement.
class FailingFileSystem final : public FileSystem {
public:
    explicit FailingFileSystem(Step failAt) : failAt_(failAt) {}
    bool Exists(const std::string& p) override { return real_.Exists(p); }
    bool CreateFolder(const std::string& p) override { return real_.CreateFolder(p); }
    IoStatus ReadAll(const std::string& p, bool create, size_t limit, Bytes& b) override {
        return real_.ReadAll(p, create, limit, b);
    }
    IoStatus ResolveLinks(const std::string& p, std::string& t) override { return real_.ResolveLinks(p, t); }
    IoStatus CreateTemp(const std::string& p, Handle& h, std::string& t) override {
        return failAt_ == Step::CreateTemp ? Disk() : real_.CreateTemp(p, h, t);
    }
    IoStatus Write(Handle h, const uint8_t* d, size_t n) override {
        if (failAt_ == Step::Write) {
            real_.Write(h, d, n / 2);  // half written, as on a full disk
            return Disk();
        }
        return real_.Write(h, d, n);
    }
    IoStatus Flush(Handle h) override { return failAt_ == Step::Flush ? Disk() : real_.Flush(h); }
    IoStatus Close(Handle h) override {
        IoStatus closed = real_.Close(h);
        return failAt_ == Step::Close ? Disk() : closed;
    }
    IoStatus MoveOver(const std::string& f, const std::string& t) override {
        return failAt_ == Step::MoveOver ? Disk() : real_.MoveOver(f, t);
    }
    void Remove(const std::string& p) override { real_.Remove(p); }

private:
    static IoStatus Disk() { return IoStatus::Fail("There is not enough space on the disk."); }
    Step failAt_;
    FileSystem& real_ = SystemFileSystem();
};

TEST(SaveBookFile, WritesExactlyTheContentAndRecordsTheFile) {
    TempFolder dir;
    const std::string file = dir / "books.lib";
    WriteBytes(file, Bytes(10000, 0xEE));  // an older, longer file
    BookCollection books = Sample(3);
    FileState state;
    state.currentFile = file;
    state.settingsFile = dir / "Tomecase.ini";
    state.fileChanged = 1;
    const Outcome saved = SaveBookFile(SystemFileSystem(), books, state);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(saved.message.empty());
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_EQ(ReadBytes(file), SerializeBookFile(books));
    const Bytes ini = ReadBytes(state.settingsFile);
    EXPECT_EQ(std::string(ini.begin(), ini.end()), file + "\r\n");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"Tomecase.ini", "books.lib"}));
}

TEST(SaveBookFile, PurgesDeletedBooksBeforeWriting) {
    TempFolder dir;
    BookCollection books = Sample(4);
    DeleteBook(books, 2);
    FileState state;
    state.currentFile = dir / "books.lib";
    ASSERT_TRUE(SaveBookFile(SystemFileSystem(), books, state).ok);
    EXPECT_EQ(books.bookCount(), 3);

    BookCollection back;
    FileState loaded;
    ASSERT_TRUE(LoadBookFile(SystemFileSystem(), state.currentFile, back, loaded).ok);
    EXPECT_TRUE(back == books);
}

TEST(SaveBookFile, AFailureAtAnyStepKeepsTheOldFile) {
    for (Step step : {Step::CreateTemp, Step::Write, Step::Flush, Step::Close, Step::MoveOver}) {
        TempFolder dir;
        const std::string file = dir / "books.lib";
        BookCollection old = Sample(2);
        const Bytes oldBytes = SerializeBookFile(old);
        WriteBytes(file, oldBytes);
        WriteBytes(dir / "Tomecase.ini", Bytes{'o', 'l', 'd', '\r', '\n'});

        BookCollection books = Sample(5);
        FileState state;
        state.currentFile = file;
        state.settingsFile = dir / "Tomecase.ini";
        state.fileChanged = 1;
        FailingFileSystem fs(step);
        const Outcome saved = SaveBookFile(fs, books, state);
        EXPECT_FALSE(saved.ok) << int(step);
        EXPECT_NE(saved.message.find("not enough space"), std::string::npos);
        EXPECT_NE(saved.message.find("books.lib"), std::string::npos);
        EXPECT_EQ(state.fileChanged, 1);
        EXPECT_EQ(ReadBytes(file), oldBytes);
        EXPECT_EQ(dir.Names(), (std::set<std::string>{"Tomecase.ini", "books.lib"})) << "temporary file left";
        EXPECT_EQ(ReadBytes(dir / "Tomecase.ini"), (Bytes{'o', 'l', 'd', '\r', '\n'}));
    }
}

TEST(SaveBookFile, AVanishedFolderIsReported) {
    BookCollection books = Sample(1);
    FileState state;
    state.currentFile = "/tmp/tomecase-no-such-folder/books.lib";
    state.fileChanged = 1;
    const Outcome saved = SaveBookFile(SystemFileSystem(), books, state);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(state.fileChanged, 1);
}

TEST(SaveBookFile, ASettingsFailureIsAWarningNotALoss) {
    TempFolder dir;
    BookCollection books = Sample(1);
    FileState state;
    state.currentFile = dir / "books.lib";
    state.settingsFile = "/tmp/tomecase-no-such-folder/Tomecase.ini";
    state.fileChanged = 1;
    const Outcome saved = SaveBookFile(SystemFileSystem(), books, state);
    EXPECT_TRUE(saved.ok);
    EXPECT_FALSE(saved.message.empty());
    EXPECT_EQ(state.fileChanged, 0);
}

TEST(LoadBookFile, ARefusedFileChangesNothing) {
    TempFolder dir;
    WriteBytes(dir / "bad.lib", Bytes{'n', 'o', 't', ' ', 'b', 'o', 'o', 'k', 's'});
    BookCollection books = Sample(2);
    const BookCollection before = books;
    FileState state;
    state.currentFile = dir / "mine.lib";
    state.fileChanged = 1;
    const Outcome loaded = LoadBookFile(SystemFileSystem(), dir / "bad.lib", books, state);
    EXPECT_FALSE(loaded.ok);
    EXPECT_NE(loaded.message.find("\"bad.lib\""), std::string::npos);
    EXPECT_NE(loaded.message.find("not a Tomecase book file"), std::string::npos);
    EXPECT_TRUE(books == before);
    EXPECT_EQ(state.currentFile, dir / "mine.lib");
    EXPECT_EQ(state.fileChanged, 1);
}

TEST(LoadBookFile, AMissingFileIsCreatedEmpty) {
    TempFolder dir;
    BookCollection books = Sample(2);
    FileState state;
    state.fileChanged = 1;
    ASSERT_TRUE(LoadBookFile(SystemFileSystem(), dir / "new.lib", books, state).ok);
    EXPECT_EQ(books.bookCount(), 0);
    EXPECT_EQ(state.currentFile, dir / "new.lib");
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"new.lib"}));
}

TEST(LoadBookFile, AppliesTheYearRuleAndDropsOldCustomListMarks) {
    TempFolder dir;
    BookCollection c = Sample(2);
    c.records[1].pubYear = 1999 * 16;
    c.records[1].flags = HaveRead | InCustomList;
    c.records[2].flags = WantToRead;
    WriteBytes(dir / "b.lib", SerializeBookFile(c));
    BookCollection books;
    FileState state;
    ASSERT_TRUE(LoadBookFile(SystemFileSystem(), dir / "b.lib", books, state).ok);
    EXPECT_EQ(books.records[1].pubYear, 1999);
    EXPECT_EQ(books.records[1].flags, HaveRead);
    EXPECT_EQ(books.records[2].flags, WantToRead);
}

TEST(Settings, APathWithCommasAndBlanksReadsBackWhole) {
    TempFolder dir;
    const std::string ini = dir / "Tomecase.ini";
    const std::string path = "C:\\Users\\Public\\Documents\\My Books, 2026\\read, and  re-read.lib";
    ASSERT_TRUE(WriteSettings(SystemFileSystem(), ini, path).ok);
    const Bytes bytes = ReadBytes(ini);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), path + "\r\n");
    std::string back;
    ASSERT_TRUE(ReadSettings(SystemFileSystem(), ini, back));
    EXPECT_EQ(back, path);

    EXPECT_FALSE(ReadSettings(SystemFileSystem(), dir / "missing.ini", back));
    EXPECT_FALSE(ReadSettings(SystemFileSystem(), "", back));
    EXPECT_TRUE(WriteSettings(SystemFileSystem(), "", path).ok);  // no settings file: nothing written
}

// Folders as a set of names, recording what was created.
class FolderFileSystem final : public FileSystem {
public:
    std::set<std::string> existing;
    std::vector<std::string> created;
    bool Exists(const std::string& p) override { return existing.count(Strip(p)) != 0; }
    bool CreateFolder(const std::string& p) override {
        created.push_back(p);
        const std::string folder = Strip(p);
        if (folder.size() == 3 && folder[1] == ':') return false;  // a drive cannot be made
        const size_t slash = folder.find_last_of('\\');
        std::string parent = folder.substr(0, slash);
        if (parent.size() == 2) parent += '\\';
        if (existing.count(parent) == 0) return false;
        return existing.insert(folder).second;
    }
    IoStatus ReadAll(const std::string&, bool, size_t, Bytes&) override { return IoStatus::Fail("no files"); }
    IoStatus ResolveLinks(const std::string& p, std::string& t) override {
        t = p;
        return IoStatus::Ok();
    }
    IoStatus CreateTemp(const std::string&, Handle&, std::string&) override { return IoStatus::Fail("no"); }
    IoStatus Write(Handle, const uint8_t*, size_t) override { return IoStatus::Fail("no"); }
    IoStatus Flush(Handle) override { return IoStatus::Fail("no"); }
    IoStatus Close(Handle) override { return IoStatus::Fail("no"); }
    IoStatus MoveOver(const std::string&, const std::string&) override { return IoStatus::Fail("no"); }
    void Remove(const std::string&) override {}

private:
    // Windows reads a doubled separator as one and ignores a trailing one.
    static std::string Strip(std::string p) {
        for (size_t at; (at = p.find("\\\\")) != std::string::npos;) p.erase(at, 1);
        while (p.size() > 3 && p.back() == '\\') p.pop_back();
        return p;
    }
};

TEST(DataFolder, CreatedUnderTheCommonDocumentsFolder) {
    FolderFileSystem fs;
    fs.existing = {"C:\\", "C:\\users", "C:\\users\\Public"};
    FileState state;
    SetUpDataFolder(fs, "C:\\users\\Public", state);
    EXPECT_EQ(state.dataFolder, "C:\\users\\Public\\Verdanth\\Tomecase");
    EXPECT_EQ(state.settingsFile, "C:\\users\\Public\\Verdanth\\Tomecase\\Tomecase.ini");
    EXPECT_EQ(fs.created, (std::vector<std::string>{"C:\\users\\Public\\Verdanth\\",
                                                    "C:\\users\\Public\\Verdanth\\Tomecase\\"}));
}

TEST(DataFolder, FallsBackWhenTheShellHasNoFolder) {
    FolderFileSystem fs;
    fs.existing = {"C:\\"};
    FileState state;
    SetUpDataFolder(fs, "", state);
    EXPECT_EQ(state.dataFolder, "C:\\My Documents\\\\Verdanth\\Tomecase");
    // The doubled separator is skipped on the way down.
    EXPECT_EQ(fs.created.front(), "C:\\My Documents\\");
    EXPECT_EQ(fs.created.back(), "C:\\My Documents\\Verdanth\\Tomecase\\");
    EXPECT_EQ(state.settingsFile, "C:\\My Documents\\\\Verdanth\\Tomecase\\Tomecase.ini");
}

TEST(DataFolder, NoSettingsFileWhenTheFolderCannotBeMade) {
    FolderFileSystem fs;
    fs.existing = {"Q:\\"};
    FileState state;
    SetUpDataFolder(fs, "Z:", state);  // nothing under Z: can be made
    EXPECT_TRUE(state.settingsFile.empty()) << state.settingsFile;
}

}  // namespace
}  // namespace tome
