#pragma once

#include <cctype>
#include <string>
#include <string_view>

// A readable name for a parameterised case: its number, then the words of `text` (letters and
// digits, each other run of bytes one "_"), cut to a length a test list can show.
inline std::string ParamName(std::size_t index, std::string_view text) {
    std::string words;
    for (const char c : text.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128 && std::isalnum(byte))
            words += c;
        else if (!words.empty() && words.back() != '_')
            words += '_';
    }
    if (!words.empty() && words.back() == '_') words.pop_back();
    return std::to_string(index) + "_" + (words.empty() ? "blank" : words);
}
