#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/session.h"
#include "imports/foreign_table.h"
#include "imports/pairing.h"
#include "platform/image_converter.h"
#include "platform/progress.h"
#include "platform/prompts.h"

// Importing records into My Videos: the one entry point that the import windows (the "Import
// Wizard" of a Reeldeck database, of a Filmfolio 2.0 database, of a CSV file and of a Tellico or
// GCstar collection) and reeldeck-cli's `import` share.
//
// A window reads its source (source_files.h, csv_file.h, tellico_reader.h, gcstar_reader.h),
// lets the user pair fields in a PairingModel, and on "Import" calls RunImport with the model's
// Pairs(). RunImport reads and checks the whole source before it changes anything: a source that
// cannot be read or is damaged changes nothing and gives the error to show. Otherwise it takes
// the undo copy (import_undo.h), appends the records, sorts My Videos again with the current sort
// state, copies the images, sets Modified and tells the session's listener; the result's message
// is the text to show in a message box with the result's title and icon.
namespace imports {

enum class SourceKind {
    kReeldeck,   // a main file ".rdk" of another database of this program
    kFilmfolio,  // a Filmfolio 2.0 movie database ".mff"
    kCsv,        // a CSV file (first record the column names; slot = column number)
    kTable,      // a ForeignTable (Tellico, GCstar, or CSV already read with ReadCsv)
};

struct ImportOptions {
    // "Import Images": copy the ".gif", ".jpg" and ".bmp" files of `image_folder` into the
    // database's image folder (kReeldeck, kFilmfolio), or each row's cover as "<Key>.<ext>"
    // (kTable). Existing files are never overwritten.
    bool images = false;
    std::string image_folder;
    // PLACE_THE_IN_BACK: "The Birds" arrives as "Birds, The".
    bool place_the_in_back = false;
    // Take the undo copy first (mv.tmp and mv/ in the program folder). The companion, which
    // cannot undo, leaves it out.
    bool undo_copy = true;
};

struct ImportRequest {
    SourceKind kind = SourceKind::kReeldeck;
    std::string source_path;              // the file chosen; named in progress and errors
    const ForeignTable* table = nullptr;  // kTable: the rows read from the file
    std::vector<Pair> pairs;              // PairingModel::Pairs()
    ImportOptions options;
    // kTable: turns covers that are not ".jpg", ".gif" or ".bmp" into JPEG files; without one
    // such covers are left out (and counted in the message).
    platform::ImageConverter* converter = nullptr;
};

struct ImportResult {
    bool ok = false;      // false: nothing changed
    std::string message;  // the text to show
    std::string title = "Import";
    platform::Icon icon = platform::Icon::kInformation;
    int imported = 0;
    int duplicates = 0;       // skipped because their Key was taken
    int rekeyed = 0;          // given a fresh Key (theirs was empty or not a number)
    int covers_left_out = 0;  // kTable covers that could not be copied
};

// Performs the import into the open database of `session`. `progress` shows "Importing <path>".
ImportResult RunImport(app::Session& session, const ImportRequest& request,
                       platform::Progress& progress);

// The result message: "%d records imported successfully." or, with duplicates, "%d records
// imported. (%d duplicate record keys were found\nand were not imported)"; a note on re-keyed
// records and left-out covers follows when there were any.
std::string ImportMessage(const ImportResult& result);

// "Error reading import file.", the text shown when the source cannot be read.
inline constexpr const char* kErrorReadingImportFile = "Error reading import file.";

}  // namespace imports
