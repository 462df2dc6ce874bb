#include "html/theme_editing.h"

#include <sstream>

#include "core/line_reader.h"
#include "core/read_file.h"
#include "core/safe_file.h"
#include "core/text.h"

namespace html {
namespace {

// A field of a "|"-joined line.
std::string LinkField(std::string text) {
    return core::RemoveChar(core::RemoveLineBreaks(std::move(text)), '|');
}

std::string LogoField(std::string text) {
    return core::RemoveAngleBrackets(LinkField(std::move(text)));
}

// The lines of the file (an unreadable file has none).
std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    core::ReadFileWith(path, [&lines](std::istream& in) {
        core::LineReader reader(in);
        std::string_view line;
        while (reader.Next(line)) lines.emplace_back(line);
        return core::FileResult::Success();
    });
    return lines;
}

bool Starts(const std::string& line, std::string_view key4) {
    return line.compare(0, 4, key4) == 0;
}

}  // namespace

bool CanAddPageLink(const std::string& display_text, const std::string& address) {
    return !display_text.empty() && !address.empty();
}

core::FileResult WritePageLinks(const std::string& theme_path, const std::vector<PageLink>& links) {
    const std::vector<std::string> lines = ReadLines(theme_path);
    return core::WriteFileSafely(theme_path, [&](std::ostream& out) {
        for (const std::string& line : lines) {
            if (!Starts(line, "CLIN")) out << line << '\n';
        }
        for (const PageLink& link : links) {
            out << "CLINK=" << LinkField(link.display_text) << '|' << LinkField(link.address) << '|'
                << LinkField(link.target) << '\n';
        }
        return core::FileResult::Success();
    });
}

PageLogo LogoForEditing(PageLogo logo, const std::string& standard_logo_path) {
    if (logo.target.empty()) logo.target = kTargetLabels[0];
    if (logo.source.empty()) logo.source = standard_logo_path;
    return logo;
}

core::FileResult WritePageLogo(const std::string& theme_path, const PageLogo& logo) {
    const std::string logo_line = "LOGOSRC=" + LogoField(logo.display_text) + "|" +
                                  LogoField(logo.source) + "|" + LogoField(logo.link_address) +
                                  "|" + LogoField(logo.target);
    const std::vector<std::string> lines = ReadLines(theme_path);
    return core::WriteFileSafely(theme_path, [&](std::ostream& out) {
        bool written = false;
        for (const std::string& line : lines) {
            if (Starts(line, "LOGO")) {
                out << logo_line << '\n';
                written = true;
            } else {
                out << line << '\n';
            }
        }
        if (!written) out << logo_line << '\n';
        return core::FileResult::Success();
    });
}

}  // namespace html
