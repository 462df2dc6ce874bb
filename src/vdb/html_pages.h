#pragma once

#include <string>
#include <string_view>

#include "vdb/catalogue.h"

// The service's HTML pages. Every stored or requested text on them is HTML-escaped.
namespace vdb {

std::string HtmlEscape(std::string_view text);

// A complete page around a body.
std::string Page(std::string_view title, std::string_view body);

// One title with its cover (at `image_base` + folder + "/" + file), its texts and its users'
// average rating.
std::string PreviewPage(const Title& title, std::string_view image_base);

// Shown by the wizard while a request runs, and when nothing is previewed.
std::string SearchInProgressPage();
std::string IdlePage();

// A list of titles linked to their previews, for the pages people open in a browser.
std::string TitleTable(const SearchPage& page);

std::string HomePage(std::int64_t title_count);
// The search form, filled with the last search, and its results when there was a search.
std::string BrowserSearchPage(std::string_view find, std::string_view look_in,
                              const SearchPage* results);
std::string GuidePage();
std::string UpgradePage();
std::string FeedbackPage(std::string_view product, std::string_view topic, std::string_view system,
                         std::string_view memory);
// A short page with a heading and one paragraph (thanks, errors, not found).
std::string MessagePage(std::string_view heading, std::string_view text);

}  // namespace vdb
