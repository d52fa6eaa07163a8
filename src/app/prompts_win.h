// The user's prompts on Windows: message boxes without owner, and the Open
// File and Save File dialogs over the main window, starting in the data folder.
#pragma once

#include <windows.h>

#include "books/user_prompts.h"

namespace tome {

class WinPrompts final : public UserPrompts {
public:
    Answer Ask(const std::string& text, const std::string& caption, uint32_t style) override;
    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave() override;
};

// What both file dialogs share: the book file filter, "lib" as the default
// extension, the data folder to start in, the main window as owner.
struct FileDialogRequest {
    const char* caption;
    DWORD flags;
};
constexpr FileDialogRequest OpenFileRequest = {"Open File",
                                               OFN_HIDEREADONLY | OFN_LONGNAMES | OFN_EXPLORER | OFN_NOCHANGEDIR};
constexpr FileDialogRequest SaveFileRequest = {
    "Save File", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_LONGNAMES | OFN_EXPLORER | OFN_NOCHANGEDIR};

}  // namespace tome
