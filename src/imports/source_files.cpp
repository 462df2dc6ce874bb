#include "imports/source_files.h"

#include <filesystem>
#include <fstream>

#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/images.h"
#include "core/line_reader.h"
#include "core/paths.h"
#include "core/text.h"
#include "core/video_column.h"

namespace imports {
namespace fs = std::filesystem;
namespace {

// The entry of `folder` named `name`, exactly or else ignoring case; empty when none.
std::string EntryNoCase(const std::string& folder, std::string_view name) {
    const std::string exact = core::JoinPath(folder, name);
    if (core::FileExists(exact)) return exact;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (core::EqualsNoCase(it->path().filename().string(), name)) return it->path().string();
    }
    return {};
}

// True when the line has these characters at these 1-based positions.
bool HasMarks(std::string_view line, std::initializer_list<std::pair<std::size_t, char>> marks) {
    for (const auto& [position, mark] : marks) {
        if (line.size() < position || line[position - 1] != mark) return false;
    }
    return true;
}

std::vector<SourceField> SplitFieldNames(std::string_view list) {
    std::vector<SourceField> fields;
    if (!list.empty() && list.back() == '|') list.remove_suffix(1);
    int index = 0;
    while (true) {
        const std::size_t bar = list.find('|');
        fields.push_back({index++, std::string(list.substr(0, bar))});
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
    return fields;
}

std::string ExistingFolder(const std::string& folder) {
    return !folder.empty() && core::FolderExists(folder) ? folder : std::string();
}

}  // namespace

std::string NativeFolder(std::string_view stored) {
    std::string folder = core::ReplaceChar(std::string(stored), '\\', '/');
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

int CountFolderImages(const std::string& folder) {
    return folder.empty() ? 0 : core::CountImageFiles(folder);
}

SourceSummary ReadDatabaseSource(const std::string& main_path) {
    SourceSummary summary;
    std::ifstream header(main_path + "h", std::ios::binary);
    if (header) {
        for (const core::VideoColumn& column : core::ParseHeaderGroups(header)) {
            // A column whose slot is not one of a record's lines has nothing to import.
            if (column.FileSlot < 0 || column.FileSlot >= core::kSlotCount) continue;
            summary.fields.push_back({column.FileSlot, column.Name});
        }
    }
    const std::int64_t lines = core::CountLines(main_path);
    summary.record_count = lines > 0 ? lines / 24 : 0;
    if (std::optional<std::string> stored = core::ReadImagePathFile(main_path + "i")) {
        summary.image_folder = ExistingFolder(NativeFolder(*stored));
    }
    return summary;
}

std::string FilmfolioConfigPath(const std::string& program_file) {
    const std::string program_folder = core::ParentFolderOf(program_file);
    const std::string db = EntryNoCase(program_folder.empty() ? "." : program_folder, "db");
    const std::string config = db.empty() ? std::string() : EntryNoCase(db, "cfg.ini");
    return config.empty() ? core::JoinPath(core::JoinPath(program_folder, "db"), "cfg.ini")
                          : config;
}

core::FileResult ReadFilmfolioConfig(const std::string& program_file, SourceSummary* summary) {
    const std::string path = FilmfolioConfigPath(program_file);
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    core::LineReader lines(in);
    std::string_view line;
    std::optional<std::string> field_list;
    std::optional<std::string> image_folder;
    while (lines.Next(line)) {
        if (HasMarks(line, {{1, 'M'}, {2, 'O'}, {7, 'D'}, {10, 'F'}, {16, 'O'}})) {
            field_list = std::string(line.substr(std::min<std::size_t>(21, line.size())));
        }
        if (HasMarks(line, {{1, 'M'}, {2, 'O'}, {7, 'I'}, {13, 'D'}, {21, 'Y'}})) {
            image_folder = std::string(line.substr(std::min<std::size_t>(22, line.size())));
        }
    }
    if (lines.Failed()) return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    if (!field_list) return core::FileResult::Failure(path, "The file holds no field list");
    summary->fields = SplitFieldNames(*field_list);
    summary->image_folder = image_folder ? ExistingFolder(NativeFolder(*image_folder)) : "";
    return core::FileResult::Success();
}

std::string FilmfolioConfigErrorText(const std::string& program_file) {
    return core::FormatText(
        "%s%s%s", {"A valid program configuration file could not be found for:\n\n", program_file,
                   ".\n\nPlease verify that this is a valid Filmfolio 2.0 executable "
                   "file\nand that the path is correct, then try again."});
}

std::int64_t CountFilmfolioRecords(const std::string& mff_path) {
    return std::max<std::int64_t>(0, core::CountLines(mff_path));
}

}  // namespace imports
