#include "normalise.h"

#include <vector>

#include "text_case.h"
#include "text_rules.h"

namespace tome {

namespace {

// A word stays lower-case when it occurs anywhere inside this text, so
// fragments like "he" or "wit" stay too, while "The" (capital) does not.
const char MinorWords[] = "the,an,a,on,of,to,for,with,as,by,in, so";

void CapitaliseFirst(std::string& word) {
    if (!word.empty()) word[0] = UpperAnsiChar(word[0]);
}

std::string JoinedWithBlanks(std::vector<std::string>::const_iterator first,
                             std::vector<std::string>::const_iterator last) {
    std::string text;
    for (auto it = first; it != last; ++it) {
        if (it != first) text += ' ';
        text += *it;
    }
    return text;
}

}  // namespace

std::string NormaliseAuthorName(const std::string& name) {
    if (name.empty()) return std::string();

    bool hasComma = false;
    std::vector<std::string> fields;
    std::string field;
    for (char c : name) {
        if (c == ',' || c == ' ') {
            hasComma = hasComma || c == ',';
            if (!field.empty()) fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty()) fields.push_back(std::move(field));
    for (std::string& f : fields) CapitaliseFirst(f);

    std::string result;
    if (fields.empty()) {
        result = ", ";
    } else if (fields.size() == 1) {
        result = fields[0];
    } else if (hasComma) {
        result = fields.front() + ", " + JoinedWithBlanks(fields.begin() + 1, fields.end());
    } else {
        // Without a comma the last word is the surname.
        result = fields.back() + ", " + JoinedWithBlanks(fields.begin(), fields.end() - 1);
    }

    if (result.size() > 2 && result.compare(0, 2, "Mc") == 0) result[2] = UpperAnsiChar(result[2]);
    if (result.size() > 3 && result.compare(0, 3, "Mac") == 0) result[3] = UpperAnsiChar(result[3]);
    return result;
}

std::string NormaliseTitle(const std::string& title) {
    const std::string minor = MinorWords;
    std::string joined;
    joined.reserve(title.size() + 1);
    size_t start = 0;
    bool first = true;
    while (true) {
        const size_t blank = title.find(' ', start);
        std::string word = title.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        if (first || minor.find(word) == std::string::npos) CapitaliseFirst(word);
        joined += word;
        joined += ' ';
        first = false;
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    return TrimBlanks(joined);
}

}  // namespace tome
