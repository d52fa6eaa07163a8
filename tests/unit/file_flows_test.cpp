#include "app/file_flows.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <fstream>

#include "books/book_file.h"

namespace tome {
namespace {

using Bytes = std::vector<uint8_t>;

struct Asked {
    std::string text, caption;
    uint32_t style;
};

class ScriptedPrompts final : public UserPrompts {
public:
    std::deque<Answer> answers;
    std::string openChoice, saveChoice;
    std::vector<Asked> asked;
    int saveDialogs = 0;

    Answer Ask(const std::string& text, const std::string& caption, uint32_t style) override {
        asked.push_back({text, caption, style});
        if (answers.empty()) return AnswerOk;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string ChooseFileToOpen() override { return openChoice; }
    std::string ChooseFileToSave() override {
        ++saveDialogs;
        return saveChoice;
    }
};

class RecordingScreen final : public FileFlowScreen {
public:
    int loads = 0, fills = 0, statusUpdates = 0;
    void ShowLoadedFile() override { ++loads; }
    void FillList(int32_t s, int32_t t) override {
        EXPECT_EQ(s, 0);
        EXPECT_EQ(t, 0);
        ++fills;
    }
    void UpdateStatusBar() override { ++statusUpdates; }
};

class FileFlowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tomecase-flows-XXXXXX";
        dir = ::mkdtemp(pattern);
        state.settingsFile = dir + "/Tomecase.ini";
        books = Books({"Emma", "Persuasion"});
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    static BookCollection Books(std::initializer_list<const char*> titles) {
        BookCollection c;
        c.authors.append("Austen, Jane");
        for (const char* t : titles) AddBookAt(c, Book{BookRecord{WantToRead, 1}, t, ""}, c.bookCount() + 1);
        return c;
    }
    void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

    std::string dir;
    BookCollection books;
    FileState state;
    ScriptedPrompts prompts;
    RecordingScreen screen;
    FileFlows flows{SystemFileSystem(), books, state, prompts, screen};
};

TEST_F(FileFlowsTest, OpenAskedToSaveButTheSaveDidNotHappenKeepsTheCollection) {
    state.fileChanged = 1;  // never saved: no current file
    prompts.openChoice = dir + "/other.lib";
    Write(prompts.openChoice, SerializeBookFile(Books({"Sanditon"})));
    prompts.answers = {AnswerYes};
    prompts.saveChoice = "";  // the Save dialog is cancelled
    const BookCollection before = books;
    flows.Open();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "Current file has changed...\r\nSave it before opening the new file?");
    EXPECT_EQ(prompts.asked[0].caption, "Save File");
    EXPECT_EQ(prompts.asked[0].style, mb::YesNo | mb::IconQuestion);
    EXPECT_TRUE(books == before);
    EXPECT_EQ(state.currentFile, "");
    EXPECT_EQ(state.fileChanged, 1);
    EXPECT_EQ(screen.loads, 0);
}

TEST_F(FileFlowsTest, OpenAskedToSaveAndTheWriteFailsKeepsTheCollection) {
    state.currentFile = dir + "/gone/books.lib";  // its folder vanished
    state.fileChanged = 1;
    prompts.openChoice = dir + "/other.lib";
    Write(prompts.openChoice, SerializeBookFile(Books({"Sanditon"})));
    prompts.answers = {AnswerYes};
    flows.Open();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].caption, "Save File");
    EXPECT_EQ(prompts.asked[1].style, mb::Ok | mb::IconHand);
    EXPECT_EQ(books.titles[1], "Emma");
    EXPECT_EQ(state.currentFile, dir + "/gone/books.lib");
    EXPECT_EQ(state.fileChanged, 1);
}

TEST_F(FileFlowsTest, OpenSavesFirstWhenAskedThenLoads) {
    state.currentFile = dir + "/mine.lib";
    state.fileChanged = 1;
    prompts.openChoice = dir + "/other.lib";
    Write(prompts.openChoice, SerializeBookFile(Books({"Sanditon"})));
    prompts.answers = {AnswerYes};
    flows.Open();
    BookCollection saved;
    std::string reason;
    const Bytes mine = Read(dir + "/mine.lib");
    ASSERT_TRUE(ParseBookFile(mine.data(), mine.size(), saved, reason));
    EXPECT_EQ(saved.bookCount(), 2);
    EXPECT_EQ(books.titles[1], "Sanditon");
    EXPECT_EQ(state.currentFile, dir + "/other.lib");
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_EQ(screen.loads, 1);
    EXPECT_EQ(screen.fills, 1);
    EXPECT_EQ(books.callNumberCount(), 0) << "a file with books gets no default lists";
}

TEST_F(FileFlowsTest, OpeningANewNameStartsAnEmptyFileWithDefaultLists) {
    state.fileChanged = 1;
    prompts.openChoice = dir + "/new.lib";
    prompts.answers = {AnswerNo};
    flows.Open();
    EXPECT_TRUE(Exists(dir + "/new.lib"));
    EXPECT_EQ(books.bookCount(), 0);
    EXPECT_EQ(books.callNumberCount(), 11);
    EXPECT_EQ(books.categoryCount(), 33);
    EXPECT_EQ(state.fileChanged, 0);
}

