// Reading a JSON document safely for tomebook build, and showing parts of it
// in messages.
#pragma once

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

namespace tome {

using Json = nlohmann::json;

// A book document nests three levels; anything far deeper is not one, and is
// refused before the document is built.
constexpr size_t MaxJsonNesting = 256;

// Parses text into doc. Refused, with reason set: text that is not JSON,
// nesting deeper than MaxJsonNesting, and a key repeated in one object (which
// the library would otherwise settle silently by keeping one of the values).
bool ParseDocument(const std::string& text, Json& doc, std::string& reason);

// A value as a message shows it: at most about 40 characters, and of an
// array or object only its first members, nested ones shown as [...] or {...}.
std::string Quote(const Json& v);

}  // namespace tome
