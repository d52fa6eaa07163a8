#include "dialogs/book_dialog_state_win.h"

namespace tome {

BookDialogState bookDialog;

}  // namespace tome
