// The call numbers and categories a new or foreign book file starts with.
#pragma once

#include <string>
#include <vector>

#include "collection.h"

namespace tome {

std::vector<std::string> DefaultCallNumbers();
std::vector<std::string> DefaultCategories();

// Fills the call-number list and the category list, each only when it is
// empty. The collection is not marked changed: these are only offered.
void LoadDefaultLists(BookCollection& books);

}  // namespace tome
