// The binary book file: header "Tomecase Version 1", seven count words, then
// the display order, records, titles, comments and the five lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "collection.h"

namespace tome {

extern const char BookFileHeader[];  // "Tomecase Version 1", 18 bytes on disk
constexpr size_t BookFileHeaderSize = 18;
// A string's 16-bit length of FFFF says that a 32-bit length follows.
constexpr uint16_t LongTextMarker = 0xFFFF;

// Reads a whole book file. On success out holds exactly what the file holds
// (no load-time adjustments); on refusal out is untouched and reason says
// what is wrong in words for the user. A 0-byte file is an empty collection.
bool ParseBookFile(const uint8_t* data, size_t size, BookCollection& out, std::string& reason);

std::vector<uint8_t> SerializeBookFile(const BookCollection& books);

// Load-time rule for years that older writers stored times 16.
void FixStoredPubYears(BookCollection& books);

}  // namespace tome
