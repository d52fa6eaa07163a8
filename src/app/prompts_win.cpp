#include "app/prompts_win.h"

#include <commdlg.h>

#include "app/main_state_win.h"
#include "books/message_box_win.h"
#include "books/program_state.h"

namespace tome {

namespace {

// Pairs of description and pattern, ended by an empty pair.
constexpr char BookFileFilter[] = "Tomecase\0*.lib\0All Files\0*.*\0";

std::string ChooseFile(const FileDialogRequest& request, BOOL(WINAPI* show)(LPOPENFILENAMEA)) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = mainState.hMainWindow;
    dialog.lpstrFilter = BookFileFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = fileState.dataFolder.c_str();
    dialog.lpstrTitle = request.caption;
    dialog.Flags = request.flags;
    dialog.lpstrDefExt = "lib";
    return show(&dialog) ? std::string(path) : std::string();
}

}  // namespace

Answer WinPrompts::Ask(const std::string& text, const std::string& caption, uint32_t style) {
    return AskUser(text, caption, style);
}

std::string WinPrompts::ChooseFileToOpen() { return ChooseFile(OpenFileRequest, GetOpenFileNameA); }

std::string WinPrompts::ChooseFileToSave() { return ChooseFile(SaveFileRequest, GetSaveFileNameA); }

}  // namespace tome
