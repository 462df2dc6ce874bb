#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Text functions over record cells. Texts are byte strings; only ASCII letters have a case.
namespace core {

std::string RemoveNewlines(std::string text);
std::string RemoveCarriageReturns(std::string text);
// Both of the above: a cell holds one line of the main file.
std::string RemoveLineBreaks(std::string text);
std::string RemoveAngleBrackets(std::string text);
std::string RemoveChar(std::string text, char removed);
std::string ReplaceChar(std::string text, char from, char to);
std::string ToLowerAscii(std::string text);

// The synopsis stores its line breaks as "~".
std::string EncodeLineBreaks(std::string text);
std::string DecodeLineBreaks(std::string text);

// Deletes every "<" with everything up to and including the next ">"; an unclosed "<" deletes
// the rest of the text.
std::string StripTags(std::string_view text);

// "The Matrix" becomes "Matrix, The" (the article keeps its case); shorter texts and texts
// without the space after the article stay as they are.
std::string MoveLeadingArticle(std::string text);

// The index-th (from 0) field of a text whose fields are separated by "|"; empty if missing.
std::string_view GetField(std::string_view text, int index);

// A colour as 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;
constexpr Color MakeColor(int red, int green, int blue) {
    return static_cast<Color>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
// "#rrggbb" in lower-case hexadecimal.
std::string ColorToHtml(Color color);

// Fills the "%s" and "%d" marks of a message text, in order, with the given texts; "%%" is "%".
// Marks without a value stay as they are.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values);

// ASCII-only case folding.
constexpr char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
bool EqualsNoCase(std::string_view a, std::string_view b);
// Three-way comparison of the folded bytes: negative, zero or positive.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);

// Leading decimal number of a text as atoi reads it: optional blanks and sign, then digits;
// no digits gives 0. Values beyond the int range are clamped.
int ParseLeadingInt(std::string_view text);
long long ParseLeadingLong(std::string_view text);

}  // namespace core
