// The text of an imported CSV file: which encoding it is in, and how its
// cells become the Windows-1252 bytes a book file stores.
#pragma once

#include <cstdint>
#include <string>

namespace tome {

enum class TextEncoding { Utf8, Utf8WithBom, Utf16, Cp1252 };

struct PreparedText {
    std::string text;  // UTF-8, or Windows-1252 bytes when encoding says so; no BOM
    TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-8 with or without a BOM is taken as it is, UTF-16 with a BOM (as some
// spreadsheets save "Unicode text") is turned into UTF-8, and anything that
// is not valid UTF-8 is read as Windows-1252.
PreparedText PrepareText(std::string bytes);

const char* EncodingName(TextEncoding encoding);

// The separator of a text's first line: tab, else comma, else semicolon.
char GuessDelimiter(const std::string& text);

// A cell of such a text as UTF-8.
std::string CellAsUtf8(const std::string& cell, TextEncoding encoding);

// Characters that Windows-1252 cannot hold, replaced by a stand-in.
struct Replacements {
    int64_t count = 0;
    std::string first;  // the first one replaced, as U+XXXX
};

constexpr char StandIn = '?';

// UTF-8 to Windows-1252, each character that 1252 lacks becoming StandIn and
// counted. Malformed sequences (which PrepareText never lets through) are
// replaced the same way.
std::string Cp1252WithStandIns(const std::string& utf8, Replacements& replaced);

// Entities (&amp;, &#8217;, &#x2019; ...) and <br/> line breaks of the
// reviews reading sites export, as plain UTF-8 text with CR LF breaks.
std::string TextFromHtml(const std::string& utf8);

// Every line break (LF, CR or CR LF) as CR LF, as the book dialog keeps them.
std::string WithCrLf(const std::string& text);

}  // namespace tome
