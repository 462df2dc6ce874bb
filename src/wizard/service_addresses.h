#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The addresses of the online video database service that the import wizard asks.
namespace wizard {

// The longest request address sent. The service's HTTP layer refuses request lines beyond 8 kB;
// an address that would be longer is refused here with a message rather than cut.
constexpr std::size_t kMaxAddressLength = 8000;

// Paths under the service's base address.
constexpr std::string_view kListPath = "rd/1.0/action/list.pl?";
constexpr std::string_view kPreviewPath = "rd/1.0/action/preview.pl?v=";
constexpr std::string_view kAdvisePath = "rd/1.0/action/advise.pl?";
constexpr std::string_view kRatePath = "rd/1.0/action/rate_videos.pl?";
constexpr std::string_view kInProgressPage = "rd/1.0/vidwiz/sip.html";
constexpr std::string_view kIdlePage = "rd/1.0/vidwiz/sipidle.html";

// A text made safe for a query value: every byte but letters, digits and "-_.~" becomes "%XX",
// so "&", "#", "+", "=" and blanks in a title cannot cut or change the query.
std::string PercentEncode(std::string_view text);

// The base address and a path joined by exactly one "/".
std::string ServiceAddress(std::string_view base, std::string_view path);

// What the search form sends.
struct QueryForm {
    std::string find;
    std::string look_in;
    std::string sort_by;
    int list_count = 20;
    bool match_case = false;
};

// An address, or why none could be built.
struct Address {
    std::string text;
    std::string error;  // empty when `text` is the address
    bool ok() const { return error.empty(); }
};

// The search query for a page starting at `start` (0-based).
Address QueryAddress(std::string_view base, const QueryForm& form, std::int64_t start);
// The preview page of one result; `now` keeps a cache from serving an old page.
std::string PreviewAddress(std::string_view base, std::string_view id, std::int64_t now);
// The report of a title that was not found; none when either text is empty.
Address AdviseAddress(std::string_view base, std::string_view find, std::string_view look_in);
// A star rating for the titles of a value list ("<title>_IS_<year>_SEP_" …).
Address RatingAddress(std::string_view base, std::string_view values, int stars);
// Where a result's cover is: the image base address, the folder, "/" and the file name, the
// last two encoded so that they stay two path segments.
std::string CoverAddress(std::string_view image_base, std::string_view folder,
                         std::string_view file);

}  // namespace wizard
