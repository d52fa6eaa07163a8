// The File commands (Open, Save, Save As), the save offered at quitting and
// the reopening of the last book file at start-up, over the user's prompts
// and the main window's list.
#pragma once

#include "books/user_prompts.h"
#include "books/book_store.h"
#include "books/collection.h"

namespace tome {

// What the flows need of the main window.
class FileFlowScreen {
public:
    virtual ~FileFlowScreen() = default;
    // A book file was loaded: tab 1 becomes current, its list is filled when
    // there are books, and the tab control gets the focus.
    virtual void ShowLoadedFile() = 0;
    virtual void FillList(int32_t selectPosition, int32_t topPosition) = 0;
    virtual void UpdateStatusBar() = 0;
};

struct FileFlows {
    FileSystem& fs;
    BookCollection& books;
    FileState& state;
    UserPrompts& prompts;
    FileFlowScreen& screen;

    void Open();    // File "&Open"
    void Save();    // File "&Save"
    void SaveAs();  // File "Save&As"

    // Saves to the current file, asking for a name when there is none.
    // True only when the file was written.
    bool SaveBookFile();
    bool SaveBookFileAs();

    // The close box, Alt+F4, "E&xit" and "&Quit": true when the window may close.
    bool MayQuit();

    // Start-up: reopens the file the settings name, when there is one.
    void ReopenLastFile();

private:
    bool Load(const std::string& path);
};

}  // namespace tome
