#pragma once

#include <string_view>

#include "platform/text_widths.h"

// Every character is 7 pixels wide, with 10 pixels of padding; headers use 8-pixel characters.
class FakeTextWidths final : public platform::TextWidths {
  public:
    int HeaderWidth(std::string_view title) override {
        return static_cast<int>(title.size()) * 8 + 10;
    }
    int CellWidth(std::string_view text) override { return static_cast<int>(text.size()) * 7 + 10; }
};
