#include "imports/wanted_import.h"

#include <fstream>
#include <unordered_set>
#include <vector>

#include "app/record_storing.h"
#include "core/line_reader.h"
#include "core/paths.h"
#include "core/text.h"
#include "imports/import_undo.h"

namespace imports {

ImportResult ImportWanted(app::Session& session, const std::string& path, bool place_the_in_back,
                          platform::Progress& progress, bool undo_copy) {
    ImportResult result;
    result.icon = platform::Icon::kWarning;
    if (!session.CanChange()) {
        result.message = "This database is open for reading only: records cannot be imported.";
        return result;
    }
    std::vector<std::string> titles;
    std::ifstream in(path, std::ios::binary);
    int error_number = in.is_open() ? 0 : errno;
    if (in.is_open()) {
        core::LineReader lines(in);
        std::string_view line;
        while (lines.Next(line)) {
            if (!line.empty()) titles.push_back(app::CleanCell(std::string(line)));
        }
        if (lines.Failed()) error_number = EIO;
    }
    if (error_number != 0) {
        const core::FileResult failure =
            core::FileResult::Failure(path, core::SystemErrorText(error_number));
        result.message = std::string(kErrorReadingImportFile) + "\n" + failure.Describe() + ".";
        return result;
    }
    if (undo_copy) {
        const core::FileResult copy = TakeWantedUndo(session);
        if (!copy) {
            result.message = core::FormatText(
                "Error saving the undo copy of Wanted Videos:\n%s.\n%s.", {copy.path, copy.reason});
            result.icon = platform::Icon::kError;
            return result;
        }
    }
    std::unordered_set<std::string> listed;
    for (const std::string& title : session.Wanted.Titles())
        listed.insert(core::ToLowerAscii(title));
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(titles.size()),
                                  "Importing " + path);
    for (std::string& title : titles) {
        scope.Step();
        if (place_the_in_back) title = core::MoveLeadingArticle(std::move(title));
        if (title.empty() || !listed.insert(core::ToLowerAscii(title)).second) {
            ++result.duplicates;
            continue;
        }
        session.Wanted.Add(std::move(title));
        ++result.imported;
    }
    result.ok = true;
    result.icon = platform::Icon::kInformation;
    if (result.imported > 0) session.Modified = true;
    session.NotifyListsChanged();
    const std::string added = std::to_string(result.imported);
    result.message =
        result.duplicates == 0
            ? core::FormatText("%d %s", {added, "records imported successfully."})
            : core::FormatText("%d %s%d %s",
                               {added, "records imported. (", std::to_string(result.duplicates),
                                "records matched existing\nrecords and were not imported)"});
    return result;
}

}  // namespace imports
