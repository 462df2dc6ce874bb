#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "core/dates.h"
#include "core/file_result.h"
#include "core/safe_file.h"
#include "core/video_list.h"
#include "platform/progress.h"

// The main file of a database: one block of 24 lines per record, the 23 slots of the record in
// order and an empty line.
namespace core {

struct RecordReadOptions {
    // Titles beginning with "The " are read as "Title, The".
    bool move_leading_article = false;
};

// Reads record blocks and appends them to `list`, whose column table is loaded and whose rows
// the caller has emptied. The k-th block becomes row k. "#" is renumbered, "Date Added" comes
// from the Key, "00:00:00" reads as empty, and a row is flagged when its "Flag Value" is not
// empty. Malformed input loads what it can: a short last block still makes a row, and a block
// whose closing line is missing ends where the next block's Key begins.
// Returns the number of rows read, or -1 if the stream failed.
FileResult ReadRecords(std::istream& in, VideoList& list, const Clock& clock,
                       const RecordReadOptions& options, platform::Progress& progress,
                       std::string_view progress_text = "Reading");
// The same from a file, with "Reading <path>" progress over the file's bytes.
FileResult ReadRecords(VideoList& list, const std::string& path, const Clock& clock,
                       const RecordReadOptions& options, platform::Progress& progress);

// Writes every row as a record block: for each slot, the cell of the column stored in it.
FileResult WriteRecords(const VideoList& list, std::ostream& out, platform::Progress& progress,
                        std::string_view progress_text = "Saving");
// The same into a file, replaced whole or not at all, with "Saving <path>" progress.
FileResult WriteRecords(const VideoList& list, const std::string& path,
                        platform::Progress& progress,
                        FileSystemCalls& calls = FileSystemCalls::System());

}  // namespace core
