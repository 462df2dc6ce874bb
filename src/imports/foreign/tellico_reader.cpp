#include "imports/tellico_reader.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/text.h"
#include "imports/foreign/base64.h"
#include "imports/foreign/cover_files.h"
#include "imports/foreign/running_time.h"
#include "imports/foreign/table_builder.h"
#include "imports/foreign/xml_values.h"
#include "imports/foreign/zip_archive.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVideoCollection = "3";
// tellico.xml is text; with every image embedded in base64 it is still far below this.
constexpr std::uintmax_t kMaxXmlBytes = 512ull * 1024 * 1024;

// Tellico's fields whose meaning is one of this program's columns, by field name.
const std::unordered_map<std::string_view, std::string_view>& OurColumns() {
    static const std::unordered_map<std::string_view, std::string_view> columns = {
        {"title", "Title"},           {"year", "Year"},         {"certification", "MPAA"},
        {"running-time", "Duration"}, {"genre", "Category"},    {"cast", "Cast"},
        {"director", "Director"},     {"producer", "Producer"}, {"writer", "Writer"},
        {"plot", "Synopsis"},
    };
    return columns;
}

// The titles of a video collection's default fields, which a file declares only as "_default".
const std::unordered_map<std::string, std::string>& DefaultTitles() {
    static const std::unordered_map<std::string, std::string> titles = {
        {"id", "ID"},
        {"cdate", "Date Created"},
        {"mdate", "Date Modified"},
        {"medium", "Medium"},
        {"region", "Region"},
        {"nationality", "Nationality"},
        {"format", "Format"},
        {"composer", "Composer"},
        {"studio", "Studio"},
        {"language", "Language Tracks"},
        {"subtitle", "Subtitle Languages"},
        {"audio-track", "Audio Tracks"},
        {"aspect-ratio", "Aspect Ratio"},
        {"widescreen", "Widescreen"},
        {"color", "Color Mode"},
        {"directors-cut", "Director's Cut"},
        {"rating", "Personal Rating"},
        {"pur_date", "Purchase Date"},
        {"pur_price", "Purchase Price"},
        {"gift", "Gift"},
        {"loaned", "Loaned"},
        {"keyword", "Keywords"},
        {"comments", "Comments"},
    };
    return titles;
}

// "R (USA)" is how Tellico writes an MPAA rating; the rating itself is "R".
std::string RatingOf(std::string certification) {
    constexpr std::string_view kCountry = " (USA)";
    if (certification.size() > kCountry.size() &&
        certification.compare(certification.size() - kCountry.size(), kCountry.size(), kCountry) ==
            0) {
        certification.resize(certification.size() - kCountry.size());
    }
    return certification;
}

// A date field (<year>, <month>, <day>) as this program writes dates: "MM/DD/YYYY".
std::string DateOf(const pugi::xml_node& element) {
    const std::string year = Trimmed(element.child_value("year"));
    if (year.empty()) return {};
    const auto two = [](std::string part) { return part.size() == 1 ? "0" + part : part; };
    const std::string month = Trimmed(element.child_value("month"));
    const std::string day = Trimmed(element.child_value("day"));
    return two(month.empty() ? "1" : month) + "/" + two(day.empty() ? "1" : day) + "/" + year;
}

class TellicoRead {
  public:
    TellicoRead(const fs::path& file, const fs::path& cover_folder)
        : file_(file), covers_(cover_folder) {}

    core::FileResult Run(ForeignTable* table) {
        std::string reason;
        if (!zip_.Open(file_, &reason)) return Fail(reason);
        std::string xml;
        switch (zip_.ReadEntry("tellico.xml", kMaxXmlBytes, &xml, &reason)) {
            case ZipArchive::Read::kOk:
                break;
            case ZipArchive::Read::kMissing:
                return Fail("not a Tellico data file: the archive holds no tellico.xml");
            default:
                return Fail(reason);
        }
        pugi::xml_document document;
        const pugi::xml_parse_result parsed = document.load_buffer(xml.data(), xml.size());
        if (!parsed) return Fail("tellico.xml: " + BrokenXmlReason(parsed));
        const pugi::xml_node collection = document.child("tellico").child("collection");
        if (!collection) return Fail("not a Tellico data file: tellico.xml holds no collection");
        const std::string type = collection.attribute("type").value();
        if (type != kVideoCollection) {
            return Fail("not a video collection (Tellico collection type \"" + type +
                        "\"; video collections are type 3)");
        }
        ReadFieldTitles(collection.child("fields"));
        IndexImages(collection.child("images"));
        IndexImages(document.child("tellico").child("images"));
        for (const pugi::xml_node& entry : collection.children("entry")) {
            core::FileResult result = ReadEntry(entry);
            if (!result) return result;
        }
        const auto rows = static_cast<std::int64_t>(builder_.RowCount());
        *table = builder_.Take();
        covers_.Keep();
        return core::FileResult::Success(rows);
    }

