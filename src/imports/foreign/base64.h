#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace imports {

// The bytes of base64 text (white space between the characters allowed, padding optional);
// nullopt when the text holds any other character.
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace imports
