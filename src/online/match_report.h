#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"

namespace online {

// A run of the report's text drawn in one colour.
struct ColoredSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    core::Color color = 0;
    bool operator==(const ColoredSpan&) const = default;
};

// The Text Replace pane's report of the current match. The spans are to be applied in order,
// each over the ones before it: the whole text grey, every occurrence of the searched text red,
// the labels black.
struct MatchReport {
    std::string text;
    std::vector<ColoredSpan> spans;
};

constexpr core::Color kReportTextColor = core::MakeColor(50, 50, 50);
constexpr core::Color kReportMatchColor = core::MakeColor(218, 32, 0);
constexpr core::Color kReportLabelColor = core::MakeColor(0, 0, 0);

struct MatchFacts {
    std::string_view title;
    std::string_view column;
    int row = 0;  // counted from 1
    std::string_view cell;
    std::string_view what;
    bool match_case = false;
    bool docked = false;  // a docked pane shortens titles longer than 17 characters
};

// "Record:\t<title>\nColumn:\t<name>\nRow:\t<n>\n\nCurrent Value:\n<value with line breaks>".
MatchReport BuildMatchReport(const MatchFacts& facts);

// A report of plain text in the report's colour ("3 records updated.").
MatchReport PlainReport(std::string text);

}  // namespace online
