#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace imports {

// One field of a source collection as the pairing lists show it: its position in a source
// record (a main-file slot, a Filmfolio field index, a CSV column number) and its name.
struct SourceField {
    int slot = 0;
    std::string name;
};

// A collection kept by another program (CSV, Tellico, GCstar), read whole into rows of fields.
// Readers name the fields with this program's column names where the meaning is the same
// ("Title", "Year", "MPAA", "Duration", "Category", "Cast", "Director", "Producer", "Writer",
// "Synopsis", "Last Viewed"), so the default pairing rules pair them; other fields keep their
// own names and land under "Ignore" until the user pairs them.
struct ForeignTable {
    std::vector<SourceField> fields;             // in source order; slot = position in a row
    std::vector<std::vector<std::string>> rows;  // raw cells; a row may be shorter than fields
    // Per row: the record's cover image as a file on disk (extracted to a temporary folder by
    // the reader when the source keeps it inside an archive), or empty.
    std::vector<std::filesystem::path> covers;
    // Per row: whether the source marks the video as seen (becomes the viewed mark), or empty
    // when the source has no such field.
    std::vector<bool> seen;
};

}  // namespace imports
