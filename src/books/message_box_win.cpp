#include "books/message_box_win.h"

namespace tome {

MessageBoxFunction messageBox = MessageBoxA;

Answer AskUser(const std::string& text, const std::string& caption, uint32_t style) {
    return static_cast<Answer>(messageBox(nullptr, text.c_str(), caption.c_str(), style));
}

}  // namespace tome
