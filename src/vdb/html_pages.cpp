#include "vdb/html_pages.h"

#include <cstdio>

#include "vdb/cover_names.h"

namespace vdb {
namespace {

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:16px;color:#222;background:#fafafa}"
    "h1{font-size:1.4em;margin:0 0 8px}table{border-collapse:collapse}"
    "td,th{padding:3px 8px;text-align:left;vertical-align:top}"
    "tr:nth-child(even){background:#eee}.cover{float:left;margin:0 16px 8px 0;"
    "box-shadow:0 1px 4px #888}.field{color:#666}.stars{color:#c80}"
    "nav a{margin-right:12px}";

std::string Row(std::string_view label, std::string_view value) {
    if (value.empty()) return {};
    return "<tr><td class=\"field\">" + HtmlEscape(label) + "</td><td>" + HtmlEscape(value) +
           "</td></tr>\n";
}

// Line breaks, real or stored as "~", as the reader expects them.
std::string WithLineBreaks(std::string_view text) {
    std::string html;
    for (char c : HtmlEscape(text)) {
        if (c == '~' || c == '\n') {
            html += "<br>";
        } else if (c != '\r') {
            html += c;
        }
    }
    return html;
}

std::string RatingText(const Title& title) {
    if (title.rating_count == 0) return "Not rated yet";
    const double average =
        static_cast<double>(title.rating_sum) / static_cast<double>(title.rating_count);
    char text[96];
    std::snprintf(text, sizeof text, "%.1f of 5 (%lld %s)", average,
                  static_cast<long long>(title.rating_count),
                  title.rating_count == 1 ? "rating" : "ratings");
    const int full = static_cast<int>(average + 0.5);
    return "<span class=\"stars\">" + std::string(static_cast<std::size_t>(full), '*') +
           "</span> " + text;
}

constexpr std::string_view kNavigation =
    "<nav><a href=\"/\">Home</a><a href=\"/vdb/\">Search</a>"
    "<a href=\"/vdb/boxoffice/\">Best rated</a><a href=\"/vdb/upcoming/\">Newest</a>"
    "<a href=\"/rd/1.0/guide/\">Guide</a></nav><hr>\n";

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Page(std::string_view title, std::string_view body) {
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    page += HtmlEscape(title);
    page += "</title>\n<style>";
    page += kStyle;
    page += "</style>\n</head>\n<body>\n";
    page += body;
    page += "\n</body>\n</html>\n";
    return page;
}

std::string PreviewPage(const Title& title, std::string_view image_base) {
    const TitleText& t = title.text;
    const std::string image = std::string(image_base) + std::to_string(CoverFolder(title.id)) +
                              "/" + CoverFileName(title);
    std::string body = "<img class=\"cover\" src=\"" + HtmlEscape(image) +
                       "\" width=\"120\" alt=\"Cover\">\n<h1>" + HtmlEscape(t.title);
    if (!t.year.empty()) body += " (" + HtmlEscape(t.year) + ")";
    body += "</h1>\n<p>" + RatingText(title) + "</p>\n<table>\n";
    body += Row("MPAA Rating", t.mpaa) + Row("Duration", t.duration) + Row("Category", t.category) +
            Row("Director", t.director) + Row("Cast", t.cast) + Row("Producer", t.producer) +
            Row("Writer", t.writer);
    body += "</table>\n";
    if (!t.synopsis.empty())
        body += "<p style=\"clear:both\">" + WithLineBreaks(t.synopsis) + "</p>";
    return Page(t.title, body);
}

std::string SearchInProgressPage() {
    return Page("Searching",
                "<p style=\"margin-top:40px;text-align:center\"><b>Searching the Reeldeck "
                "Video Database...</b></p><p style=\"text-align:center\">Please wait.</p>");
}

std::string IdlePage() {
    return Page("Reeldeck Video Database",
                "<p style=\"margin-top:40px;text-align:center\"><b>Reeldeck Video "
                "Database</b></p><p style=\"text-align:center\">Search for a title, then "
                "click a result to see its details here.</p>");
}

std::string TitleTable(const SearchPage& page) {
    if (page.titles.empty()) return "<p>No titles found.</p>";
    std::string html = "<p>" + std::to_string(page.total) +
                       " found.</p>\n<table>\n"
                       "<tr><th>Year</th><th>Title</th><th>MPAA Rating</th><th>Duration</th>"
                       "<th>Category</th><th>Rating</th></tr>\n";
    for (const Title& title : page.titles) {
        const TitleText& t = title.text;
        html += "<tr><td>" + HtmlEscape(t.year) +
                "</td><td><a href=\"/rd/1.0/action/preview.pl?v=" + std::to_string(title.id) +
                "\">" + HtmlEscape(t.title) + "</a></td><td>" + HtmlEscape(t.mpaa) + "</td><td>" +
                HtmlEscape(t.duration) + "</td><td>" + HtmlEscape(t.category) + "</td><td>" +
                (title.rating_count ? RatingText(title) : std::string()) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string HomePage(std::int64_t title_count) {
    return Page("Reeldeck Video Database",
                std::string(kNavigation) + "<h1>Reeldeck Video Database</h1><p>" +
                    std::to_string(title_count) +
                    " titles. Search them here or with the Video Import Wizard of Reeldeck "
                    "(Tools &gt; Video Import Wizard...).</p>");
}

std::string BrowserSearchPage(std::string_view find, std::string_view look_in,
                              const SearchPage* results) {
    std::string body = std::string(kNavigation) +
                       "<h1>Search</h1><form action=\"/vdb/\" method=\"get\">"
                       "<input name=\"f\" size=\"40\" maxlength=\"1023\" value=\"" +
                       HtmlEscape(find) + "\"> in <select name=\"c\">";
    for (std::string_view column : {"All", "Title", "Cast", "Director", "Producer", "Writer",
                                    "Category", "Synopsis", "Year", "MPAA Rating"}) {
        body += "<option";
        if (column == look_in) body += " selected";
        body += ">" + std::string(column) + "</option>";
    }
    body += "</select> <input type=\"submit\" value=\"Search\"></form>\n";
    if (results) body += TitleTable(*results);
    return Page("Search - Reeldeck Video Database", body);
}

std::string GuidePage() {
    return Page("Reeldeck Guide",
                std::string(kNavigation) +
                    "<h1>Reeldeck Guide</h1><ol>"
                    "<li>Open a database, then choose Tools &gt; Video Import Wizard....</li>"
                    "<li>Type a title in Find, choose where to look and how to sort, and click "
                    "Search.</li><li>Click a result to preview it; select results and click Add "
                    "My Videos or Add Wanted.</li><li>Rate a result with Rank Selected in its "
                    "pop-up menu; the ratings of all users are averaged on its preview.</li>"
                    "<li>Not found? Click Advise in the results window to ask for the title.</li>"
                    "</ol>");
}

std::string UpgradePage() {
    return Page("Check For New Version",
                std::string(kNavigation) +
                    "<h1>Reeldeck is up to date</h1><p>Version 1.0 is the newest version.</p>");
}

std::string FeedbackPage(std::string_view product, std::string_view topic, std::string_view system,
                         std::string_view memory) {
    std::string body = std::string(kNavigation) + "<h1>Send Feedback</h1><table>" +
                       Row("Product", product) + Row("Topic", topic) +
                       Row("Operating system", system) + Row("Memory", memory) +
                       "</table><form action=\"/contact/\" method=\"post\">"
                       "<input type=\"hidden\" name=\"topic\" value=\"" +
                       HtmlEscape(topic) +
                       "\"><p><textarea name=\"message\" rows=\"8\" cols=\"60\" "
                       "maxlength=\"4000\"></textarea></p><input type=\"submit\" "
                       "value=\"Send\"></form>";
    return Page("Send Feedback", body);
}

std::string MessagePage(std::string_view heading, std::string_view text) {
    return Page(heading, std::string(kNavigation) + "<h1>" + HtmlEscape(heading) + "</h1><p>" +
                             HtmlEscape(text) + "</p>");
}

}  // namespace vdb
