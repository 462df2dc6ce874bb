#include "imports/foreign/base64.h"

namespace imports {
namespace {

int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

std::optional<std::string> DecodeBase64(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    unsigned int bits = 0;
    int bit_count = 0;
    bool padded = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
        if (c == '=') {
            padded = true;
            continue;
        }
        const int sextet = SextetOf(c);
        if (sextet < 0 || padded) return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned int>(sextet);
        bit_count += 6;
        if (bit_count >= 8) {
            bit_count -= 8;
            bytes.push_back(static_cast<char>((bits >> bit_count) & 0xFF));
        }
    }
    return bytes;
}

}  // namespace imports
