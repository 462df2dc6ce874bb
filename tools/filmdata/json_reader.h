#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "filmdata/json_value.h"

// A small JSON reader, enough for data files such as a film list: strict about the structure,
// lenient about the bytes inside strings.
namespace filmdata {

struct JsonParseResult {
    std::optional<JsonValue> value;
    // "line 3, column 17: expected ':'" when the text is not JSON.
    std::string error;
    bool ok() const { return value.has_value(); }
};

// Parses one JSON text (a leading UTF-8 byte order mark is skipped). Strings keep every byte as
// it was, so text that is not valid UTF-8 passes through unchanged; escapes, including \uXXXX and
// surrogate pairs, become UTF-8, and an unpaired surrogate becomes U+FFFD. Raw control characters
// inside strings are kept rather than refused. Nesting deeper than 256 levels is refused.
JsonParseResult ParseJson(std::string_view text);

}  // namespace filmdata
