// Windows-1252 text to and from UTF-8, exactly and for every byte: the five
// bytes 1252 leaves undefined (81 8D 8F 90 9D) stand for the C1 controls of
// the same number, so a book file's texts survive any round trip.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

// The UTF-16 code unit of one byte (every 1252 character is in the BMP).
uint16_t Utf16FromCp1252(uint8_t byte);

std::string Utf8FromCp1252(const std::string& bytes);

// The byte that stands for a code point; false when Windows-1252 has none.
bool Cp1252ByteOf(char32_t cp, uint8_t& byte);

// Appends the UTF-8 sequence of a code point (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// Decodes the UTF-8 sequence at pos strictly (no overlong forms, no
// surrogates, nothing past U+10FFFF) and moves pos past it.
bool NextUtf8CodePoint(const std::string& s, size_t& pos, char32_t& cp);

// Fails on malformed UTF-8 and on characters that Windows-1252 cannot hold;
// problem then names the character and its position (1-based, in characters).
bool Cp1252FromUtf8(const std::string& utf8, std::string& bytes, std::string& problem);

}  // namespace tome
