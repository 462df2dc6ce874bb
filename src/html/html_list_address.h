#pragma once

#include <string>
#include <string_view>

#include "core/dates.h"

// Web addresses of HTML lists and the local names their downloads are stored under.
namespace html {

// True when the text holds an "http://" or "https://" address (either in lower or upper case).
bool IsWebAddress(std::string_view text);

// The plain file name a downloaded page is stored under inside the download folder: the last
// segment of the address's path (without query or fragment) reduced to letters, digits, ".",
// "-" and "_"; "index.html" when nothing usable is left (an empty segment, "." or ".."). The
// name can never lead out of the folder.
std::string DownloadFileNameOf(std::string_view address);

// The address actually requested: the typed one with "t=" and the current Key in its query, so
// that no cache along the way answers with an older copy.
std::string RequestAddressOf(std::string_view address, const core::Clock& clock);

}  // namespace html
