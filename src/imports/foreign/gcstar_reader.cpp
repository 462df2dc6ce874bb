#include "imports/gcstar_reader.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/read_file.h"
#include "core/text.h"
#include "imports/foreign/cover_files.h"
#include "imports/foreign/running_time.h"
#include "imports/foreign/table_builder.h"
#include "imports/foreign/xml_values.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFilmCollection = "GCfilms";

// GCstar's film fields whose meaning is one of this program's columns, by field name. Older
// files write the release year as "year" and the running time as "length".
const std::unordered_map<std::string_view, std::string_view>& OurColumns() {
    static const std::unordered_map<std::string_view, std::string_view> columns = {
        {"title", "Title"},       {"date", "Year"},          {"year", "Year"},
        {"age", "MPAA"},          {"certification", "MPAA"}, {"time", "Duration"},
        {"length", "Duration"},   {"genre", "Category"},     {"actors", "Cast"},
        {"director", "Director"}, {"producer", "Producer"},  {"writer", "Writer"},
        {"synopsis", "Synopsis"},
    };
    return columns;
}

// The labels GCstar shows for its other film fields; a field not listed keeps its own name. No
// label may contain one of our column names: the wizard's default pairing matches names that
// contain each other, and a later field takes the row from an earlier one ("Original Title"
// would take the Title row from the film's own title).
const std::unordered_map<std::string, std::string>& Labels() {
    static const std::unordered_map<std::string, std::string> labels = {
        {"original", "Original"},
        {"country", "Nationality"},
        {"format", "Format"},
        {"number", "Number"},
        {"place", "Location"},
        {"rating", "Personal Rating"},
        {"ratingpress", "Press Rating"},
        {"added", "Added"},
        {"webPage", "Web Page"},
        {"audio", "Audio"},
        {"subt", "Subtitles"},
        {"serie", "Collection"},
        {"rank", "Rank"},
        {"trailer", "Trailer"},
        {"video", "Video"},
        {"comment", "Comments"},
        {"borrower", "Borrower"},
        {"lendDate", "Lending Date"},
        {"tags", "Tags"},
        {"favourite", "Favourite"},
    };
    return labels;
}

// Fields that are GCstar's own bookkeeping, not facts about the film.
bool IsBookkeeping(std::string_view name) {
    return name == "id" || name == "backpic" || name == "borrowings";
}

// The last four-digit run of a release date ("25/05/1979", "1979-05-25", "1979").
std::string YearOf(std::string_view date) {
    for (std::size_t end = date.size(); end >= 4; --end) {
        bool digits = true;
        for (std::size_t i = end - 4; i < end && digits; ++i) {
            digits = date[i] >= '0' && date[i] <= '9';
        }
        const bool bounded = (end == date.size() || date[end] < '0' || date[end] > '9') &&
                             (end == 4 || date[end - 5] < '0' || date[end - 5] > '9');
        if (digits && bounded) return std::string(date.substr(end - 4, 4));
    }
    return {};
}

// GCstar's age rating is a number: 0 unknown, 1 no restriction, 2 parental guidance, otherwise
// the minimum age.
std::string RatingOfAge(const std::string& age) {
    if (age.empty() || age.find_first_not_of("0123456789") != std::string::npos) return age;
    const int years = core::ParseLeadingInt(age);
    if (years == 0) return {};
    if (years == 1) return "All ages";
    if (years == 2) return "Parental guidance";
    return std::to_string(years) + "+";
}

class GcstarRead {
  public:
    GcstarRead(const fs::path& file, const fs::path& cover_folder)
        : file_(file), covers_(cover_folder) {}

    core::FileResult Run(ForeignTable* table) {
        pugi::xml_document document;
        core::FileResult loaded = core::ReadFileWith(file_.string(), [&](std::istream& in) {
            const pugi::xml_parse_result parsed = document.load(in);
            if (!parsed) return core::FileResult::Failure(file_.string(), BrokenXmlReason(parsed));
            return core::FileResult::Success();
        });
        if (!loaded) return loaded;
        const pugi::xml_node collection = document.child("collection");
        if (!collection) return Fail("not a GCstar collection: no <collection> element");
        const std::string type = collection.attribute("type").value();
        if (type != kFilmCollection) {
            return Fail("not a film collection (GCstar collection type \"" + type +
                        "\"; film collections are GCfilms)");
        }
        for (const pugi::xml_node& item : collection.children("item")) {
            builder_.BeginRow();
            for (const pugi::xml_attribute& attribute : item.attributes()) {
                core::FileResult result = Take(attribute.name(), Trimmed(attribute.value()));
                if (!result) return result;
            }
            for (const pugi::xml_node& element : item.children()) {
                if (element.type() != pugi::node_element) continue;
                core::FileResult result = Take(element.name(), CellOf(element));
                if (!result) return result;
            }
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

    core::FileResult Take(const std::string& name, std::string value) {
        if (IsBookkeeping(name)) return core::FileResult::Success();
        if (name == "seen") {
            builder_.SetSeen(IsTicked(value));
        } else if (name == "image") {
            return CopyCover(value);
        } else if (const auto ours = OurColumns().find(name); ours != OurColumns().end()) {
            const std::string_view column = ours->second;
            if (column == "Year") value = YearOf(value);
            if (column == "Duration") value = DurationOfRunningTime(value);
            if (name == "age") value = RatingOfAge(value);
            builder_.Set(std::string(column), std::move(value));
        } else {
            const auto label = Labels().find(name);
            builder_.Set(label != Labels().end() ? label->second : name, std::move(value));
        }
        return core::FileResult::Success();
    }

    // The image is a path, relative to the collection's folder or absolute; a web address or
    // a file that is not there leaves the row without a cover.
    core::FileResult CopyCover(const std::string& value) {
        if (value.empty() || value.find("://") != std::string::npos) {
            return core::FileResult::Success(0);
        }
        fs::path source(value);
        if (source.is_relative()) source = file_.parent_path() / source;
        fs::path cover;
        core::FileResult copied = covers_.Copy(builder_.RowCount() - 1, source, &cover);
        if (copied && !cover.empty()) builder_.SetCover(cover);
        return copied;
    }

    fs::path file_;
    CoverWriter covers_;
    TableBuilder builder_;
};

}  // namespace

core::FileResult ReadGcstar(const fs::path& file, const fs::path& cover_folder,
                            ForeignTable* table) {
    GcstarRead read(file, cover_folder);
    return read.Run(table);
}

}  // namespace imports
