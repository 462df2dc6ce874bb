#include "vdb/csv_reader.h"

namespace vdb {

CsvReader::CsvReader(std::istream& in) : in_(in) {
    if (Peek() == 0xEF) {
        char mark[3] = {};
        in_.read(mark, 3);
        if (std::string(mark, 3) != "\xEF\xBB\xBF") {
            in_.clear();
            in_.seekg(0);
        }
    }
}

int CsvReader::Get() {
    const int c = in_.get();
    if (c == '\n') ++line_;
    return c;
}

int CsvReader::Peek() {
    return in_.peek();
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    if (!error_.empty() || Peek() == std::char_traits<char>::eof()) return false;
    record_line_ = line_;
    std::string field;
    bool quoted = false;      // inside quotes
    bool was_quoted = false;  // the field had quotes, so only a separator may follow them
    for (;;) {
        const int c = Get();
        if (c == std::char_traits<char>::eof()) {
            if (quoted) {
                error_ = "a quoted field that begins on line " + std::to_string(record_line_) +
                         " never ends";
                return false;
            }
            fields.push_back(std::move(field));
            return true;
        }
        if (quoted) {
            if (c != '"') {
                field += static_cast<char>(c);
            } else if (Peek() == '"') {
                Get();
                field += '"';
            } else {
                quoted = false;
            }
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            was_quoted = false;
        } else if (c == '\n' || (c == '\r' && Peek() == '\n')) {
            if (c == '\r') Get();
            fields.push_back(std::move(field));
            return true;
        } else if (was_quoted) {
            error_ = "line " + std::to_string(line_) + ": text after the closing quote of a field";
            return false;
        } else if (c == '"' && field.empty()) {
            quoted = was_quoted = true;
        } else {
            field += static_cast<char>(c);
        }
    }
}

}  // namespace vdb
