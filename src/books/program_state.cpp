#include "program_state.h"

namespace tome {

BookCollection collection;
FileState fileState;

}  // namespace tome
