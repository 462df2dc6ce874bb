#include "vdb/request_params.h"

#include <algorithm>

#include "core/text.h"

namespace vdb {
namespace {

bool StartsWithDigit(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

}  // namespace

std::string Param(const Params& params, const std::string& name) {
    const auto found = params.find(name);
    return found == params.end() ? std::string() : found->second;
}

std::optional<Query> ParseListQuery(const Params& params, std::string& error) {
    Query query;
    query.find = Param(params, "f");
    if (query.find.size() > kMaxFindLength) {
        error = "The search text is longer than " + std::to_string(kMaxFindLength) + " bytes.";
        return std::nullopt;
    }
    if (!ParseLookIn(Param(params, "c"), query.look_in)) {
        error = "The service cannot search in that column.";
        return std::nullopt;
    }
    const std::optional<SortOrder> sort = ParseSortOrder(Param(params, "s"));
    if (!sort) {
        error = "The service cannot sort by that choice.";
        return std::nullopt;
    }
    query.sort = *sort;
    query.match_case = Param(params, "mc") == "1";

    const std::string count = Param(params, "l");
    if (StartsWithDigit(count)) {
        query.count =
            static_cast<int>(std::clamp<long long>(core::ParseLeadingLong(count), 1, kMaxPageSize));
    }
    const std::string start = Param(params, "st");
    if (StartsWithDigit(start)) {
        query.start = std::clamp<long long>(core::ParseLeadingLong(start), 0, kMaxStart);
    }
    return query;
}

std::vector<RatedTitle> ParseRatedTitles(const std::string& vals) {
    constexpr std::string_view kSeparator = "_SEP_";
    constexpr std::string_view kIs = "_IS_";
    std::vector<RatedTitle> titles;
    std::size_t begin = 0;
    while (begin < vals.size() && titles.size() < kMaxRatedTitles) {
        std::size_t end = vals.find(kSeparator, begin);
        if (end == std::string::npos) end = vals.size();
        const std::string_view piece = std::string_view(vals).substr(begin, end - begin);
        // The year is the part after the last "_IS_", so a title may hold "_IS_" itself.
        const std::size_t is = piece.rfind(kIs);
        if (is != std::string_view::npos && is > 0) {
            titles.push_back(
                {std::string(piece.substr(0, is)), std::string(piece.substr(is + kIs.size()))});
        }
        begin = end + kSeparator.size();
    }
    return titles;
}

}  // namespace vdb
