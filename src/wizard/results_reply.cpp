#include "wizard/results_reply.h"

#include <cerrno>
#include <fstream>
#include <limits>
#include <string_view>

#include "core/line_reader.h"
#include "core/paths.h"

namespace wizard {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A count of any length: values beyond the range are held at its end.
std::int64_t CountOf(std::string_view digits) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return kMax;
        value = value * 10 + digit;
    }
    return value;
}

// A cell holds no line break or other control byte; a damaged reply must not put one there.
std::string Cleaned(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = ' ';
    }
    return out;
}

ResultRow RowOf(std::string_view line, bool& short_line) {
    ResultRow row;
    std::size_t begin = 0;
    int field = 0;
    for (; field < kResultFieldCount; ++field) {
        const std::size_t bar = line.find('|', begin);
        const std::size_t end = bar == std::string_view::npos ? line.size() : bar;
        row.fields[static_cast<std::size_t>(field)] = Cleaned(line.substr(begin, end - begin));
        if (bar == std::string_view::npos) break;
        begin = bar + 1;
    }
    short_line = field < kResultFieldCount - 1;
    return row;
}

}  // namespace

ResultsReply ParseResults(std::istream& in) {
    ResultsReply reply;
    core::LineReader lines(in);
    std::string_view line;
    bool first = true;
    while (lines.Next(line)) {
        if (first) {
            first = false;
            if (AllDigits(Trimmed(line))) {
                reply.total = CountOf(Trimmed(line));
                continue;
            }
            reply.total_missing = true;
        }
        // A line without a field separator is no result (an error page, a stray message).
        if (line.find('|') == std::string_view::npos) {
            if (!Trimmed(line).empty()) ++reply.other_lines;
            continue;
        }
        bool short_line = false;
        reply.rows.push_back(RowOf(line, short_line));
        if (short_line) ++reply.short_lines;
    }
    if (reply.total_missing) reply.total = static_cast<std::int64_t>(reply.rows.size());
    return reply;
}

core::FileResult ReadResultsFile(const std::string& path, ResultsReply& reply) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    reply = ParseResults(in);
    return core::FileResult::Success(static_cast<std::int64_t>(reply.rows.size()));
}

bool HasCover(const ResultRow& row) {
    const std::string& folder = row[kImageFolder];
    if (!AllDigits(folder)) return false;
    return folder.find_first_not_of('0') != std::string::npos;
}

}  // namespace wizard
