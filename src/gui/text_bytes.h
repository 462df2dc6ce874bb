#pragma once

#include <QString>
#include <string>
#include <string_view>

// Cells are bytes. The windows show them as UTF-8, showing a byte that is not part of a valid
// UTF-8 sequence as Latin-1, and store what the user types as UTF-8.
namespace gui {

QString FromBytes(std::string_view bytes);
// The character shown for the bytes at `at`, and `at` moved past them: a valid UTF-8 sequence
// decoded, any other byte taken as Latin-1, as FromBytes shows them.
char32_t NextShownChar(std::string_view bytes, std::size_t& at);
std::string ToBytes(const QString& text);

}  // namespace gui
