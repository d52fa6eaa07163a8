// The Windows prompts: real message boxes and Open File / Save File dialogs,
// answered from a second thread as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "app/main_state_win.h"
#include "app/prompts_win.h"
#include "books/program_state.h"
#include "main_window_fixture.h"
#include "win_test_support.h"

namespace tome_test {
namespace {

// Control IDs of the explorer-style file dialogs.
constexpr int FileNameBox = 0x47c;   // cmb13, the file name
constexpr int FileTypeBox = 0x470;   // cmb1, the filter

// Waits on a thread of its own for a dialog with the caption and hands it to
// answer, which reads and answers it.
class Answerer {
public:
    Answerer(const char* caption, std::function<void(HWND)> answer)
        : thread_([this, caption, answer] {
              for (int i = 0; i < 500 && !done_; ++i) {
                  HWND dialog = OwnWindow("#32770", caption);
                  if (dialog != nullptr) {
                      found_ = true;
                      Sleep(100);  // let it finish setting up
                      answer(dialog);
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~Answerer() {
        done_ = true;
        thread_.join();
    }
    bool Found() const { return found_; }

private:
    std::atomic<bool> done_{false};
    std::atomic<bool> found_{false};
    std::thread thread_;
};

std::string TextsOf(HWND dialog) {
    std::string texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[256] = "";
        GetWindowTextA(child, text, sizeof text);
        texts += std::string(text) + "|";
    }
    return texts;
}

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(WinPrompts, AskShowsTheTextAndGivesTheAnswerClicked) {
    std::string shown;
    bool hasCancel = false;
    tome::Answer answer;
    {
        Answerer answerer("Quit Program", [&](HWND box) {
            shown = TextsOf(box);
            hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
            Click(box, IDNO);
        });
        tome::WinPrompts prompts;
        answer = prompts.Ask("This file has changed... save it before quiting?", "Quit Program",
                             tome::mb::YesNoCancel | tome::mb::IconQuestion);
        EXPECT_TRUE(answerer.Found());
    }
    EXPECT_EQ(answer, tome::AnswerNo);
    EXPECT_NE(shown.find("This file has changed... save it before quiting?"), std::string::npos) << shown;
    EXPECT_TRUE(hasCancel);
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        tome::fileState.dataFolder = folder.path();
        tome::mainState.hMainWindow = nullptr;
    }
    void TearDown() override { tome::fileState = {}; }

    // Types name into the file name box and presses OK; notes the folder shown
    // and the filter's entries.
    std::function<void(HWND)> Choose(const std::string& name) {
        return [this, name](HWND dialog) {
            char path[MAX_PATH] = "";
            SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof path, reinterpret_cast<LPARAM>(path));
            shownFolder = path;
            HWND types = GetDlgItem(dialog, FileTypeBox);
            for (int i = 0; i < SendMessageA(types, CB_GETCOUNT, 0, 0); ++i) {
                char text[64] = "";
                SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
                filters.push_back(text);
            }
            SetDlgItemTextA(dialog, FileNameBox, name.c_str());
            Click(dialog, IDOK);
        };
    }

    TempFolder folder;
    std::string shownFolder;
    std::vector<std::string> filters;
};

TEST_F(FileDialogs, SaveStartsInTheDataFolderAndAddsTheExtension) {
    std::string chosen;
    {
        Answerer answerer("Save File", Choose("shelf"));
        chosen = tome::WinPrompts().ChooseFileToSave();
        EXPECT_TRUE(answerer.Found());
    }
    EXPECT_EQ(chosen, folder / "shelf.lib");
    EXPECT_EQ(shownFolder, folder.path());
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].substr(0, 8), "Tomecase");
    EXPECT_EQ(filters[1].substr(0, 9), "All Files");
}

TEST_F(FileDialogs, SaveOverAFileAsksFirst) {
    WriteBytes(folder / "shelf.lib", "old");
    std::atomic<bool> asked{false};
    std::string chosen;
    {
        Answerer answerer("Save File", Choose("shelf.lib"));
        std::thread yes([&] {
            // The question comes over the dialog, with the same caption.
            for (int i = 0; i < 300; ++i) {
                HWND box = OwnWindow("#32770", "Save File");
                if (box && GetDlgItem(box, IDYES)) {
                    asked = true;
                    Click(box, IDYES);
                    return;
                }
                Sleep(20);
            }
        });
        chosen = tome::WinPrompts().ChooseFileToSave();
        yes.join();
    }
    EXPECT_TRUE(asked);
    EXPECT_EQ(chosen, folder / "shelf.lib");
}

TEST_F(FileDialogs, CancelChoosesNothing) {
    std::string chosen = "unchanged";
    {
        Answerer answerer("Open File", [](HWND dialog) { Click(dialog, IDCANCEL); });
        chosen = tome::WinPrompts().ChooseFileToOpen();
        EXPECT_TRUE(answerer.Found());
    }
    EXPECT_EQ(chosen, "");
}

TEST_F(FileDialogs, OpenTakesAFileThatIsNotThereYet) {
    WriteBytes(folder / "books.lib", "");
    std::string chosen;
    {
        Answerer answerer("Open File", Choose("new shelf.lib"));
        chosen = tome::WinPrompts().ChooseFileToOpen();
        EXPECT_TRUE(answerer.Found());
    }
    EXPECT_EQ(chosen, folder / "new shelf.lib");
    EXPECT_EQ(shownFolder, folder.path());
    EXPECT_FALSE(IsFile(folder / "new shelf.lib"));
}

}  // namespace
}  // namespace tome_test
