#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "core/file_result.h"

// The service's reply to a search: the total number of matches on the first line, then one line
// per result with thirteen fields separated by "|".
namespace wizard {

enum ResultField {
    kId = 0,
    kYear,
    kTitle,
    kDuration,
    kMpaa,
    kCast,
    kDirector,
    kProducer,
    kWriter,
    kCategory,
    kSynopsis,
    kImageFolder,
    kImageFile,
    kResultFieldCount
};

struct ResultRow {
    std::array<std::string, kResultFieldCount> fields;
    const std::string& operator[](ResultField field) const { return fields[field]; }
    std::string& operator[](ResultField field) { return fields[field]; }
};

// A reply as far as it could be read. Lines are read whole whatever their length; a line with
// fewer fields has the missing ones empty; control bytes become blanks; a line without any "|"
// is no result. When the first line is not a number the total is the number of results read.
struct ResultsReply {
    std::int64_t total = 0;
    std::vector<ResultRow> rows;
    bool total_missing = false;
    int short_lines = 0;  // result lines with fewer than thirteen fields
    int other_lines = 0;  // lines that are neither the total nor a result

    // No match at all: a total of 0 and no result line.
    bool Empty() const { return total == 0 && rows.empty(); }
};

ResultsReply ParseResults(std::istream& in);
// Reads the results file; -1 with the path and the reason when it cannot be opened.
core::FileResult ReadResultsFile(const std::string& path, ResultsReply& reply);

// True when the result has a cover: its image folder is a number other than 0.
bool HasCover(const ResultRow& row);

}  // namespace wizard
