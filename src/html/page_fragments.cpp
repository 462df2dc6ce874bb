#include "html/page_fragments.h"

#include <filesystem>

namespace html {
namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Texts of page links lose what could break out of their attributes.
std::string LinkText(std::string text) {
    text = core::RemoveAngleBrackets(core::RemoveNewlines(std::move(text)));
    return core::RemoveChar(core::RemoveChar(std::move(text), '"'), '\'');
}

void CopyQuietly(const std::string& from, const std::string& to) {
    std::error_code ignored;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                               ignored);
}

// A source without "http://" in front gets it, unless one of its first seven characters already
// stands where it does in "http://" (so "https://" and "ftp://" keep theirs).
std::string WebImageAddress(const std::string& lower_source) {
    static constexpr std::string_view kScheme = "http://";
    for (std::size_t i = 0; i < kScheme.size() && i < lower_source.size(); ++i) {
        if (lower_source[i] == kScheme[i]) return lower_source;
    }
    return std::string(kScheme) + lower_source;
}

}  // namespace

void PutAddressEncoded(PageOut& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // Each byte takes at most three; a cell too long for the buffer goes in pieces.
    constexpr std::size_t kPiece = PageOut::Capacity() / 3;
    for (std::size_t from = 0; from < text.size(); from += kPiece) {
        const std::string_view piece = text.substr(from, kPiece);
        char* const start = out.Claim(piece.size() * 3);
        char* at = start;
        for (const char byte : piece) {
            const auto c = static_cast<unsigned char>(byte);
            if (IsUnreserved(c)) {
                *at++ = byte;
            } else {
                *at++ = '%';
                *at++ = kHex[c >> 4];
                *at++ = kHex[c & 0xf];
            }
        }
        out.Advance(static_cast<std::size_t>(at - start));
    }
}

void PutAttributeEscaped(PageOut& out, std::string_view text) {
    std::size_t plain_from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&' && text[i] != '"') continue;
        out.Put(text.substr(plain_from, i - plain_from));
        out.Put(text[i] == '&' ? "&amp;" : "&quot;");
        plain_from = i + 1;
    }
    out.Put(text.substr(plain_from));
}

void WriteHead(PageOut& out, PageKind kind, const PreparedSettings& page, int record_count) {
    if (kind == PageKind::kMyVideos) out.Put("<!-- RDMVL -->\n");
    out.Put("<html>\n\n<head>\n\n<title>Reeldeck - ");
    out.Put(page.title);
    out.Put(" (");
    out.Put(std::to_string(record_count));
    out.Put(")</title>\n\n<style type=\"text/css\">\n\n");

    const auto link_rule = [&](std::string_view opening, std::string_view decoration,
                               const std::string& color) {
        out << opening << "{text-decoration: " << decoration << "; font-style: " << page.font_style
            << "; color: " << color << "; font-weight: " << page.font_weight << ";}\n";
    };
    link_rule("a:link", "none", page.link);
    link_rule("a:visited", "none", page.visited_link);
    link_rule("a:hover", "underline", page.active_link);
    const std::string font =
        "; font-family: " + page.font_face + "; font-size: " + page.font_size + "pt;}\n";
    out << ".text-link{text-decoration: none; font-style: " << page.font_style
        << "; color: " << page.link << "; font-weight: " << page.font_weight << font;
    out << ".text-heading{font-style: " << page.font_style << "; color: " << page.heading
        << "; font-weight: bold" << font;
    out << ".text-text{font-style: " << page.font_style << "; color: " << page.text
        << "; font-weight: " << page.font_weight << font;

    out << "\n</style>\n\n</head>\n\n<body topmargin=" << page.top_margin
        << " leftmargin=" << page.left_margin << " marginheight=" << page.top_margin
        << " marginwidth=" << page.left_margin << " bgcolor=\"" << page.background
        << "\">\n\n<table border=\"0\" cellpadding=\"0\" cellspacing=\"6\" width=\"100%\">\n"
           "<tr>\n<td>";
}

void WriteLogo(PageOut& out, const PageLogo& logo, const LogoFiles& files,
               const PageAddresses& addresses) {
    if (logo.source.empty()) {
        CopyQuietly(files.standard_logo, files.page_logo);
        out << "<a href=\"" << addresses.product_site_url
            << "\" target=\"_new\"><img src=\"hllogo.gif\" alt=\"Click to visit "
            << addresses.product_site_name << "\" border=\"0\"></a>";
        return;
    }
    std::string image = core::ToLowerAscii(logo.source);
    if (image.find("www.") != std::string::npos) {
        image = WebImageAddress(image);
    } else {
        CopyQuietly(logo.source, files.page_logo);
        image = "hllogo.gif";
    }
    const std::string target = HtmlTargetOf(logo.target);
    if (!logo.link_address.empty()) {
        out << "<a href=\"" << logo.link_address << '"';
        if (!target.empty()) out << " target=\"" << target << '"';
        out << '>';
    }
    out << "<img src=\"" << image << "\" alt=\"" << logo.display_text << "\" border=\"0\">";
    if (!logo.link_address.empty()) out.Put("</a>");
}

void WritePageLinks(PageOut& out, PageKind kind, const std::vector<PageLink>& links,
                    const PreparedSettings& page) {
    out.Put("</td>\n<td align=\"right\" valign=\"bottom\">");
    bool first = true;
    for (const PageLink& link : links) {
        const std::string text = LinkText(link.display_text);
        if (!first) out.Put("<span class=\"text-text\"> | </span>");
        first = false;
        out << "<a href=\"" << LinkText(link.address) << "\" class=\"text-link\" title=\"" << text
            << "\" target=\"" << HtmlTargetOf(link.target) << "\">" << text << "</a>";
    }
    out << "</td>\n</tr>\n<tr>\n<td colspan=\"2\"><hr size=\"1\" color=\"" << page.borders
        << "\"></td>\n</tr>\n</table>\n\n";
    if (kind == PageKind::kWanted) {
        out.Put("<table border=\"0\" cellpadding=\"0\" cellspacing=\"6\">\n");
    }
}

void WriteFooter(PageOut& out, const PreparedSettings& page, const PageAddresses& addresses) {
    out << "</table>\n\n<table border=\"0\" cellpadding=\"0\" cellspacing=\"4\" width=\"100%\">\n"
           "<tr>\n<td><hr size=\"1\" color=\""
        << page.borders << "\"></td>\n</tr>\n<tr>\n<td align=\"right\"><a href=\""
        << addresses.product_site_url
        << "\" title=\"Click to visit Reeldeck\" target=\"_new\" class=\"text-link\">Reeldeck</a>"
           "</td>\n</tr>\n</table>\n\n</body>\n\n</html>";
}

}  // namespace html
