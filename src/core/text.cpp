#include "core/text.h"

#include <algorithm>
#include <climits>

namespace core {

std::string RemoveChar(std::string text, char removed) {
    std::erase(text, removed);
    return text;
}

std::string RemoveNewlines(std::string text) { return RemoveChar(std::move(text), '\n'); }
std::string RemoveCarriageReturns(std::string text) {
    return RemoveChar(std::move(text), '\r');
}

std::string RemoveLineBreaks(std::string text) {
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return text;
}

std::string RemoveAngleBrackets(std::string text) {
    std::erase_if(text, [](char c) { return c == '<' || c == '>'; });
    return text;
}

std::string ReplaceChar(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::string ToLowerAscii(std::string text) {
    for (char& c : text) c = FoldAscii(c);
    return text;
}

std::string EncodeLineBreaks(std::string text) { return ReplaceChar(std::move(text), '\n', '~'); }
std::string DecodeLineBreaks(std::string text) { return ReplaceChar(std::move(text), '~', '\n'); }

std::string StripTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find('<', pos);
        if (open == std::string_view::npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, open - pos));
        std::size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos) break;
        pos = close + 1;
    }
    return out;
}

std::string MoveLeadingArticle(std::string text) {
    if (text.size() < 5 || FoldAscii(text[0]) != 't' || FoldAscii(text[1]) != 'h' ||
        FoldAscii(text[2]) != 'e' || text[3] != ' ') {
        return text;
    }
    std::string article = text.substr(0, 3);
    text.erase(0, 4);
    text += ", ";
    text += article;
    return text;
}

std::string_view GetField(std::string_view text, int index) {
    if (index < 0) return {};
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) return {};
        start = bar + 1;
    }
    std::size_t end = text.find('|', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string ColorToHtml(Color color) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "#";
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned byte = (color >> shift) & 0xffu;
        out += kHex[byte >> 4];
        out += kHex[byte & 0xfu];
    }
    return out;
}

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(format.size() + 64);
    auto value = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char kind = format[i + 1];
            if (kind == '%') {
                text += '%';
                ++i;
                continue;
            }
            if ((kind == 's' || kind == 'd') && value != values.end()) {
                text.append(*value++);
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(FoldAscii(a[i]));
        auto cb = static_cast<unsigned char>(FoldAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

long long ParseLeadingLong(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    constexpr long long kLimit = LLONG_MAX / 10 - 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

int ParseLeadingInt(std::string_view text) {
    long long value = ParseLeadingLong(text);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace core
