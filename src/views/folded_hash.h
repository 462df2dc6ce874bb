#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Hashing and comparing texts with ASCII letters folded to lower case, eight bytes at a time:
// the value tables look up every name of a large list.
namespace views {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// Each upper-case ASCII letter of the eight bytes in lower case; other bytes unchanged.
inline std::uint64_t FoldWord(std::uint64_t word) {
    const std::uint64_t low = word & (0x7F * kOnes);
    const std::uint64_t at_least_a = low + (0x80 - 'A') * kOnes;   // high bit: >= 'A'
    const std::uint64_t above_z = low + (0x80 - 'Z' - 1) * kOnes;  // high bit: > 'Z'
    const std::uint64_t upper = (at_least_a ^ above_z) & ~word & (0x80 * kOnes);
    return word | (upper >> 2);
}

inline std::uint64_t Mix(std::uint64_t hash) {
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    hash ^= hash >> 32;
    return hash;
}

inline std::uint64_t Load8(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, 8);
    return word;
}

// The bytes from `at` on, at most eight, as one word (missing bytes zero). Reads only the
// text's own bytes: a short end is taken from the last eight bytes, shifted into place.
inline std::uint64_t WordAt(std::string_view text, std::size_t at) {
    if (at + 8 <= text.size()) return Load8(text.data() + at);
    const std::size_t count = text.size() - at;
    if (text.size() >= 8) return Load8(text.data() + text.size() - 8) >> (64 - 8 * count);
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < count; ++i)
        word |= std::uint64_t{static_cast<unsigned char>(text[at + i])} << (8 * i);
    return word;
}

// The bytes of `word` equal to `byte` (below 0x80), each marked by its high bit. A byte above a
// match may be marked too: whoever uses a mark checks what it marks.
inline std::uint64_t BytesEqualTo(std::uint64_t word, std::uint64_t byte) {
    const std::uint64_t zeros = word ^ (byte * kOnes);  // zero bytes where they are equal
    return (zeros - kOnes) & ~zeros & (0x80 * kOnes);
}

// Where the first comma of the bytes is, eight bytes at a time; `end` when there is none.
inline const char* FindComma(const char* at, const char* end) {
    for (; at + 8 <= end; at += 8) {
        // The lowest mark is always a comma.
        const std::uint64_t found = BytesEqualTo(Load8(at), ',');
        if (found != 0) return at + std::countr_zero(found) / 8;
    }
    while (at < end && *at != ',') ++at;
    return at;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t at = 0; at < a.size(); at += 8) {
        const std::uint64_t word_a = WordAt(a, at), word_b = WordAt(b, at);
        if (word_a != word_b && FoldWord(word_a) != FoldWord(word_b)) return false;
    }
    return true;
}

// What a lookup compares, computed before the table is touched: the text's first sixteen bytes
// with ASCII letters folded to lower case (zero past its end), and a hash of the whole text
// folded the same way.
struct FoldedKey {
    std::string_view text;
    std::uint64_t head[2];
    std::uint64_t hash;
};

inline std::uint64_t HashStep(std::uint64_t hash, std::uint64_t word) {
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    return hash ^ (hash >> 29);
}

// Fills `key` member by member: a key written whole and read back at once is slow to reach the
// reads (the stores and the load differ in size), and keys are made for every name of a list.
inline void FoldKey(std::string_view text, FoldedKey& key) {
    const std::size_t size = text.size();
    const std::uint64_t head0 = FoldWord(WordAt(text, 0));
    const std::uint64_t head1 = size > 8 ? FoldWord(WordAt(text, 8)) : 0;
    std::uint64_t hash = HashStep(size * 0x9E3779B97F4A7C15ull, head0);
    if (size > 8) hash = HashStep(hash, head1);
    for (std::size_t at = 16; at < size; at += 8) hash = HashStep(hash, FoldWord(WordAt(text, at)));
    key.text = text;
    key.head[0] = head0;
    key.head[1] = head1;
    key.hash = Mix(hash);
}

inline FoldedKey FoldedKeyOf(std::string_view text) {
    FoldedKey key;
    FoldKey(text, key);
    return key;
}

}  // namespace views
