#include "order_date.h"

#include "text_rules.h"

namespace tome {

namespace {

uint16_t RotateLeft16(uint16_t v, int n) { return static_cast<uint16_t>((v << n) | (v >> (16 - n))); }
uint16_t RotateRight16(uint16_t v, int n) { return static_cast<uint16_t>((v >> n) | (v << (16 - n))); }

// The field's leading number, rounded, kept in 16 bits (wrapping like a word).
uint16_t Word(const std::string& field) { return static_cast<uint16_t>(LenientInteger(field)); }

}  // namespace

std::string FormatOrderDate(uint16_t packed) {
    const int day = packed & 31;
    const int month = (packed & 480) >> 5;
    const int year = (packed >> 9) + 1980;  // 1980 .. 2107: always four digits
    // Written by hand: every list fill formats one date per row, and a
    // general formatter costs a microsecond a call on some C libraries.
    const char text[10] = {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10), '-',
                           static_cast<char>('0' + day / 10),   static_cast<char>('0' + day % 10),   '-',
                           static_cast<char>('0' + year / 1000), static_cast<char>('0' + year / 100 % 10),
                           static_cast<char>('0' + year / 10 % 10), static_cast<char>('0' + year % 10)};
    return std::string(text, sizeof text);
}

std::vector<std::string> DateFields(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == '-' || c == '/') fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

int32_t DateSum(uint16_t month, uint16_t day, uint16_t yearsSince1980) {
    // Rotations rather than shifts: a year before 1980 wraps to the top of the range.
    return int32_t{RotateLeft16(month, 5)} + int32_t{RotateRight16(yearsSince1980, 7)} + int32_t{day};
}

uint16_t ParseOrderDate(const std::string& text) {
    if (text.empty()) return 0;
    const std::vector<std::string> fields = DateFields(text);
    const uint16_t month = Word(fields[0]);
    const uint16_t day = fields.size() > 1 ? Word(fields[1]) : 0;
    const std::string yearText = fields.size() > 2 ? fields[2] : std::string();
    uint16_t year = Word(yearText);
    if (yearText.size() != 4) year = static_cast<uint16_t>(year + 2000);
    return static_cast<uint16_t>(DateSum(month, day, static_cast<uint16_t>(year - 1980)));
}

}  // namespace tome
