#include "tools/csv_text.h"

#include <cstdio>
#include <cstring>

#include "books/cp1252.h"

namespace tome {
namespace {

bool IsUtf8(const std::string& text) {
    size_t pos = 0;
    char32_t cp;
    while (pos < text.size()) {
        if (static_cast<uint8_t>(text[pos]) < 0x80) {
            ++pos;  // most of a CSV file is ASCII
        } else if (!NextUtf8CodePoint(text, pos, cp)) {
            return false;
        }
    }
    return true;
}

// UTF-16 after its BOM; an unpaired surrogate or an odd last byte becomes U+FFFD
// so that it is counted as replaced later rather than lost.
std::string Utf8FromUtf16(const std::string& bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    const auto unit = [&](size_t i) {
        const auto a = static_cast<uint8_t>(bytes[i]), b = static_cast<uint8_t>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    if (i < bytes.size()) AppendUtf8(out, 0xFFFD);
    return out;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

struct Entity {
    const char* name;
    char32_t cp;
};
constexpr Entity Entities[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", ' '},     {"hellip", 0x2026}, {"mdash", 0x2014}, {"ndash", 0x2013}, {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
};

// The character of the entity at text[pos] ('&'), and its length; 0 when
// there is no entity there, so the '&' stays as written.
size_t EntityAt(const std::string& text, size_t pos, char32_t& cp) {
    const size_t semi = text.find(';', pos);
    if (semi == std::string::npos || semi - pos > 10) return 0;
    const std::string name = text.substr(pos + 1, semi - pos - 1);
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                                  std::string::npos) {
            return 0;
        }
        cp = static_cast<char32_t>(std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10));
        if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        return semi - pos + 1;
    }
    for (const Entity& e : Entities) {
        if (name == e.name) {
            cp = e.cp;
            return semi - pos + 1;
        }
    }
    return 0;
}

// Length of a <br>, <br/> or <br /> tag at text[pos], any case; 0 otherwise.
size_t LineBreakTagAt(const std::string& text, size_t pos) {
    if (text.size() - pos < 4 || (text[pos + 1] != 'b' && text[pos + 1] != 'B') ||
        (text[pos + 2] != 'r' && text[pos + 2] != 'R')) {
        return 0;
    }
    size_t i = pos + 3;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '/') ++i;
    return i < text.size() && text[i] == '>' ? i - pos + 1 : 0;
}

}  // namespace

PreparedText PrepareText(std::string bytes) {
    PreparedText prepared;
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        prepared.text = bytes.substr(3);
        // A BOM that lies about the rest is not believed.
        prepared.encoding = IsUtf8(prepared.text) ? TextEncoding::Utf8WithBom : TextEncoding::Cp1252;
    } else if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        prepared.text = Utf8FromUtf16(bytes, bytes[0] == '\xFE');
        prepared.encoding = TextEncoding::Utf16;
    } else {
        prepared.encoding = IsUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1252;
        prepared.text = std::move(bytes);
    }
    return prepared;
}

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8: return "UTF-8";
        case TextEncoding::Utf8WithBom: return "UTF-8 with BOM";
        case TextEncoding::Utf16: return "UTF-16";
        case TextEncoding::Cp1252: return "Windows-1252";
    }
    return "";
}

char GuessDelimiter(const std::string& text) {
    const std::string first = text.substr(0, text.find_first_of("\r\n"));
    if (first.find('\t') != std::string::npos) return '\t';
    if (first.find(',') == std::string::npos && first.find(';') != std::string::npos) return ';';
    return ',';
}

std::string CellAsUtf8(const std::string& cell, TextEncoding encoding) {
    return encoding == TextEncoding::Cp1252 ? Utf8FromCp1252(cell) : cell;
}

std::string Cp1252WithStandIns(const std::string& utf8, Replacements& replaced) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        uint8_t byte;
        const size_t at = pos;
        if (static_cast<uint8_t>(utf8[pos]) < 0x80) {
            out += utf8[pos++];
            continue;
        }
        if (!NextUtf8CodePoint(utf8, pos, cp)) {
            pos = at + 1;
            cp = 0xFFFD;
        } else if (Cp1252ByteOf(cp, byte)) {
            out += static_cast<char>(byte);
            continue;
        }
        if (replaced.count++ == 0) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
            replaced.first = name;
        }
        out += StandIn;
    }
    return out;
}

std::string TextFromHtml(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t cp;
        size_t length = 0;
        if (utf8[pos] == '&' && (length = EntityAt(utf8, pos, cp)) != 0) {
            AppendUtf8(out, cp);
        } else if (utf8[pos] == '<' && (length = LineBreakTagAt(utf8, pos)) != 0) {
            out += "\r\n";
        } else {
            out += utf8[pos];
            length = 1;
        }
        pos += length;
    }
    return out;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace tome
