#include "core/main_file_check.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "core/paths.h"
#include "core/video_column.h"

namespace core {
namespace {

// A block is 23 slot lines and its closing empty line.
constexpr int kBlockLines = kSlotCount + 1;
// Enough for the first block of any real database; a longer one is given the benefit of the
// doubt.
constexpr std::size_t kMostBytesRead = std::size_t{2} << 20;
constexpr std::size_t kChunk = std::size_t{64} << 10;
constexpr std::size_t kLongestKey = 20;

bool IsKey(std::string_view line) {
    if (!line.empty() && line.front() == '-') line.remove_prefix(1);
    return !line.empty() && line.size() <= kLongestKey &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The first `most` lines of `text`, without their line ends. The last line of a file needs no
// line feed; the unfinished last line of a part of a file is no line yet.
std::vector<std::string_view> FirstLines(std::string_view text, bool whole_file, int most) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (static_cast<int>(lines.size()) < most && start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (whole_file) lines.push_back(text.substr(start));
            break;
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool HasNul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

bool LooksLikeRecords(std::string_view text, bool whole_file) {
    const std::vector<std::string_view> lines = FirstLines(text, whole_file, kBlockLines);
    if (!lines.empty() && IsKey(lines.front())) return true;
    // A Key of another form: the block must have the shape the writer gives it, and no NUL
    // byte, which a text file never holds but every picture and most other files do.
    if (lines.size() == kBlockLines) {
        const std::string_view block(text.data(), lines.back().data() - text.data());
        return lines.back().empty() && !HasNul(block);
    }
    if (!whole_file) return !HasNul(text);  // a first block too long to judge
    return std::all_of(lines.begin(), lines.end(), [](std::string_view l) { return l.empty(); });
}

}  // namespace

FileResult CheckMainFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return FileResult::Failure(path, SystemErrorText(EISDIR));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileResult::Failure(path, SystemErrorText(errno == 0 ? ENOENT : errno));
    std::string text;
    int line_ends = 0;
    while (line_ends < kBlockLines && text.size() < kMostBytesRead) {
        const std::size_t start = text.size();
        text.resize(start + kChunk);
        in.read(text.data() + start, static_cast<std::streamsize>(kChunk));
        text.resize(start + static_cast<std::size_t>(in.gcount()));
        line_ends += static_cast<int>(
            std::count(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), '\n'));
        if (!in) break;
    }
    if (in.bad()) return FileResult::Failure(path, SystemErrorText(EIO));
    if (!LooksLikeRecords(text, in.eof())) {
        return FileResult::Failure(path, "The file is not a Reeldeck database");
    }
    return FileResult::Success();
}

}  // namespace core
