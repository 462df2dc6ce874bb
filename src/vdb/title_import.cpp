#include "vdb/title_import.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <map>

#include "core/paths.h"
#include "core/text.h"
#include "vdb/csv_reader.h"

namespace vdb {
namespace {

constexpr std::int64_t kMaxCoverBytes = 4 * 1024 * 1024;

enum class Field {
    kTitle,
    kYear,
    kDuration,
    kMpaa,
    kCast,
    kDirector,
    kProducer,
    kWriter,
    kCategory,
    kSynopsis,
    kCover
};

std::optional<Field> FieldNamed(std::string_view name) {
    static const std::array<std::pair<std::string_view, Field>, 12> kNames = {{
        {"Title", Field::kTitle},
        {"Year", Field::kYear},
        {"Duration", Field::kDuration},
        {"MPAA", Field::kMpaa},
        {"MPAA Rating", Field::kMpaa},
        {"Cast", Field::kCast},
        {"Director", Field::kDirector},
        {"Producer", Field::kProducer},
        {"Writer", Field::kWriter},
        {"Category", Field::kCategory},
        {"Synopsis", Field::kSynopsis},
        {"Cover", Field::kCover},
    }};
    for (const auto& [known, field] : kNames) {
        if (core::EqualsNoCase(name, known)) return field;
    }
    return std::nullopt;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

// The picture's bytes and its kind, told by its first bytes, not by its name.
std::string ReadCover(const std::string& path, Cover& cover) {
    const std::int64_t size = core::FileSize(path);
    if (size < 0) return "cannot read the cover " + path;
    if (size > kMaxCoverBytes) return "the cover " + path + " is larger than 4 MB";
    std::ifstream in(path, std::ios::binary);
    cover.bytes.resize(static_cast<std::size_t>(size));
    if (!in.read(cover.bytes.data(), size)) return "cannot read the cover " + path;
    if (core::StartsWith(cover.bytes, "\xFF\xD8\xFF")) {
        cover.extension = "jpg";
    } else if (core::StartsWith(cover.bytes, "GIF8")) {
        cover.extension = "gif";
    } else if (core::StartsWith(cover.bytes, "BM")) {
        cover.extension = "bmp";
    } else {
        return "the cover " + path + " is not a JPEG, GIF or BMP picture";
    }
    return {};
}

}  // namespace

std::optional<std::string> NormalDuration(std::string_view text) {
    if (text.empty()) return std::string();
    long long seconds = 0;
    if (AllDigits(text) && text.size() <= 5) {
        seconds = core::ParseLeadingLong(text) * 60;
    } else {
        const std::size_t first = text.find(':');
        const std::size_t second = text.find(':', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos)
            return std::nullopt;
        const std::string_view h = text.substr(0, first);
        const std::string_view m = text.substr(first + 1, second - first - 1);
        const std::string_view s = text.substr(second + 1);
        if (!AllDigits(h) || h.size() > 3 || !AllDigits(m) || m.size() != 2 || !AllDigits(s) ||
            s.size() != 2 || core::ParseLeadingInt(m) > 59 || core::ParseLeadingInt(s) > 59) {
            return std::nullopt;
        }
        seconds = core::ParseLeadingLong(h) * 3600 + core::ParseLeadingInt(m) * 60 +
                  core::ParseLeadingInt(s);
    }
    if (seconds >= 100 * 3600) return std::nullopt;
    char normal[64];
    std::snprintf(normal, sizeof normal, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return std::string(normal);
}

TitlesRead ReadTitles(std::istream& in, const std::string& file_name,
                      const std::string& cover_folder) {
    TitlesRead read;
    CsvReader csv(in);
    std::vector<std::string> fields;
    const auto fail = [&](const std::string& reason) {
        read.titles.clear();
        read.error = file_name + ", line " + std::to_string(csv.line()) + ": " + reason;
        return read;
    };
    if (!csv.Next(fields)) {
        read.error = file_name + ": " + (csv.error().empty() ? "the file is empty" : csv.error());
        return read;
    }
    std::vector<Field> columns;
    for (const std::string& name : fields) {
        const std::optional<Field> field = FieldNamed(name);
        if (!field) return fail("unknown column \"" + name + "\" in the header");
        for (Field known : columns) {
            if (known == *field) return fail("the column \"" + name + "\" is named twice");
        }
        columns.push_back(*field);
    }
    bool has_title = false;
    for (Field field : columns) has_title = has_title || field == Field::kTitle;
    if (!has_title) return fail("the header has no Title column");

    while (csv.Next(fields)) {
        if (fields.size() == 1 && fields[0].empty()) continue;  // a blank line
        if (fields.size() != columns.size()) {
            return fail(std::to_string(fields.size()) + " fields where the header has " +
                        std::to_string(columns.size()));
        }
        NewTitle title;
        TitleText& t = title.text;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string& value = fields[i];
            switch (columns[i]) {
                case Field::kTitle:
                    t.title = std::move(value);
                    break;
                case Field::kYear:
                    if (!value.empty() && (!AllDigits(value) || value.size() > 4)) {
                        return fail("the Year \"" + value + "\" is not a year");
                    }
                    t.year = std::move(value);
                    break;
                case Field::kDuration: {
                    const std::optional<std::string> duration = NormalDuration(value);
                    if (!duration) {
                        return fail("the Duration \"" + value +
                                    "\" is neither minutes nor h:mm:ss");
                    }
                    t.duration = *duration;
                    break;
                }
                case Field::kMpaa:
                    t.mpaa = std::move(value);
                    break;
                case Field::kCast:
                    t.cast = std::move(value);
                    break;
                case Field::kDirector:
                    t.director = std::move(value);
                    break;
                case Field::kProducer:
                    t.producer = std::move(value);
                    break;
                case Field::kWriter:
                    t.writer = std::move(value);
                    break;
                case Field::kCategory:
                    t.category = std::move(value);
                    break;
                case Field::kSynopsis:
                    t.synopsis = std::move(value);
                    break;
                case Field::kCover:
                    if (!value.empty()) {
                        Cover cover;
                        const std::string path =
                            value.front() == '/' ? value : core::JoinPath(cover_folder, value);
                        if (std::string error = ReadCover(path, cover); !error.empty()) {
                            return fail(error);
                        }
                        title.cover = std::move(cover);
                    }
                    break;
            }
        }
        if (t.title.empty()) return fail("the Title is empty");
        read.titles.push_back(std::move(title));
    }
    if (!csv.error().empty()) {
        read.titles.clear();
        read.error = file_name + ": " + csv.error();
    } else if (in.bad()) {
        read.titles.clear();
        read.error = file_name + ": the file could not be read to its end";
    }
    return read;
}

TitlesRead ReadTitlesFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, path + ": " + core::SystemErrorText(errno)};
    const std::string folder = core::ParentFolderOf(path);
    return ReadTitles(in, path, folder.empty() ? "." : folder);
}

}  // namespace vdb
