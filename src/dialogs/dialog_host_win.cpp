#include "dialogs/dialog_host_win.h"

namespace tome {

DialogHost* dialogHost = nullptr;

}  // namespace tome
