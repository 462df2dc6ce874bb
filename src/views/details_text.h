#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/video_list.h"

namespace views {

// A piece of the details text shown as a QuickFind link.
struct LinkSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    std::string text;  // what a click searches for
    bool operator==(const LinkSpan&) const = default;
};

struct DetailsText {
    std::string text;
    std::vector<LinkSpan> links;
};

// The names of a cast or crew cell: split at commas, leading blanks skipped, empty names left
// out ("Ann,  Bob" gives Ann and Bob).
std::vector<std::string> SplitNames(std::string_view cell);

// The Video Details text of a row: its flag, category, synopsis (with its line breaks), cast,
// director, producer and writer, each labelled and only when not empty. The flag value, the
// category and each name are links, wherever their text occurs.
DetailsText BuildDetailsText(const core::VideoList& list, int row);

}  // namespace views
