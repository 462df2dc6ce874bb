#pragma once

#include <istream>
#include <string>
#include <vector>

// Records of a comma-separated text (RFC 4180): fields in double quotes may hold commas, line
// breaks and doubled quotes; LF and CRLF line ends; a byte-order mark at the start is skipped.
namespace vdb {

class CsvReader {
  public:
    explicit CsvReader(std::istream& in);

    // The next record; false at the end or on an error (then error() is not empty).
    bool Next(std::vector<std::string>& fields);
    // The line on which the last record began, from 1.
    int line() const { return record_line_; }
    const std::string& error() const { return error_; }

  private:
    int Get();
    int Peek();

    std::istream& in_;
    int line_ = 1;
    int record_line_ = 0;
    std::string error_;
};

}  // namespace vdb
