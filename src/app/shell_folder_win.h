// Folders the shell knows by CSIDL number.
#pragma once

#include <string>

namespace tome {

// The folder's path, or "" when the shell has none.
std::string SpecialFolderPath(int csidl);

}  // namespace tome
