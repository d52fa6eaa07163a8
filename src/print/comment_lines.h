// Breaking a book's source/comments text into printed lines.
#pragma once

#include <string>
#include <vector>

#include "print/text_printer.h"

namespace tome {

// The comment's lines at most width inches wide in the printer's font. A
// line ends at a CR LF whose CR fits or directly follows what fits (the pair
// is not printed); otherwise, when more text follows, after the last of
// " ,;.-_" that fits, or where the width runs out. A line takes at least one
// character, so the text always advances. Joined again with the CR LFs they
// ended at, the lines are the comment.
std::vector<std::string> CommentLines(TextPrinter& printer, const std::string& comment, double width);

}  // namespace tome
