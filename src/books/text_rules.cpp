#include "text_rules.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tome {

double LenientNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    // Only sign, digits and a point reach strtod, so no locale or exponent surprises.
    return std::strtod(number.c_str(), nullptr);
}

int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);  // default rounding: ties to even
    if (rounded >= 9.2e18) return std::numeric_limits<int64_t>::max();
    if (rounded <= -9.2e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(rounded);
}

int64_t LenientInteger(const std::string& text) { return RoundHalfEven(LenientNumber(text)); }

std::string TrimBlanks(const std::string& text) { return std::string(TrimmedBlanks(text)); }

std::string_view TrimmedBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace tome
