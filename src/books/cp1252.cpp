#include "books/cp1252.h"

#include <cstdint>
#include <cstdio>

namespace tome {
namespace {

// Code points of bytes 80..9F; the undefined five keep their own number.
constexpr char32_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(uint8_t byte) { return byte >= 0x80 && byte <= 0x9F ? High[byte - 0x80] : byte; }

}  // namespace

bool Cp1252ByteOf(char32_t cp, uint8_t& byte) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        byte = static_cast<uint8_t>(cp);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (High[i] == cp) {
            byte = static_cast<uint8_t>(0x80 + i);
            return true;
        }
    }
    return false;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool NextUtf8CodePoint(const std::string& s, size_t& pos, char32_t& cp) {
    const auto at = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    const uint8_t lead = at(pos);
    size_t extra;
    char32_t least;
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (s.size() - pos <= extra) return false;
    for (size_t i = 1; i <= extra; ++i) {
        const uint8_t b = at(pos + i);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    pos += extra + 1;
    return true;
}

uint16_t Utf16FromCp1252(uint8_t byte) { return static_cast<uint16_t>(CodePointOf(byte)); }

std::string Utf8FromCp1252(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<uint8_t>(c)));
    return out;
}

bool Cp1252FromUtf8(const std::string& utf8, std::string& bytes, std::string& problem) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    for (size_t character = 1; pos < utf8.size(); ++character) {
        char32_t cp;
        if (!NextUtf8CodePoint(utf8, pos, cp)) {
            problem = "malformed UTF-8 at character " + std::to_string(character);
            return false;
        }
        uint8_t byte;
        if (!Cp1252ByteOf(cp, byte)) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
            problem = "character " + std::to_string(character) + " (" + name + ") is not in Windows-1252";
            return false;
        }
        out += static_cast<char>(byte);
    }
    bytes = std::move(out);
    return true;
}

}  // namespace tome
