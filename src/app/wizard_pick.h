#pragma once

#include <string>
#include <vector>

namespace app {

// What the open Video Import Wizard offers the record editor's "Wizard" button: its single
// selected result, its "Options" values and its "Viewed Status".
struct WizardPick {
    std::string title;
    std::string year;
    std::string duration;  // "hh:mm:ss"
    std::string mpaa;
    std::string cast;
    std::string director;
    std::string producer;
    std::string writer;
    std::string category;
    std::string synopsis;       // line breaks as "~"
    std::string image_address;  // empty when the result has no cover
    std::vector<std::string> options;
    bool viewed = false;
    std::string month;
    std::string day;
    std::string viewed_year;
};

}  // namespace app
