#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace online {

// The texts a search field was used with, offered again by its drop-down; oldest first, each
// once.
class SearchHistory {
  public:
    // Adds a text unless it is empty or there already.
    void Add(const std::string& text) {
        if (text.empty() || std::find(entries_.begin(), entries_.end(), text) != entries_.end()) {
            return;
        }
        entries_.push_back(text);
    }
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

}  // namespace online
