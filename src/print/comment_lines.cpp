#include "print/comment_lines.h"

#include <algorithm>

namespace tome {

namespace {

constexpr char BreakCharacters[] = " ,;.-_";

// The leading characters of comment from start that fit the width. Only a
// growing window of the text is measured, so a long comment costs time in
// proportion to its length, not to its length squared.
std::string FitFrom(TextPrinter& printer, const std::string& comment, size_t start, double width) {
    for (size_t take = 256;; take *= 2) {
        const std::string window = comment.substr(start, take);
        std::string fitted = printer.FitString(window, width);
        if (fitted.size() < window.size() || start + window.size() >= comment.size()) return fitted;
    }
}

// Offset from start of the first CR LF whose CR fits or comes right after
// what fits: the line ends there, whatever break characters it holds.
size_t LineBreakIn(const std::string& comment, size_t start, size_t fitted) {
    for (size_t q = start; q <= start + fitted && q + 1 < comment.size(); ++q) {
        if (comment[q] == '\r' && comment[q + 1] == '\n') return q - start;
    }
    return std::string::npos;
}

}  // namespace

std::vector<std::string> CommentLines(TextPrinter& printer, const std::string& comment, double width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < comment.size()) {
        std::string piece = FitFrom(printer, comment, start, width);
        // Even when nothing fits, a CR LF right here is a line break and a
        // line takes one character.
        const size_t fitted = std::max<size_t>(piece.size(), 1);
        const size_t lineBreak = LineBreakIn(comment, start, fitted);
        size_t next;
        if (lineBreak != std::string::npos) {
            piece = comment.substr(start, lineBreak);
            next = start + lineBreak + 2;
        } else {
            piece = comment.substr(start, fitted);
            if (start + piece.size() < comment.size()) {
                const size_t p = piece.find_last_of(BreakCharacters);
                if (p != std::string::npos) piece.resize(p + 1);
            }
            next = start + piece.size();
        }
        lines.push_back(piece);
        start = next;
    }
    return lines;
}

}  // namespace tome
