#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace online {

// The Search pane's list of titles, kept in alphabetical order without regard to case.
class SearchResults {
  public:
    void Clear() { titles_.clear(); }
    // Replaces the list with these titles (the same title may come more than once).
    void Assign(std::vector<std::string> titles);
    const std::vector<std::string>& Titles() const { return titles_; }
    int Count() const { return static_cast<int>(titles_.size()); }
    // "Search - 3".
    std::string Caption() const;

  private:
    std::vector<std::string> titles_;
};

}  // namespace online
