#include "views/details_text.h"

#include <algorithm>

#include "core/text.h"

namespace views {
namespace {

namespace name = core::column_name;

struct Section {
    std::string_view label;
    std::string_view column;
    std::string_view end;
    bool names;  // the cell is a list of names, each a link
};

constexpr Section kSections[] = {
    {"Flagged:\t", name::kFlagValue, "\n\n", false},
    {"Category:\t", name::kCategory, "\n\n", false},
    {"Synopsis:\t", name::kSynopsis, "\n\n", false},
    {"Starring:\t", name::kCast, "\n", true},
    {"Director:\t", name::kDirector, "\n", true},
    {"Producer:\t", name::kProducer, "\n", true},
    {"Writer:\t", name::kWriter, "\n", true},
};

// Every occurrence of `link` in the text becomes a link.
void AddLinks(DetailsText& details, const std::string& link) {
    if (link.empty()) return;
    for (std::size_t found = details.text.find(link); found != std::string::npos;
         found = details.text.find(link, found + link.size())) {
        details.links.push_back({found, link.size(), link});
    }
}

}  // namespace

std::vector<std::string> SplitNames(std::string_view cell) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= cell.size()) {
        std::size_t comma = cell.find(',', start);
        if (comma == std::string_view::npos) comma = cell.size();
        std::string_view name = cell.substr(start, comma - start);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
            name.remove_prefix(1);
        if (!name.empty()) names.emplace_back(name);
        start = comma + 1;
    }
    return names;
}

DetailsText BuildDetailsText(const core::VideoList& list, int row) {
    DetailsText details;
    std::vector<std::string> links;
    for (const Section& section : kSections) {
        const std::string_view cell = list.Cell(row, list.ColumnIndexOf(section.column));
        if (cell.empty()) continue;
        details.text += section.label;
        if (section.column == name::kSynopsis) {
            details.text += core::DecodeLineBreaks(std::string(cell));
        } else {
            details.text += cell;
        }
        details.text += section.end;
        if (section.names) {
            for (std::string& name : SplitNames(cell)) links.push_back(std::move(name));
        } else if (section.column != name::kSynopsis) {
            links.emplace_back(cell);
        }
    }
    std::vector<std::string_view> linked;
    for (const std::string& link : links) {
        if (std::find(linked.begin(), linked.end(), link) != linked.end()) continue;
        linked.push_back(link);
        AddLinks(details, link);
    }
    return details;
}

}  // namespace views
