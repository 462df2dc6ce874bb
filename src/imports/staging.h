#pragma once

#include <filesystem>
#include <vector>

#include "core/dates.h"
#include "core/file_result.h"
#include "core/video_list.h"
#include "imports/importer.h"

// Reading a whole source into the records an import will add, before anything changes. Each
// kind of source has its reader; all of them build records with RecordBuilder.
namespace imports {

struct StagedImport {
    std::vector<core::VideoRecord> records;
    std::vector<std::filesystem::path> covers;  // kTable: per record, or empty
    int duplicates = 0;
    int rekeyed = 0;
};

// A main file of another database: blocks of 24 lines (slots 0-22 and an empty line). A block
// whose 24th line is not empty, or a last block cut short, is damage: the whole read fails.
core::FileResult StageDatabase(const core::VideoList& target, const core::Clock& clock,
                               const ImportRequest& request, platform::Progress& progress,
                               StagedImport* staged);
// A Filmfolio movie database: one record per line, fields separated by "|".
core::FileResult StageFilmfolio(const core::VideoList& target, const core::Clock& clock,
                                const ImportRequest& request, platform::Progress& progress,
                                StagedImport* staged);
// A CSV file, read straight from its bytes (no table of strings in between).
core::FileResult StageCsv(const core::VideoList& target, const core::Clock& clock,
                          const ImportRequest& request, platform::Progress& progress,
                          StagedImport* staged);
// The rows of a ForeignTable.
core::FileResult StageTable(const core::VideoList& target, const core::Clock& clock,
                            const ImportRequest& request, platform::Progress& progress,
                            StagedImport* staged);

}  // namespace imports
