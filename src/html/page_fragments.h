#pragma once

#include <string>
#include <string_view>

#include "html/html_theme.h"
#include "html/page_out.h"
#include "html/page_settings.h"

// The parts of a list page that My Videos and Wanted Videos pages share: head, logo, page
// links and footer.
namespace html {

enum class PageKind { kMyVideos, kWanted };

// Writes a cell inside an address: every byte other than A-Z, a-z, 0-9, "-", ".", "_" and "~"
// as "%" and two upper-case hexadecimal digits, so a cell cannot end the attribute.
void PutAddressEncoded(PageOut& out, std::string_view text);
// Writes a cell inside a quoted attribute: "&" as "&amp;" and a double quote as "&quot;".
void PutAttributeEscaped(PageOut& out, std::string_view text);

// From "<!-- RDMVL -->" (My Videos only) to the opening of the logo's table cell.
void WriteHead(PageOut& out, PageKind kind, const PreparedSettings& page, int record_count);

// Where the logo image comes from and goes to.
struct LogoFiles {
    std::string standard_logo;  // the program's own logo, res/hllogo.gif
    std::string page_logo;      // hllogo.gif beside the page
};

// The logo: the standard logo (copied beside the page) when the source is empty, a web image
// when the source holds "www.", else the file copied beside the page. Failed copies are silent.
void WriteLogo(PageOut& out, const PageLogo& logo, const LogoFiles& files,
               const PageAddresses& addresses);

// The page links, then the rule under the top of the page.
void WritePageLinks(PageOut& out, PageKind kind, const std::vector<PageLink>& links,
                    const PreparedSettings& page);

// The closing table with the link to the product site; the page ends without a line feed.
void WriteFooter(PageOut& out, const PreparedSettings& page, const PageAddresses& addresses);

}  // namespace html
