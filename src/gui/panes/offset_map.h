#pragma once

#include <QString>
#include <string_view>
#include <vector>

namespace gui {

// The models mark runs of their texts (coloured words, links) by byte offsets; a text view
// counts UTF-16 positions. The map converts the text piece by piece between the offsets where
// runs begin and end, so that each offset has an exact position, and each position leads back
// to the piece it lies in.
class OffsetMap {
  public:
    OffsetMap(std::string_view text, std::vector<std::size_t> boundaries);

    // The whole text, as a view shows it.
    const QString& Text() const { return text_; }
    // The position of a boundary's byte offset (an offset beyond the text gives its end).
    int Position(std::size_t offset) const;
    // The byte offset where the piece that holds `position` begins: every run covers either
    // all of a piece or none of it.
    std::size_t PieceAt(int position) const;
    // The byte offsets where pieces begin and end, ascending, from 0 to the text's size.
    const std::vector<std::size_t>& Offsets() const { return offsets_; }

  private:
    QString text_;
    std::vector<std::size_t> offsets_;
    std::vector<int> positions_;  // the position of each boundary
};

}  // namespace gui
