#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/video_list.h"
#include "core/wanted_list.h"
#include "filmdata/film_list.h"

// The demo database shipped with the program: a collection made from a real film list, so that
// a first look at the program shows a full, plausible catalogue.
namespace demo {

struct DemoOptions {
    std::uint32_t seed = 20080101;
    // How many films are still wanted rather than owned.
    int wanted_count = 50;
    // The span over which the films were added (their Keys): 2008-01-01 to 2025-12-31, UTC.
    std::int64_t first_key = 1199145600;
    std::int64_t last_key = 1767225599;
};

// Fills My Videos (whose column table is already loaded) and Wanted Videos from the films; every
// film lands in exactly one of the two lists. Rows get unique Keys inside the span, each no
// earlier than the film's release, and are in the order of their Keys, so the list is sorted by
// Date Added. Cells hold no line breaks and no "<" or ">"; everything else of the film's text is
// kept as it is. The same films and options always give the same lists.
void BuildDemoLists(const std::vector<filmdata::Film>& films, const DemoOptions& options,
                    core::VideoList& videos, core::WantedList& wanted);

// Writes the database at `main_path` and its five companions: the header and records of
// `videos`, the wanted titles, the sort state "Date Added, ascending", an empty image-path file
// (the image folder is then the default one beside the main file, wherever the database is
// installed) and no accounts.
core::FileResult WriteDemoDatabase(core::VideoList& videos, const core::WantedList& wanted,
                                   const std::string& main_path);

}  // namespace demo
