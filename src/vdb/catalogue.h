#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "vdb/columns.h"

// The titles the service offers, their covers, ratings and the requests users leave behind.
// The HTTP layer sees only this interface, so that the storage can change (SQLite today, a
// database server tomorrow) without touching it.
namespace vdb {

// The texts of one title, as stored (they may hold any bytes, "|" and line breaks included).
struct TitleText {
    std::string year;
    std::string title;
    std::string duration;  // "hh:mm:ss", or empty when unknown
    std::string mpaa;
    std::string cast;
    std::string director;
    std::string producer;
    std::string writer;
    std::string category;
    std::string synopsis;
};

// A cover picture as stored: its bytes and the extension it is served under.
struct Cover {
    std::string bytes;
    std::string extension;  // "jpg", "gif" or "bmp"
};

struct NewTitle {
    TitleText text;
    std::optional<Cover> cover;  // none: the service draws a poster
};

struct Title {
    std::int64_t id = 0;
    TitleText text;
    std::string cover_extension;  // of the stored cover; empty when the poster is drawn
    std::int64_t rating_sum = 0;
    std::int64_t rating_count = 0;
};

struct Query {
    std::string find;               // empty matches every title
    std::optional<Column> look_in;  // none: every column
    SortOrder sort = SortOrder::kTitle;
    bool match_case = false;
    int count = 20;          // page size
    std::int64_t start = 0;  // index of the first title of the page
};

struct SearchPage {
    std::int64_t total = 0;  // every match, not only this page
    std::vector<Title> titles;
};

// A title and year as a rating names them.
struct RatedTitle {
    std::string title;
    std::string year;
};

struct ImportCount {
    std::int64_t added = 0;
    std::int64_t already_present = 0;  // same title (ignoring case) and year
};

class Catalogue {
  public:
    virtual ~Catalogue() = default;

    virtual SearchPage Search(const Query& query) = 0;
    virtual std::optional<Title> Get(std::int64_t id) = 0;
    virtual std::optional<Cover> CoverOf(std::int64_t id) = 0;
    virtual std::int64_t TitleCount() = 0;

    // Adds the titles not yet present, all or none: throws CatalogueError on failure.
    virtual ImportCount Add(const std::vector<NewTitle>& titles) = 0;
    // Records `stars` (1 to 5) for each named title found; returns how many were found.
    virtual int Rate(const std::vector<RatedTitle>& titles, int stars) = 0;
    // Keeps a user's report of a title that was not found.
    virtual void Advise(std::string_view find, std::string_view look_in) = 0;
    virtual void AddFeedback(std::string_view topic, std::string_view message) = 0;
};

// A storage failure, with the database's own reason.
class CatalogueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace vdb
