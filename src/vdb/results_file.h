#pragma once

#include <string>
#include <string_view>

#include "vdb/catalogue.h"

// The reply to a wizard's search: the total number of matches on the first line, then one line
// per title of the page with thirteen fields separated by "|":
//   id|year|title|duration|mpaa|cast|director|producer|writer|category|synopsis|folder|file
// A stored text can never break the layout: "|" becomes "/", line breaks in the synopsis become
// "~" (the catalogue's way of keeping them) and elsewhere a blank, other control bytes a blank.
namespace vdb {

std::string ResultsFile(const SearchPage& page);

// One field made safe for a results line.
std::string ResultField(std::string_view text, bool keep_line_breaks_as_tilde = false);

}  // namespace vdb
