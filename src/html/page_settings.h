#pragma once

#include <string>

#include "config/service_config.h"
#include "core/text.h"
#include "html/html_theme.h"

// What a generated list page is made of besides its records: the page settings as the HTML
// Page Setup window holds them when Generate is pressed, and the online addresses it links to.
namespace html {

// The window's fields as typed (unsaved edits count) and the current colours.
struct PageSettings {
    std::string title;
    std::string top_margin;
    std::string left_margin;
    std::string font_face;
    std::string font_style;  // as a font picker names it: Regular, Bold, Italic, Bold Italic
    std::string font_size;
    core::Color background = 0;
    core::Color heading = 0;
    core::Color text = 0;
    core::Color link = 0;
    core::Color visited_link = 0;
    core::Color active_link = 0;
    core::Color borders = 0;

    // The fields a theme shows: margins and size in decimal; a size of 0 is no size (empty).
    static PageSettings FromTheme(const HtmlTheme& theme);
};

// The addresses a page links to.
struct PageAddresses {
    std::string list_search;  // a title or category search: "t=" or "c=" and the text follow
    std::string product_site_url;
    std::string product_site_name;

    // The list search is the service's base address (a trailing "/" dropped) followed by
    // "/rd/1.0/action/list.pl?".
    static PageAddresses FromService(const config::ServiceConfig& service);
};

// The values a page is written with, made once before anything is written. Every text below
// has its line breaks, angle brackets and quotes removed: it goes inside markup.
struct PreparedSettings {
    std::string title;        // the title, or "Reeldeck <list name> ()" when it is empty
    std::string top_margin;   // "0" when empty
    std::string left_margin;  // "0" when empty
    std::string font_face;    // "Verdana" when empty
    std::string font_size;    // "10" when empty
    std::string font_style;   // normal, italic, ...
    std::string font_weight;  // normal or bold
    std::string background, heading, text, link, visited_link, active_link, borders;  // "#rrggbb"
};

// A text without line breaks, angle brackets or quotes, so that it cannot leave the markup or
// style value it is written into.
std::string MarkupSafe(std::string text);

// A font picker's style name as a CSS font style and weight: empty or "Regular" is normal and
// normal; a name holding "bold" is bold, italic when it also holds "italic"; any other name,
// lower-cased, is itself the style.
struct CssFont {
    std::string style;
    std::string weight;
};
CssFont CssFontOf(std::string_view style_name);

// `list_name` is "My Videos" or "Wanted Videos".
PreparedSettings PrepareSettings(const PageSettings& settings, std::string_view list_name);

}  // namespace html
