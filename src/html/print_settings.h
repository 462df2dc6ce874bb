#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "core/file_result.h"
#include "core/text.h"

// The print settings: how the print pages look, kept in cfg/ps.txt.
namespace html {

enum class PrintList { kMyVideos, kWanted, kBoth };
enum class PrintRecords { kAll, kSelected };

// One set for the program run. The list and records choices and "include images" are not stored
// in the file.
struct PrintSettings {
    core::Color heading = 0;  // numbers and headings
    core::Color text = 0;     // record text
    std::string font_face;    // empty: pages use Verdana
    std::string font_style;   // empty: pages use normal
    int font_size = 0;
    bool multiple_columns = true;
    bool titles_only = true;
    bool include_images = true;
    PrintList list = PrintList::kMyVideos;
    PrintRecords records = PrintRecords::kAll;
};

inline constexpr std::string_view kPrintSettingsHeader =
    "[Reeldeck - Version 1.0 - Print Settings]";

// Sets the stored settings from the lines of a print settings file; keys not present keep their
// values.
void ReadPrintSettings(std::istream& in, PrintSettings& settings);
// ReadPrintSettings of the file at `path`; fails only when the file cannot be opened, and then
// leaves `settings` as they were.
core::FileResult LoadPrintSettings(const std::string& path, PrintSettings& settings);

void WritePrintSettings(const PrintSettings& settings, std::ostream& out);
// Replaces the file at `path` whole, or leaves it as it was.
core::FileResult SavePrintSettings(const PrintSettings& settings, const std::string& path);

}  // namespace html
