#include "core/synchronisation.h"

#include <filesystem>
#include <map>
#include <unordered_set>
#include <vector>

#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace core {
namespace fs = std::filesystem;

namespace {

// Cells of a column, folded to lower case, for lookups ignoring case.
std::unordered_set<std::string> FoldedCells(const VideoList& videos, std::string_view column) {
    std::unordered_set<std::string> cells;
    const int index = videos.ColumnIndexOf(column);
    if (index < 0) return cells;
    for (int row = 0; row < videos.RowCount(); ++row) {
        cells.insert(ToLowerAscii(std::string(videos.Cell(row, index))));
    }
    return cells;
}

struct ImageFile {
    fs::path path;
    std::string base;  // the name without its extension
    int rank;          // 0 jpg, 1 gif, 2 bmp: the order in which a record's image is looked for
};

std::vector<ImageFile> ListImageFiles(const std::string& folder) {
    std::vector<ImageFile> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        if (it->is_directory(type_error)) continue;
        const std::string name = it->path().filename().string();
        for (int rank = 0; rank < 3; ++rank) {
            if (HasExtensionNoCase(name, kImageExtensions[rank])) {
                files.push_back({it->path(), StripExtension(name), rank});
            }
        }
    }
    return files;
}

}  // namespace

int SyncWantedVideos(const VideoList& videos, WantedList& wanted, platform::Progress& progress) {
    if (wanted.Count() == 0 || videos.RowCount() == 0) return 0;
    platform::ProgressScope scope(progress, wanted.Count(),
                                  "Syncronizing wanted videos list, please wait...");
    const std::unordered_set<std::string> titles = FoldedCells(videos, column_name::kTitle);
    int removed = 0;
    for (int index = 0; index < wanted.Count();) {
        if (titles.count(ToLowerAscii(wanted.Get(index))) != 0) {
            wanted.Delete(index);
            ++removed;
        } else {
            ++index;
        }
        scope.Step();
    }
    return removed;
}

ImageSyncResult SyncImages(const VideoList& videos, const std::string& folder,
                           const ImageUndoCopy& undo, platform::Progress& progress) {
    ImageSyncResult result;
    if (folder.empty()) return result;
    std::error_code error;

    std::vector<ImageFile> files = ListImageFiles(folder);
    {
        platform::ProgressScope scope(progress, static_cast<std::int64_t>(files.size()),
                                      "Syncronizing images and records, please wait...");
        const std::unordered_set<std::string> keys = FoldedCells(videos, column_name::kKey);
        std::vector<std::string> orphans;
        for (const ImageFile& file : files) {
            if (keys.count(ToLowerAscii(file.base)) == 0) orphans.push_back(file.path.string());
        }
        for (const std::string& orphan : undo.KeepBeforeChange(std::move(orphans))) {
            if (fs::remove(orphan, error)) ++result.orphans_deleted;
        }
        scope.Step(static_cast<std::int64_t>(files.size()));
    }

    files = ListImageFiles(folder);
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(files.size()),
                                  "Removing duplicate images, please wait...");
    std::map<std::string, std::vector<const ImageFile*>> by_record;
    std::vector<std::string> older;
    for (const ImageFile& file : files) by_record[file.base].push_back(&file);
    for (auto& [base, images] : by_record) {
        const ImageFile* keep = nullptr;
        fs::file_time_type keep_time{};
        for (const ImageFile* image : images) {
            const fs::file_time_type time = fs::last_write_time(image->path, error);
            if (error) continue;
            if (!keep || time > keep_time || (time == keep_time && image->rank < keep->rank)) {
                keep = image;
                keep_time = time;
            }
        }
        for (const ImageFile* image : images) {
            if (keep && image != keep) older.push_back(image->path.string());
        }
    }
    for (const std::string& image : undo.KeepBeforeChange(std::move(older))) {
        if (fs::remove(image, error)) ++result.duplicates_deleted;
    }
    scope.Step(static_cast<std::int64_t>(files.size()));
    return result;
}

}  // namespace core
