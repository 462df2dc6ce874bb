#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Wanted Videos: titles kept in alphabetical order without regard to case. A new title goes after
// the titles that compare equal to it.
class WantedList {
public:
    int Count() const { return static_cast<int>(titles_.size()); }
    // Inserts the title at its sorted place; returns its index.
    int Add(std::string title);
    const std::string& Get(int index) const { return titles_.at(static_cast<std::size_t>(index)); }
    void Delete(int index);
    void Clear() { titles_.clear(); }
    const std::vector<std::string>& Titles() const { return titles_; }

private:
    std::vector<std::string> titles_;
};

}  // namespace core