  private:
    core::FileResult Fail(const std::string& reason) const {
        return core::FileResult::Failure(file_.string(), reason);
    }

    void ReadFieldTitles(const pugi::xml_node& fields) {
        for (const pugi::xml_node& field : fields.children("field")) {
            const std::string title = Trimmed(field.attribute("title").value());
            if (!title.empty()) titles_[field.attribute("name").value()] = title;
        }
    }

    void IndexImages(const pugi::xml_node& images) {
        for (const pugi::xml_node& image : images.children("image")) {
            images_.try_emplace(image.attribute("id").value(), image);
        }
    }

    std::string TitleOf(const std::string& name) const {
        if (const auto it = titles_.find(name); it != titles_.end()) return it->second;
        if (const auto it = DefaultTitles().find(name); it != DefaultTitles().end()) {
            return it->second;
        }
        return name;
    }

    core::FileResult ReadEntry(const pugi::xml_node& entry) {
        builder_.BeginRow();
        for (const pugi::xml_node& element : entry.children()) {
            if (element.type() != pugi::node_element) continue;
            // A list is written as a plural element around items named by the field.
            const pugi::xml_node item = element.find_child(
                [](const pugi::xml_node& node) { return node.type() == pugi::node_element; });
            const bool is_date = static_cast<bool>(element.child("year"));
            const std::string name = item && !is_date ? item.name() : element.name();
            const std::string value = is_date ? DateOf(element) : CellOf(element);
            if (name == "seen") {
                builder_.SetSeen(IsTicked(value));
            } else if (name == "cover") {
                core::FileResult result = ReadCover(value);
                if (!result) return result;
            } else if (const auto ours = OurColumns().find(name); ours != OurColumns().end()) {
                builder_.Set(std::string(ours->second), name == "certification" ? RatingOf(value)
                                                        : name == "running-time"
                                                            ? DurationOfRunningTime(value)
                                                            : value);
            } else {
                builder_.Set(TitleOf(name), value);
            }
        }
        return core::FileResult::Success();
    }

    // The cover names an image kept in the file's <images> section (base64) or in the
    // archive's images/ folder. A cover that is missing, damaged or too large is skipped.
    core::FileResult ReadCover(const std::string& id) {
        if (id.empty() || id.find('/') != std::string::npos || id.find('\\') != std::string::npos) {
            return core::FileResult::Success(0);
        }
        const std::size_t row = builder_.RowCount() - 1;
        std::string bytes;
        std::string extension = CoverExtension(id);
        if (const auto it = images_.find(id); it != images_.end()) {
            const std::string_view text = it->second.child_value();
            if (text.size() / 4 * 3 > kMaxCoverBytes) return core::FileResult::Success(0);
            std::optional<std::string> decoded = DecodeBase64(text);
            if (!decoded) return core::FileResult::Success(0);
            bytes = std::move(*decoded);
            if (extension.empty()) {
                extension =
                    CoverExtension(std::string(".") + it->second.attribute("format").value());
            }
        } else {
            std::string reason;
            if (zip_.ReadEntry("images/" + id, kMaxCoverBytes, &bytes, &reason) !=
                ZipArchive::Read::kOk) {
                return core::FileResult::Success(0);
            }
        }
        if (extension.empty()) return core::FileResult::Success(0);
        fs::path cover;
        core::FileResult written = covers_.Write(row, extension, bytes, &cover);
        if (written) builder_.SetCover(cover);
        return written;
    }

    fs::path file_;
    ZipArchive zip_;
    CoverWriter covers_;
    TableBuilder builder_;
    std::unordered_map<std::string, std::string> titles_;
    std::unordered_map<std::string, pugi::xml_node> images_;
};

}  // namespace

core::FileResult ReadTellico(const fs::path& file, const fs::path& cover_folder,
                             ForeignTable* table) {
    TellicoRead read(file, cover_folder);
    return read.Run(table);
}

}  // namespace imports
