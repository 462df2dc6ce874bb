#include "core/wanted_file.h"

#include <cerrno>
#include <vector>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace core {

FileResult ReadWanted(std::istream& in, WantedList& wanted, bool move_leading_article,
                      platform::Progress& progress, std::string_view progress_text) {
    std::vector<std::string> titles;
    LineReader lines(in);
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty()) continue;
        titles.emplace_back(line);
    }
    if (lines.Failed()) return FileResult::Failure({}, SystemErrorText(EIO));
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(titles.size()), progress_text);
    for (std::string& title : titles) {
        wanted.Add(move_leading_article ? MoveLeadingArticle(std::move(title)) : std::move(title));
        scope.Step();
    }
    return FileResult::Success(static_cast<std::int64_t>(titles.size()));
}

FileResult ReadWanted(WantedList& wanted, const std::string& path, bool move_leading_article,
                      platform::Progress& progress) {
    return ReadFileWith(path, [&](std::istream& in) {
        if (FileSize(path) == 0) return FileResult::Success(0);
        return ReadWanted(in, wanted, move_leading_article, progress, "Reading " + path);
    });
}

FileResult WriteWanted(const WantedList& wanted, std::ostream& out, platform::Progress& progress,
                       std::string_view progress_text) {
    platform::ProgressScope scope(progress, wanted.Count(), progress_text);
    for (const std::string& title : wanted.Titles()) {
        // One title per line: a line break that reached a title is left out, or the title
        // would come back as two.
        if (title.find_first_of("\r\n") != std::string::npos) {
            const std::string one_line = RemoveLineBreaks(title);
            out.write(one_line.data(), static_cast<std::streamsize>(one_line.size()));
        } else {
            out.write(title.data(), static_cast<std::streamsize>(title.size()));
        }
        out.put('\n');
        scope.Step();
    }
    if (!out) return FileResult::Failure({}, SystemErrorText(EIO));
    return FileResult::Success();
}

FileResult WriteWanted(const WantedList& wanted, const std::string& path,
                       platform::Progress& progress, FileSystemCalls& calls) {
    return WriteFileSafely(
        path, [&](std::ostream& out) { return WriteWanted(wanted, out, progress, "Saving " + path); },
        0666,
        calls);
}

}  // namespace core
