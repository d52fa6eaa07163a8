// A large, realistic collection for the benchmarks, the same on every run.
#pragma once

#include <cstdint>

#include "books/collection.h"

namespace tome::bench {

constexpr int32_t BenchBookCount = 100000;

// bookCount books by a few thousand authors, titles of 10-60 characters,
// comments on about a fifth of them, every list number of every record set,
// sortIndex in author/title order.
BookCollection MakeBenchCollection(int32_t bookCount = BenchBookCount);

// Marks count books Deleted, spread at random over the collection.
void MarkRandomDeleted(BookCollection& books, int32_t count);

}  // namespace tome::bench
