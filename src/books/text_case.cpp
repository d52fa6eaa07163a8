#include "text_case.h"

namespace tome {

namespace {

// Upper/lower pairs of code page 1252. Left out on purpose, because the
// Windows conversion through Unicode leaves them as they are: 0xDF (sharp s
// has no one-character capital in 1252), 0xB5 (micro sign; its capital is
// Greek), 0x83 (f with hook; its capital is not in 1252) and the signs 0xD7
// and 0xF7 between the accented letters.
struct CasePair {
    int upper;
    int lower;
};

constexpr CasePair ExtraPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

struct Tables {
    CaseTable lower{};
    CaseTable upper{};

    constexpr void Pair(int up, int low) {
        lower[static_cast<size_t>(up)] = static_cast<uint8_t>(low);
        upper[static_cast<size_t>(low)] = static_cast<uint8_t>(up);
    }
};

constexpr Tables MakeTables() {
    Tables t;
    for (int c = 0; c < 256; ++c) {
        t.lower[static_cast<size_t>(c)] = static_cast<uint8_t>(c);
        t.upper[static_cast<size_t>(c)] = static_cast<uint8_t>(c);
    }
    for (int c = 'A'; c <= 'Z'; ++c) t.Pair(c, c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) t.Pair(c, c + 0x20);
    }
    for (const CasePair& p : ExtraPairs) t.Pair(p.upper, p.lower);
    return t;
}

// Built at compile time: no start-up order or first-use guard in hot loops.
constexpr Tables tables = MakeTables();

std::string Mapped(std::string text, const CaseTable& table) {
    for (char& c : text) c = static_cast<char>(table[static_cast<uint8_t>(c)]);
    return text;
}

}  // namespace

const CaseTable& LowerAnsiTable() { return tables.lower; }
const CaseTable& UpperAnsiTable() { return tables.upper; }

std::string LowerAnsi(std::string text) { return Mapped(std::move(text), tables.lower); }
std::string UpperAnsi(std::string text) { return Mapped(std::move(text), tables.upper); }

}  // namespace tome
