#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace imports {

// The text with spaces, tabs and line breaks cut from both ends.
std::string Trimmed(std::string_view text);

// The value of an element as one cell: its text, or, when it holds a list of elements, the
// first text of each list element joined with ", ". Both programs write lists that way: a
// plain list (<genres><genre>Drama</genre>...) or a table whose first column is the name
// (<cast><column>Name</column><column>Role</column>... or <line><col>Name</col>...).
std::string CellOf(const pugi::xml_node& element);

// True for the ways both programs write a ticked check box.
bool IsTicked(std::string_view value);

// "broken XML at byte N (what the parser found)" for a failed parse.
std::string BrokenXmlReason(const pugi::xml_parse_result& result);

}  // namespace imports
