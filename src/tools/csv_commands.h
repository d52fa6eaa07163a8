// tomebook's export and import commands.
#pragma once

#include <string>
#include <vector>

namespace tome {

extern const char CsvUsage[];

// args: what follows the command's name. Exit codes as tomebook's: 0 done,
// 1 refused or failed, 2 bad arguments (usage already shown).
int ExportCommand(const std::vector<std::string>& args);
int ImportCommand(const std::vector<std::string>& args);

}  // namespace tome