TEST_F(FileFlowsTest, ADamagedFileIsRefusedAndNothingChanges) {
    state.currentFile = dir + "/mine.lib";
    prompts.openChoice = dir + "/damaged.lib";
    Bytes cut = SerializeBookFile(Books({"Sanditon", "Lady Susan"}));
    cut.resize(cut.size() - 5);
    Write(prompts.openChoice, cut);
    const BookCollection before = books;
    flows.Open();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].caption, "Open File");
    EXPECT_NE(prompts.asked[0].text.find("damaged"), std::string::npos);
    EXPECT_TRUE(books == before);
    EXPECT_EQ(state.currentFile, dir + "/mine.lib");
    EXPECT_EQ(screen.loads + screen.fills, 0);
}

TEST_F(FileFlowsTest, QuitAnswers) {
    state.currentFile = dir + "/mine.lib";
    state.fileChanged = 1;
    prompts.answers = {AnswerCancel};
    EXPECT_FALSE(flows.MayQuit());
    EXPECT_EQ(prompts.asked[0].text, "This file has changed... save it before quiting?");
    EXPECT_EQ(prompts.asked[0].caption, "Quit Program");
    EXPECT_EQ(prompts.asked[0].style, mb::YesNoCancel | mb::IconQuestion);

    prompts.answers = {AnswerNo};
    EXPECT_TRUE(flows.MayQuit());
    EXPECT_FALSE(Exists(dir + "/mine.lib"));

    prompts.answers = {AnswerYes};
    EXPECT_TRUE(flows.MayQuit());
    EXPECT_TRUE(Exists(dir + "/mine.lib"));
    EXPECT_EQ(state.fileChanged, 0);

    prompts.asked.clear();
    EXPECT_TRUE(flows.MayQuit()) << "nothing changed: no question";
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(FileFlowsTest, QuitWithASaveThatDoesNotHappenKeepsTheWindow) {
    state.fileChanged = 1;
    prompts.answers = {AnswerYes};
    prompts.saveChoice = "";
    EXPECT_FALSE(flows.MayQuit());
    EXPECT_EQ(state.fileChanged, 1);

    state.currentFile = dir + "/gone/books.lib";
    prompts.answers = {AnswerYes};
    EXPECT_FALSE(flows.MayQuit());
    EXPECT_EQ(state.fileChanged, 1);
}

TEST_F(FileFlowsTest, SaveAsksFirstAndRefillsTheList) {
    state.currentFile = dir + "/mine.lib";
    state.fileChanged = 1;
    prompts.answers = {AnswerNo};
    flows.Save();
    EXPECT_FALSE(Exists(state.currentFile));
    EXPECT_EQ(prompts.asked[0].text, "Save this file now?");

    DeleteBook(books, 1);
    prompts.answers = {AnswerYes};
    flows.Save();
    EXPECT_EQ(Read(state.currentFile), SerializeBookFile(Books({"Persuasion"})));
    EXPECT_EQ(screen.fills, 1);
    const Bytes ini = Read(state.settingsFile);
    EXPECT_EQ(std::string(ini.begin(), ini.end()), state.currentFile + "\r\n");
}

TEST_F(FileFlowsTest, SaveAsCancelledOrFailedKeepsTheCurrentFile) {
    state.currentFile = dir + "/mine.lib";
    state.fileChanged = 1;
    flows.SaveAs();
    EXPECT_EQ(screen.statusUpdates, 1);
    EXPECT_FALSE(Exists(state.currentFile));

    prompts.saveChoice = dir + "/nowhere/copy.lib";
    flows.SaveAs();
    EXPECT_EQ(state.currentFile, dir + "/mine.lib");
    EXPECT_EQ(state.fileChanged, 1);

    prompts.saveChoice = dir + "/copy.lib";
    flows.SaveAs();
    EXPECT_EQ(state.currentFile, dir + "/copy.lib");
    EXPECT_EQ(state.fileChanged, 0);
    EXPECT_EQ(screen.fills, 1);
}

TEST_F(FileFlowsTest, StartUpReopensTheLastSavedFileOrStartsEmpty) {
    Write(dir + "/last.lib", SerializeBookFile(Books({"Sanditon"})));
    Write(state.settingsFile, Bytes{});
    BookCollection empty;
    books = empty;
    flows.ReopenLastFile();  // an empty settings line names nothing
    EXPECT_EQ(screen.loads, 0);
    EXPECT_TRUE(prompts.asked.empty());

    const std::string line = dir + "/last.lib\r\n";
    Write(state.settingsFile, Bytes(line.begin(), line.end()));
    flows.ReopenLastFile();
    EXPECT_EQ(books.titles[1], "Sanditon");
    EXPECT_EQ(state.currentFile, dir + "/last.lib");
    EXPECT_EQ(screen.loads, 1);

    // A damaged last file: the message, then an empty collection and no file.
    BookCollection fresh;
    books = fresh;
    FileState freshState;
    freshState.settingsFile = state.settingsFile;
    state = freshState;
    Write(dir + "/last.lib", Bytes{'x'});
    flows.ReopenLastFile();
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(books.bookCount(), 0);
    EXPECT_EQ(state.currentFile, "");
}

}  // namespace
}  // namespace tome
