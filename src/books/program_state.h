// The one collection and its file state, shared by the whole program.
#pragma once

#include "book_store.h"
#include "collection.h"

namespace tome {

extern BookCollection collection;
extern FileState fileState;

}  // namespace tome
