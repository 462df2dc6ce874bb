#include "html/page_settings.h"

namespace html {
namespace {

std::string OrDefault(const std::string& text, const char* fallback) {
    return MarkupSafe(text.empty() ? std::string(fallback) : text);
}

}  // namespace

PageSettings PageSettings::FromTheme(const HtmlTheme& theme) {
    PageSettings settings;
    settings.title = theme.title;
    settings.top_margin = std::to_string(theme.top_margin);
    settings.left_margin = std::to_string(theme.left_margin);
    settings.font_face = theme.font_face;
    settings.font_style = theme.font_style;
    settings.font_size = theme.font_size > 0 ? std::to_string(theme.font_size) : std::string();
    settings.background = theme.background;
    settings.heading = theme.heading;
    settings.text = theme.text;
    settings.link = theme.link;
    settings.visited_link = theme.visited_link;
    settings.active_link = theme.active_link;
    settings.borders = theme.borders;
    return settings;
}

PageAddresses PageAddresses::FromService(const config::ServiceConfig& service) {
    std::string base = service.base_url;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return {base + "/rd/1.0/action/list.pl?", service.product_site_url, service.product_site_name};
}

std::string MarkupSafe(std::string text) {
    text = core::RemoveAngleBrackets(core::RemoveNewlines(std::move(text)));
    return core::RemoveChar(core::RemoveChar(std::move(text), '"'), '\'');
}

CssFont CssFontOf(std::string_view style_name) {
    if (style_name.empty() || core::EqualsNoCase(style_name, "Regular"))
        return {"normal", "normal"};
    const std::string lower = core::ToLowerAscii(std::string(style_name));
    if (lower.find("bold") == std::string::npos) return {MarkupSafe(lower), "normal"};
    return {lower.find("italic") != std::string::npos ? "italic" : "normal", "bold"};
}

PreparedSettings PrepareSettings(const PageSettings& settings, std::string_view list_name) {
    PreparedSettings prepared;
    prepared.title =
        settings.title.empty() ? "Reeldeck " + std::string(list_name) + " ()" : settings.title;
    prepared.title = MarkupSafe(std::move(prepared.title));
    prepared.top_margin = OrDefault(settings.top_margin, "0");
    prepared.left_margin = OrDefault(settings.left_margin, "0");
    prepared.font_face = OrDefault(settings.font_face, "Verdana");
    prepared.font_size = OrDefault(settings.font_size, "10");

    const CssFont font = CssFontOf(settings.font_style);
    prepared.font_style = font.style;
    prepared.font_weight = font.weight;

    prepared.background = core::ColorToHtml(settings.background);
    prepared.heading = core::ColorToHtml(settings.heading);
    prepared.text = core::ColorToHtml(settings.text);
    prepared.link = core::ColorToHtml(settings.link);
    prepared.visited_link = core::ColorToHtml(settings.visited_link);
    prepared.active_link = core::ColorToHtml(settings.active_link);
    prepared.borders = core::ColorToHtml(settings.borders);
    return prepared;
}

}  // namespace html
