#include "html/print_settings.h"

#include "core/line_reader.h"
#include "core/read_file.h"
#include "core/safe_file.h"
#include "html/html_theme.h"

namespace html {
namespace {

std::string_view ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

bool CharAt(std::string_view line, std::size_t index, char c) {
    return index < line.size() && line[index] == c;
}

// A flag is on when the character right after the first "=" is "1".
bool FlagOf(std::string_view line) {
    const std::string_view value = ValueOf(line);
    return !value.empty() && value.front() == '1';
}

std::string ColorText(core::Color color) {
    return std::to_string(color & 0xff) + "," + std::to_string((color >> 8) & 0xff) + "," +
           std::to_string((color >> 16) & 0xff);
}

}  // namespace

void ReadPrintSettings(std::istream& in, PrintSettings& settings) {
    core::LineReader reader(in);
    std::string_view line;
    while (reader.Next(line)) {
        const std::string_view key = line.substr(0, 4);
        if (key == "TEXT")
            settings.text = ParseThemeColor(ValueOf(line));
        else if (key == "HEAD")
            settings.heading = ParseThemeColor(ValueOf(line));
        else if (key == "FSIZ")
            settings.font_size = core::ParseLeadingInt(ValueOf(line));
        else if (key == "FTYP")
            settings.font_face = ValueOf(line);
        else if (key == "FSTY")
            settings.font_style = ValueOf(line);
        else if (CharAt(line, 0, 'M') && CharAt(line, 1, 'U') && CharAt(line, 9, 'C'))
            settings.multiple_columns = FlagOf(line);
        else if (CharAt(line, 0, 'T') && CharAt(line, 1, 'I') && CharAt(line, 7, 'O'))
            settings.titles_only = FlagOf(line);
    }
}

core::FileResult LoadPrintSettings(const std::string& path, PrintSettings& settings) {
    return core::ReadFileWith(path, [&settings](std::istream& in) {
        ReadPrintSettings(in, settings);
        return core::FileResult::Success();
    });
}

void WritePrintSettings(const PrintSettings& settings, std::ostream& out) {
    out << kPrintSettingsHeader << "\n\n"
        << "HEADING=" << ColorText(settings.heading) << '\n'
        << "TEXT=" << ColorText(settings.text) << '\n'
        << "FTYPE=" << core::RemoveLineBreaks(settings.font_face) << '\n'
        << "FSTYLE=" << core::RemoveLineBreaks(settings.font_style) << '\n'
        << "FSIZE=" << settings.font_size << '\n'
        << "MULTIPLE_COLUMNS=" << (settings.multiple_columns ? 1 : 0) << '\n'
        << "TITLES_ONLY=" << (settings.titles_only ? 1 : 0) << '\n';
}

core::FileResult SavePrintSettings(const PrintSettings& settings, const std::string& path) {
    return core::WriteFileSafely(path, [&settings](std::ostream& out) {
        WritePrintSettings(settings, out);
        return core::FileResult::Success();
    });
}

}  // namespace html
