#include "online/match_report.h"

#include "online/text_matcher.h"

namespace online {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

// The first `count` characters (UTF-8 sequences are kept whole) and "...", when the text has
// more than `limit` characters.
std::string Shortened(std::string_view text, std::size_t limit, std::size_t count) {
    std::size_t characters = 0;
    std::size_t cut = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (characters == count) cut = i;
        ++characters;
    }
    if (characters <= limit) return std::string(text);
    return std::string(text.substr(0, cut)) + "...";
}

}  // namespace

MatchReport BuildMatchReport(const MatchFacts& facts) {
    MatchReport report;
    const std::string title =
        facts.docked ? Shortened(facts.title, 17, 14) : std::string(facts.title);
    report.text = "Record:\t" + title + "\nColumn:\t" + std::string(facts.column) + "\nRow:\t" +
                  std::to_string(facts.row) + "\n\nCurrent Value:\n" +
                  core::DecodeLineBreaks(std::string(facts.cell));
    report.spans.push_back({0, report.text.size(), kReportTextColor});

    const TextMatcher what(facts.what, facts.match_case, false);
    if (what.size() > 0) {
        for (std::size_t found = what.Find(report.text); found != std::string::npos;
             found = what.Find(report.text, found + what.size())) {
            report.spans.push_back({found, what.size(), kReportMatchColor});
        }
    }
    for (std::string_view label : {"Record:", "Column:", "Row:", "Current Value:"}) {
        const std::size_t found = report.text.find(label);
        if (found != std::string::npos)
            report.spans.push_back({found, label.size(), kReportLabelColor});
    }
    return report;
}

MatchReport PlainReport(std::string text) {
    MatchReport report;
    report.text = std::move(text);
    report.spans.push_back({0, report.text.size(), kReportTextColor});
    return report;
}

}  // namespace online
