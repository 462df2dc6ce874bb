#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/file_result.h"
#include "core/video_list.h"
#include "imports/foreign_table.h"
#include "imports/source_files.h"

// CSV files (RFC 4180): fields separated by commas, records by line ends (CRLF or LF); a field
// in double quotes may hold commas, line breaks and doubled quotes. Text is UTF-8, with or
// without a byte-order mark. The first record names the columns.
namespace imports {

// Calls `record` with the fields of each record of CSV text, the column names first; empty lines
// are skipped. The views live during the call; returning false stops the reading. Fails with
// "line N: ..." for a quote that is never closed or text after a closing quote, and for a text
// without records. Returns the number of records (with the names).
core::FileResult ForEachCsvRecord(
    std::string_view text, const std::function<bool(std::span<const std::string_view>)>& record);

// The bytes of a file.
core::FileResult ReadWholeFile(const std::string& path, std::string* bytes);

// Parses CSV text into `table`: the first record becomes the fields (slot = column number), the
// others the rows; empty lines are skipped. Fails with "line N: ..." for a quote that is never
// closed or text after a closing quote.
core::FileResult ParseCsv(std::string_view text, ForeignTable* table);
// Reads a CSV file into `table`; failures name the file.
core::FileResult ReadCsv(const std::string& path, ForeignTable* table);

// What the wizard shows of a CSV file: its column names (slot = column number) and its number
// of records (without the names). Fails as ParseCsv does.
core::FileResult ReadCsvSource(const std::string& path, SourceSummary* summary);

struct CsvExportOptions {
    bool selected_only = false;  // only the selected rows (else every row)
    bool all_columns = false;    // every column in table order (else the shown ones in order)
};

// Writes My Videos as CSV: a header row of column names, then one row per record, with CRLF line
// ends. "#" and "Flag" are left out; the synopsis gets its line breaks back. The file is
// replaced whole or not at all. Returns the number of rows written.
core::FileResult WriteCsv(const core::VideoList& videos, const CsvExportOptions& options,
                          std::ostream& out);
core::FileResult ExportCsv(const core::VideoList& videos, const CsvExportOptions& options,
                           const std::string& path);

}  // namespace imports
