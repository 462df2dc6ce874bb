#include "core/sort_state_file.h"

#include <cerrno>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace core {

FileResult ReadSortState(std::istream& in, SortState& state) {
    LineReader lines(in, 256);
    std::string_view line;
    if (lines.Next(line)) state.column = ParseLeadingInt(line);
    if (lines.Next(line)) state.direction = ParseLeadingInt(line);
    if (lines.Failed()) return FileResult::Failure({}, SystemErrorText(EIO));
    return FileResult::Success();
}

FileResult ReadSortState(SortState& state, const std::string& path) {
    return ReadFileWith(path, [&](std::istream& in) { return ReadSortState(in, state); });
}

FileResult WriteSortState(const SortState& state, const std::string& path, FileSystemCalls& calls) {
    return WriteFileSafely(
        path,
        [&](std::ostream& out) {
            out << state.column << '\n' << state.direction;
            return FileResult::Success();
        },
        0666, calls);
}

}  // namespace core
