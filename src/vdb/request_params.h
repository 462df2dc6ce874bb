#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "vdb/catalogue.h"

// The parameters of the wizard's requests, read with bounds: nothing a request says can make
// the service do unbounded work.
namespace vdb {

using Params = std::multimap<std::string, std::string>;  // as the HTTP library decodes them

constexpr std::size_t kMaxFindLength = 1023;  // the wizard's "Find" field holds no more
constexpr int kMaxPageSize = 50;
constexpr int kDefaultPageSize = 20;
constexpr std::int64_t kMaxStart = 1'000'000'000;
constexpr std::size_t kMaxRatedTitles = 100;

// The first value of a parameter, or empty.
std::string Param(const Params& params, const std::string& name);

// f, c, s, l, st and mc of a search. A page size is kept within 1 to kMaxPageSize, a start
// within 0 to kMaxStart. Fails, with `error` saying why, for a find text that is too long or a
// column or sort order the service does not know.
std::optional<Query> ParseListQuery(const Params& params, std::string& error);

// "vals": "<title>_IS_<year>_SEP_" repeated. A piece without "_IS_" is left out.
std::vector<RatedTitle> ParseRatedTitles(const std::string& vals);

}  // namespace vdb
