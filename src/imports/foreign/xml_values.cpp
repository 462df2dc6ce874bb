#include "imports/foreign/xml_values.h"

#include "core/text.h"

namespace imports {

std::string Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kSpace) - first + 1));
}

std::string CellOf(const pugi::xml_node& element) {
    const pugi::xml_node first_item = element.find_child(
        [](const pugi::xml_node& node) { return node.type() == pugi::node_element; });
    if (!first_item) return Trimmed(element.child_value());
    std::string cell;
    for (const pugi::xml_node& item : element.children()) {
        if (item.type() != pugi::node_element) continue;
        const pugi::xml_node column = item.find_child(
            [](const pugi::xml_node& node) { return node.type() == pugi::node_element; });
        const std::string value = Trimmed(column ? column.child_value() : item.child_value());
        if (value.empty()) continue;
        if (!cell.empty()) cell += ", ";
        cell += value;
    }
    return cell;
}

bool IsTicked(std::string_view value) {
    return core::EqualsNoCase(value, "true") || value == "1" || core::EqualsNoCase(value, "yes");
}

std::string BrokenXmlReason(const pugi::xml_parse_result& result) {
    return "broken XML at byte " + std::to_string(result.offset) + " (" + result.description() +
           ")";
}

}  // namespace imports
