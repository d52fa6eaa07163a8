// Questions and messages to the user, as the portable code sees them. The
// values are those of the Windows message box, so the Win32 side passes them
// through unchanged and tests can check the exact style asked for.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

namespace mb {
constexpr uint32_t Ok = 0x0, OkCancel = 0x1, YesNoCancel = 0x3, YesNo = 0x4;
constexpr uint32_t IconHand = 0x10, IconQuestion = 0x20, IconExclamation = 0x30, IconInformation = 0x40;
}  // namespace mb

enum Answer : int32_t { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A message box without owner: the answer chosen.
    virtual Answer Ask(const std::string& text, const std::string& caption, uint32_t style) = 0;
    // The Open and Save dialogs: the chosen path, or "" when cancelled.
    virtual std::string ChooseFileToOpen() = 0;
    virtual std::string ChooseFileToSave() = 0;
};

}  // namespace tome
