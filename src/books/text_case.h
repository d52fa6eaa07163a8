// Windows-1252 case folding with the program's own tables, so the order of
// books and the Find match do not depend on the platform's locale.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tome {

using CaseTable = std::array<uint8_t, 256>;

// Byte-for-byte what CharLowerBuffA / CharUpperBuffA give in code page 1252.
const CaseTable& LowerAnsiTable();
const CaseTable& UpperAnsiTable();

inline char LowerAnsiChar(char c) { return static_cast<char>(LowerAnsiTable()[static_cast<uint8_t>(c)]); }
inline char UpperAnsiChar(char c) { return static_cast<char>(UpperAnsiTable()[static_cast<uint8_t>(c)]); }

std::string LowerAnsi(std::string text);
std::string UpperAnsi(std::string text);

}  // namespace tome
