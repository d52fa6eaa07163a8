#include "tools/json_document.h"

#include <algorithm>
#include <vector>

namespace tome {
namespace {

constexpr size_t QuoteLength = 40;

// One pass over the text before it becomes a document: it stops at the first
// syntax error or at too deep a nesting, and notes the first repeated key.
class DocumentCheck : public nlohmann::json_sax<Json> {
public:
    std::string repeated;
    std::string syntaxError;
    bool tooDeep = false;

    bool start_object(std::size_t) override {
        starts_.push_back(keys_.size());
        return Enter();
    }
    bool key(string_t& k) override {
        const auto from = keys_.begin() + static_cast<std::ptrdiff_t>(starts_.back());
        if (repeated.empty() && std::find(from, keys_.end(), k) != keys_.end()) repeated = k;
        keys_.push_back(k);
        return true;
    }
    bool end_object() override {
        keys_.resize(starts_.back());
        starts_.pop_back();
        --depth_;
        return true;
    }
    bool start_array(std::size_t) override { return Enter(); }
    bool end_array() override {
        --depth_;
        return true;
    }
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
        syntaxError = e.what();
        return false;
    }

private:
    bool Enter() {
        tooDeep = ++depth_ > MaxJsonNesting;
        return !tooDeep;
    }

    size_t depth_ = 0;
    std::vector<std::string> keys_;  // keys of the open objects, innermost last
    std::vector<size_t> starts_;     // where each open object's keys begin
};

std::string NotJson(std::string what) {
    const size_t bracket = what.find("] ");  // the library's "[json.exception...] " prefix
    if (bracket != std::string::npos) what.erase(0, bracket + 2);
    return "it is not valid JSON: " + what;
}

std::string Dumped(const Json& v) { return v.dump(-1, ' ', false, Json::error_handler_t::replace); }

// A member as a flat excerpt shows it: containers by their brackets only,
// strings by their beginning.
std::string Flat(const Json& v) {
    if (v.is_array()) return v.empty() ? "[]" : "[...]";
    if (v.is_object()) return v.empty() ? "{}" : "{...}";
    if (v.is_string() && v.get_ref<const std::string&>().size() > QuoteLength) {
        return Dumped(Json(v.get_ref<const std::string&>().substr(0, QuoteLength)));
    }
    return Dumped(v);
}

std::string Shortened(std::string s) {
    if (s.size() > QuoteLength) {
        size_t cut = QuoteLength - 3;
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
        s = s.substr(0, cut) + "...";
    }
    return s;
}

}  // namespace

bool ParseDocument(const std::string& text, Json& doc, std::string& reason) {
    DocumentCheck check;
    const bool whole = Json::sax_parse(text, &check);
    if (check.tooDeep) {
        reason = "it nests arrays and objects more than " + std::to_string(MaxJsonNesting) + " levels deep";
        return false;
    }
    if (!whole) {
        reason = NotJson(check.syntaxError);
        return false;
    }
    if (!check.repeated.empty()) {
        reason = "the key " + Quote(Json(check.repeated)) + " appears twice in one object";
        return false;
    }
    try {
        doc = Json::parse(text);
    } catch (const Json::exception& e) {
        reason = NotJson(e.what());
        return false;
    }
    return true;
}

std::string Quote(const Json& v) {
    if (!v.is_structured()) return Shortened(Flat(v));
    const bool array = v.is_array();
    std::string s = array ? "[" : "{";
    for (auto it = v.begin(); it != v.end() && s.size() <= QuoteLength; ++it) {
        if (it != v.begin()) s += ',';
        if (!array) s += Flat(Json(it.key())) + ':';
        s += Flat(*it);
    }
    s += array ? ']' : '}';
    return Shortened(s);
}

}  // namespace tome
