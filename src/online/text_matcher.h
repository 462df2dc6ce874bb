#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace online {

// Finds a text in cells: inside them, or as the whole cell ("Column value"), with or without
// regard to the case of ASCII letters. Whole cells are compared, whatever their length.
class TextMatcher {
  public:
    TextMatcher(std::string_view what, bool match_case, bool whole_cell);

    // True if the cell contains the text (or, for whole cells, equals it). An empty text is
    // contained in every cell.
    bool Matches(std::string_view cell) const {
        return whole_cell_ ? Equals(cell) : Find(cell) != std::string_view::npos;
    }
    // The position of the first occurrence at or after `from`, or npos.
    std::size_t Find(std::string_view text, std::size_t from = 0) const;
    bool Equals(std::string_view cell) const;

    std::size_t size() const { return what_.size(); }
    bool match_case() const { return match_case_; }

  private:
    unsigned char Folded(char c) const { return fold_[static_cast<unsigned char>(c)]; }

    std::string what_;  // folded unless case matters
    bool match_case_;
    bool whole_cell_;
    std::array<unsigned char, 256> fold_{};  // byte -> byte as compared
    std::array<std::size_t, 256> skip_{};    // how far the search may move on a byte
};

}  // namespace online
