#include "dialogs/book_dialog_state_win.h"

namespace tome {

HWND hBookDialog = nullptr;
int32_t dialogBookNumber = 0;
int32_t presetAuthor = 0;
std::string stashedOrderDate;
int32_t authorBoxHasFocus = 0;

}  // namespace tome
