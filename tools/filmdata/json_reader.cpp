#include "filmdata/json_reader.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace filmdata {
namespace {

constexpr int kMaxDepth = 256;
constexpr char32_t kReplacementCharacter = 0xFFFD;

struct ParseError {
    std::size_t offset;
    std::string message;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue Document() {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
        JsonValue value = Value(0);
        SkipSpace();
        if (!AtEnd()) Fail("unexpected text after the value");
        return value;
    }

  private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }

    [[noreturn]] void Fail(std::string message) const {
        throw ParseError{pos_, std::move(message)};
    }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }

    void Expect(char c) {
        SkipSpace();
        if (AtEnd() || Peek() != c) Fail(std::string("expected '") + c + "'");
        ++pos_;
    }

    // True (and consumes it) if the next character, after blanks, is `c`.
    bool Accept(char c) {
        SkipSpace();
        if (AtEnd() || Peek() != c) return false;
        ++pos_;
        return true;
    }

    JsonValue Value(int depth) {
        SkipSpace();
        if (AtEnd()) Fail("unexpected end of text");
        switch (Peek()) {
            case '{':
                return ObjectValue(depth + 1);
            case '[':
                return ArrayValue(depth + 1);
            case '"':
                return JsonValue::String(StringText());
            case 't':
                Word("true");
                return JsonValue::Bool(true);
            case 'f':
                Word("false");
                return JsonValue::Bool(false);
            case 'n':
                Word("null");
                return JsonValue::Null();
            default:
                if (Peek() == '-' || IsDigit(Peek())) return NumberValue();
                Fail("unexpected character");
        }
    }

    void Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) Fail("unknown word");
        pos_ += word.size();
    }

    JsonValue ObjectValue(int depth) {
        if (depth > kMaxDepth) Fail("nested too deeply");
        ++pos_;  // '{'
        std::vector<std::string> names;
        std::vector<JsonValue> values;
        if (Accept('}')) return JsonValue::Object(std::move(names), std::move(values));
        do {
            SkipSpace();
            if (AtEnd() || Peek() != '"') Fail("expected a member name");
            names.push_back(StringText());
            Expect(':');
            values.push_back(Value(depth));
        } while (Accept(','));
        Expect('}');
        return JsonValue::Object(std::move(names), std::move(values));
    }

    JsonValue ArrayValue(int depth) {
        if (depth > kMaxDepth) Fail("nested too deeply");
        ++pos_;  // '['
        std::vector<JsonValue> items;
        if (Accept(']')) return JsonValue::Array(std::move(items));
        do items.push_back(Value(depth));
        while (Accept(','));
        Expect(']');
        return JsonValue::Array(std::move(items));
    }

    JsonValue NumberValue() {
        const std::size_t start = pos_;
        if (Peek() == '-') ++pos_;
        if (AtEnd() || !IsDigit(Peek())) Fail("expected a digit");
        // A leading zero stands alone: "012" is not a JSON number.
        if (Peek() == '0') {
            ++pos_;
        } else {
            SkipDigits();
        }
        if (!AtEnd() && Peek() == '.') {
            ++pos_;
            if (AtEnd() || !IsDigit(Peek())) Fail("expected a digit after '.'");
            SkipDigits();
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            ++pos_;
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++pos_;
            if (AtEnd() || !IsDigit(Peek())) Fail("expected a digit in the exponent");
            SkipDigits();
        }
        return JsonValue::Number(std::string(text_.substr(start, pos_ - start)));
    }

    void SkipDigits() {
        while (!AtEnd() && IsDigit(Peek())) ++pos_;
    }

    // Reads a string starting at its opening quote and returns its decoded text.
    std::string StringText() {
        ++pos_;  // '"'
        std::string out;
        for (;;) {
            // Copy the run of plain bytes up to the next quote or backslash in one piece.
            const std::size_t stop = text_.find_first_of("\"\\", pos_);
            if (stop == std::string_view::npos) {
                pos_ = text_.size();
                Fail("unterminated string");
            }
            out.append(text_.substr(pos_, stop - pos_));
            pos_ = stop + 1;
            if (text_[stop] == '"') return out;
            Escape(out);
        }
    }

    // Decodes the escape after a backslash.
    void Escape(std::string& out) {
        if (AtEnd()) Fail("unterminated string");
        const char c = text_[pos_++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return;
            case 'b':
                out += '\b';
                return;
            case 'f':
                out += '\f';
                return;
            case 'n':
                out += '\n';
                return;
            case 'r':
                out += '\r';
                return;
            case 't':
                out += '\t';
                return;
            case 'u':
                AppendUtf8(out, CodePoint());
                return;
            default:
                --pos_;
                Fail("unknown escape");
        }
    }

    // The code point of a \u escape (after "\u"); a surrogate pair written as two escapes makes
    // one code point.
    char32_t CodePoint() {
        const char32_t unit = HexUnit();
        if (IsLowSurrogate(unit)) return kReplacementCharacter;
        if (!IsHighSurrogate(unit)) return unit;
        if (text_.substr(pos_, 2) != "\\u") return kReplacementCharacter;
        const std::size_t second_start = pos_;
        pos_ += 2;
        const char32_t low = HexUnit();
        if (!IsLowSurrogate(low)) {
            // Not a pair: the second escape is decoded on its own.
            pos_ = second_start;
            return kReplacementCharacter;
        }
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }

    char32_t HexUnit() {
        if (pos_ + 4 > text_.size()) Fail("expected four hexadecimal digits");
        char32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_];
            int digit;
            if (IsDigit(c)) {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                Fail("expected a hexadecimal digit");
            }
            unit = unit * 16 + static_cast<char32_t>(digit);
            ++pos_;
        }
        return unit;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// "line 3, column 17" of a byte offset; columns count bytes from 1.
std::string PlaceOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const std::size_t line_start = before.rfind('\n');
    const std::size_t column =
        offset - (line_start == std::string_view::npos ? 0 : line_start + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

JsonParseResult ParseJson(std::string_view text) {
    try {
        return {Parser(text).Document(), {}};
    } catch (const ParseError& error) {
        return {std::nullopt, PlaceOf(text, error.offset) + ": " + error.message};
    }
}

}  // namespace filmdata
