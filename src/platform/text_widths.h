#pragma once

#include <string_view>

namespace platform {

// How wide texts are drawn in the My Videos list, in pixels, padding included: what a column
// needs to show its header title or a cell whole.
class TextWidths {
  public:
    virtual ~TextWidths() = default;
    virtual int HeaderWidth(std::string_view title) = 0;
    virtual int CellWidth(std::string_view text) = 0;
};

}  // namespace platform
