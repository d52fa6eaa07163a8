#include "app/file_flows.h"

#include "books/default_lists.h"

namespace tome {

bool FileFlows::Load(const std::string& path) {
    const Outcome loaded = LoadBookFile(fs, path, books, state);
    if (!loaded.ok) {
        prompts.Ask(loaded.message, "Open File", mb::Ok | mb::IconExclamation);
        return false;
    }
    screen.ShowLoadedFile();
    return true;
}

void FileFlows::Open() {
    const std::string chosen = prompts.ChooseFileToOpen();
    if (chosen.empty()) return;
    if (state.fileChanged == 1 &&
        prompts.Ask("Current file has changed...\r\nSave it before opening the new file?", "Save File",
                    mb::YesNo | mb::IconQuestion) == AnswerYes) {
        // Opening over changes the user asked to keep would lose them.
        if (!SaveBookFile()) return;
    }
    if (!Load(chosen)) return;
    screen.FillList(0, 0);
    if (books.bookCount() == 0) LoadDefaultLists(books);
}

void FileFlows::Save() {
    if (prompts.Ask("Save this file now?", "Save File", mb::YesNo | mb::IconQuestion) != AnswerYes) return;
    SaveBookFile();
    screen.FillList(0, 0);  // the save renumbers books, and the rows carry book numbers
}

void FileFlows::SaveAs() {
    if (SaveBookFileAs()) {
        screen.FillList(0, 0);
    } else {
        screen.UpdateStatusBar();
    }
}

bool FileFlows::SaveBookFile() {
    if (state.currentFile.empty()) {
        PurgeDeletedBooks(books);
        return SaveBookFileAs();
    }
    const Outcome saved = tome::SaveBookFile(fs, books, state);
    if (!saved.message.empty()) {
        prompts.Ask(saved.message, "Save File", mb::Ok | (saved.ok ? mb::IconInformation : mb::IconHand));
    }
    return saved.ok;
}

bool FileFlows::SaveBookFileAs() {
    const std::string chosen = prompts.ChooseFileToSave();
    if (chosen.empty()) return false;
    const std::string previous = state.currentFile;
    state.currentFile = chosen;
    if (SaveBookFile()) return true;
    state.currentFile = previous;  // the file name still names what is on disk
    return false;
}

bool FileFlows::MayQuit() {
    if (state.fileChanged != 1) return true;
    switch (prompts.Ask("This file has changed... save it before quiting?", "Quit Program",
                        mb::YesNoCancel | mb::IconQuestion)) {
        case AnswerYes: return SaveBookFile();  // a save that did not happen keeps the window
        case AnswerNo: return true;
        default: return false;
    }
}

void FileFlows::ReopenLastFile() {
    if (state.settingsFile.empty() || !fs.Exists(state.settingsFile)) return;
    std::string last;
    if (!ReadSettings(fs, state.settingsFile, last) || last.empty()) return;
    Load(last);
}

}  // namespace tome
