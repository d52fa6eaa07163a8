// How a new book's author and title are written before they are stored.
#pragma once

#include <string>

namespace tome {

// Surname-comma-given-names form of a name already trimmed of blanks:
// "john q smith" -> "Smith, John Q", "smith,  john" -> "Smith, John",
// "mcbain, ed" -> "McBain, Ed". A name of only commas and blanks gives ", ".
std::string NormaliseAuthorName(const std::string& name);

// Capitalises every word except minor words after the first:
// "the name of the rose" -> "The Name of the Rose".
std::string NormaliseTitle(const std::string& title);

}  // namespace tome
