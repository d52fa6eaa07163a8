// Small text rules shared by the core: lenient numbers and blank trimming.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tome {

// The leading number of a text: leading blanks skipped, then an optional sign,
// digits and one decimal point. Text that does not start with a number is 0.
double LenientNumber(const std::string& text);

// Nearest integer, halves to the even neighbour; saturates at the int64 range.
int64_t RoundHalfEven(double value);

// LenientNumber rounded half to even.
int64_t LenientInteger(const std::string& text);

// Removes blanks (character 32 only) from both ends.
std::string TrimBlanks(const std::string& text);
std::string_view TrimmedBlanks(std::string_view text);

// The part of a path after its last "\" or "/" (the whole path when it has neither).
std::string FileNameOf(const std::string& path);

}  // namespace tome
