// The packed order date of a book record, and the date key the column list
// sorts its date column by: both add the month rotated left by 5 bits, the
// year since 1980 rotated right by 7 and the day, in 16-bit words, so that a
// date written out and read back sorts as the record stores it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tome {

// "mm-dd-yyyy" of a packed date: day bits 0-4, month bits 5-8, year-1980
// bits 9-15.
std::string FormatOrderDate(uint16_t packed);

// Packs "m/d/y" or "m-d-y" (a year not of four digits is in 2000's century);
// each field's leading number is taken leniently and wraps as a 16-bit word.
// Empty is 0, no date.
uint16_t ParseOrderDate(const std::string& text);

// The fields of a date text as ParseOrderDate splits them: at '-' and '/'.
std::vector<std::string> DateFields(const std::string& text);

// The sum of the three rotated words, unwrapped: the column list's sort key.
// ParseOrderDate keeps its low 16 bits.
int32_t DateSum(uint16_t month, uint16_t day, uint16_t yearsSince1980);

}  // namespace tome
