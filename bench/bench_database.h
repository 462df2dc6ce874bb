#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/video_list.h"
#include "filmdata/film_list.h"

// Large databases for benchmarks, made from a film list: every cell a real program would fill
// is filled, with the sizes a well-kept collection has (a synopsis of about 400 bytes, a cast of
// about 100), so that a record of the main file takes about 650 bytes.
namespace bench {

// The films of the bundled film list. When it cannot be read, says why on standard error and
// gives none.
std::vector<filmdata::Film> ReadBenchFilms();

// Appends `count` records to `videos`, whose column table is loaded. The films are used in turn;
// after the first round a title gets a sequel number ("Alien 2"). Keys are distinct and rising.
// The same films, count and seed give the same records.
void AddBenchRecords(const std::vector<filmdata::Film>& films, int count, std::uint32_t seed,
                     core::VideoList& videos);

// Writes a database of `count` records at `main_path`: the header from `header_path`, the main
// file, and an empty wanted list.
core::FileResult WriteBenchDatabase(const std::vector<filmdata::Film>& films,
                                    const std::string& header_path, int count,
                                    const std::string& main_path, std::uint32_t seed = 1);

}  // namespace bench
