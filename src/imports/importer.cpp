#include "imports/importer.h"

#include <filesystem>

#include "app/image_undo.h"
#include "app/sort_commands.h"
#include "core/database_files.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"
#include "imports/import_undo.h"
#include "imports/staging.h"

namespace imports {
namespace fs = std::filesystem;
namespace {

ImportResult Failed(std::string message, platform::Icon icon = platform::Icon::kWarning) {
    ImportResult result;
    result.message = std::move(message);
    result.icon = icon;
    return result;
}

std::string ReadErrorText(const core::FileResult& read) {
    return std::string(kErrorReadingImportFile) + "\n" + read.Describe() + ".";
}

core::FileResult Stage(const app::Session& session, const ImportRequest& request,
                       platform::Progress& progress, StagedImport* staged) {
    switch (request.kind) {
        case SourceKind::kReeldeck:
            return StageDatabase(session.Videos, session.clock, request, progress, staged);
        case SourceKind::kFilmfolio:
            return StageFilmfolio(session.Videos, session.clock, request, progress, staged);
        case SourceKind::kCsv:
            return StageCsv(session.Videos, session.clock, request, progress, staged);
        case SourceKind::kTable:
            return StageTable(session.Videos, session.clock, request, progress, staged);
    }
    return core::FileResult::Failure(request.source_path, "Unknown kind of source");
}

// A cover as the record's image: "<Key>.<ext>" for the image types, or a JPEG made by the
// converter. An existing file is left as it is. False when the cover could not be used.
bool StoreCover(const fs::path& cover, const std::string& key, const std::string& folder,
                platform::ImageConverter* converter) {
    std::string extension = core::ToLowerAscii(cover.extension().string());
    if (!extension.empty()) extension.erase(0, 1);
    if (extension == "jpeg") extension = "jpg";
    const bool image_type = extension == "jpg" || extension == "gif" || extension == "bmp";
    const std::string target = core::JoinPath(folder, key + "." + (image_type ? extension : "jpg"));
    if (core::FileExists(target)) return true;
    if (image_type) return static_cast<bool>(core::CopyFileSafely(cover.string(), target));
    return converter && converter->ConvertToJpeg(cover.string(), target);
}

void CopyImages(app::Session& session, const ImportRequest& request, const StagedImport& staged,
                platform::Progress& progress, ImportResult& result) {
    if (!request.options.images || session.ImageFolder.empty()) return;
    std::error_code error;
    fs::create_directories(session.ImageFolder, error);
    if (request.kind == SourceKind::kCsv) return;  // a CSV file names no images
    if (request.kind != SourceKind::kTable) {
        if (request.options.image_folder.empty()) return;
        for (std::string_view extension : {"gif", "jpg", "bmp"}) {
            core::CopyImages(request.options.image_folder, session.ImageFolder, true, extension,
                             app::ImageUndoOf(session), progress);
        }
        return;
    }
    const int key_index = session.Videos.ColumnIndexOf(core::column_name::kKey);
    for (std::size_t i = 0; i < staged.covers.size(); ++i) {
        if (staged.covers[i].empty()) continue;
        const std::string key(staged.records[i].Cell(key_index));
        if (!StoreCover(staged.covers[i], key, session.ImageFolder, request.converter)) {
            ++result.covers_left_out;
        }
    }
}

}  // namespace

std::string ImportMessage(const ImportResult& result) {
    const std::string imported = std::to_string(result.imported);
    std::string message =
        result.duplicates == 0
            ? core::FormatText("%d %s", {imported, "records imported successfully."})
            : core::FormatText("%d %s%d %s",
                               {imported, "records imported. (", std::to_string(result.duplicates),
                                "duplicate record keys were found\nand were not imported)"});
    if (result.rekeyed > 0) {
        message += core::FormatText("\n\n%d %s", {std::to_string(result.rekeyed),
                                                  "records without a valid key were given new "
                                                  "keys."});
    }
    if (result.covers_left_out > 0) {
        message += core::FormatText("\n\n%d %s", {std::to_string(result.covers_left_out),
                                                  "cover images could not be copied."});
    }
    return message;
}

ImportResult RunImport(app::Session& session, const ImportRequest& request,
                       platform::Progress& progress) {
    if (!session.IsOpen()) return Failed("No database is open.");
    if (!session.CanChange()) {
        return Failed("This database is open for reading only: records cannot be imported.");
    }
    StagedImport staged;
    const core::FileResult read = Stage(session, request, progress, &staged);
    if (!read) return Failed(ReadErrorText(read));

    if (request.options.undo_copy) {
        const core::FileResult copy = TakeMyVideosUndo(session, progress);
        if (!copy) {
            return Failed(core::FormatText("Error saving the undo copy of My Videos:\n%s.\n%s.",
                                           {copy.path, copy.reason}),
                          platform::Icon::kError);
        }
    }
    ImportResult result;
    result.ok = true;
    result.imported = static_cast<int>(staged.records.size());
    result.duplicates = staged.duplicates;
    result.rekeyed = staged.rekeyed;

    CopyImages(session, request, staged, progress, result);
    core::VideoList& videos = session.Videos;
    videos.ReserveRows(static_cast<std::size_t>(videos.RowCount()) + staged.records.size());
    for (core::VideoRecord& record : staged.records) {
        record.LoadOrder = videos.RowCount();
        videos.AppendRow(std::move(record));
    }
    app::SortVideos(session, session.Sort.column, session.Sort.direction);
    session.Modified = true;
    session.NotifyListsChanged();
    result.message = ImportMessage(result);
    return result;
}

}  // namespace imports
