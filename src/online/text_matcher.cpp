#include "online/text_matcher.h"

#include "core/text.h"

namespace online {

TextMatcher::TextMatcher(std::string_view what, bool match_case, bool whole_cell)
    : what_(what), match_case_(match_case), whole_cell_(whole_cell) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        fold_[static_cast<std::size_t>(byte)] =
            static_cast<unsigned char>(match_case ? c : core::FoldAscii(c));
    }
    for (char& c : what_) c = static_cast<char>(Folded(c));

    // Horspool's shift table over the compared bytes: both cases of a letter shift alike.
    const std::size_t length = what_.size();
    skip_.fill(length == 0 ? 1 : length);
    for (std::size_t i = 0; i + 1 < length; ++i) {
        for (int byte = 0; byte < 256; ++byte) {
            if (fold_[static_cast<std::size_t>(byte)] == static_cast<unsigned char>(what_[i])) {
                skip_[static_cast<std::size_t>(byte)] = length - 1 - i;
            }
        }
    }
}

std::size_t TextMatcher::Find(std::string_view text, std::size_t from) const {
    const std::size_t length = what_.size();
    if (from > text.size()) return std::string_view::npos;
    if (length == 0) return from;
    const unsigned char last = static_cast<unsigned char>(what_[length - 1]);
    const char* data = text.data();
    for (std::size_t pos = from; pos + length <= text.size();) {
        const char end = data[pos + length - 1];
        if (Folded(end) == last) {
            std::size_t i = 0;
            while (i + 1 < length && Folded(data[pos + i]) == static_cast<unsigned char>(what_[i]))
                ++i;
            if (i + 1 >= length) return pos;
        }
        pos += skip_[static_cast<unsigned char>(end)];
    }
    return std::string_view::npos;
}

bool TextMatcher::Equals(std::string_view cell) const {
    if (cell.size() != what_.size()) return false;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (Folded(cell[i]) != static_cast<unsigned char>(what_[i])) return false;
    }
    return true;
}

}  // namespace online
