#pragma once

#include <string>
#include <string_view>

namespace views {

// The Duration group of the Database Properties window. A Duration cell holds hours, minutes
// and seconds separated by colons ("01:30:00"). Only records that have a duration take part:
// the average is over them, and with none every figure is "00:00:00".
struct DurationFigures {
    std::string minimum = "00:00:00";  // the shortest and longest cells, as written
    std::string maximum = "00:00:00";
    std::string average = "00:00:00";
    std::string total = "00:00:00";
};

// Takes the Duration cells one by one.
class DurationTally {
  public:
    void Add(std::string_view cell);
    DurationFigures Figures() const;

  private:
    DurationFigures figures_;
    long long shortest_ = 0;
    long long longest_ = 0;
    long long total_ = 0;
    int counted_ = 0;
};

// The seconds of a duration cell: each colon-separated part read as a whole number (missing or
// negative parts are 0, absurdly large ones capped).
long long DurationSeconds(std::string_view cell);

}  // namespace views
