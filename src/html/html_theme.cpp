#include "html/html_theme.h"

#include <fstream>

#include "core/line_reader.h"
#include "core/read_file.h"

namespace html {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text after the first "=", or the whole line when there is none.
std::string_view ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

bool Is(std::string_view line, std::string_view key4) {
    return line.substr(0, 4) == key4;
}

std::string Field(std::string_view value, int index) {
    return std::string(core::GetField(value, index));
}

}  // namespace

core::Color ParseThemeColor(std::string_view value) {
    // Every run of digits, each taken modulo 256; the last three are red, green and blue. With
    // fewer than three, those found are red (and green) and the others are 0.
    std::vector<int> runs;
    for (std::size_t i = 0; i < value.size();) {
        if (!IsDigit(value[i])) {
            ++i;
            continue;
        }
        int number = 0;
        for (; i < value.size() && IsDigit(value[i]); ++i)
            number = (number * 10 + (value[i] - '0')) % 256;
        runs.push_back(number);
    }
    const std::size_t first = runs.size() > 3 ? runs.size() - 3 : 0;
    int rgb[3] = {0, 0, 0};
    for (std::size_t k = first; k < runs.size(); ++k) rgb[k - first] = runs[k];
    return core::MakeColor(rgb[0], rgb[1], rgb[2]);
}

void ReadThemeSettings(std::istream& in, HtmlTheme& theme) {
    core::LineReader reader(in);
    std::string_view line;
    while (reader.Next(line)) {
        const std::string_view value = ValueOf(line);
        if (Is(line, "TITL"))
            theme.title = value;
        else if (Is(line, "BACK"))
            theme.background = ParseThemeColor(value);
        else if (Is(line, "HEAD"))
            theme.heading = ParseThemeColor(value);
        else if (Is(line, "TEXT"))
            theme.text = ParseThemeColor(value);
        else if (Is(line, "LINK"))
            theme.link = ParseThemeColor(value);
        else if (Is(line, "VLIN"))
            theme.visited_link = ParseThemeColor(value);
        else if (Is(line, "ALIN"))
            theme.active_link = ParseThemeColor(value);
        else if (Is(line, "BORD"))
            theme.borders = ParseThemeColor(value);
        else if (Is(line, "TMAR"))
            theme.top_margin = core::ParseLeadingInt(value);
        else if (Is(line, "LMAR"))
            theme.left_margin = core::ParseLeadingInt(value);
        else if (Is(line, "FTYP"))
            theme.font_face = value;
        else if (Is(line, "FSTY"))
            theme.font_style = value;
        else if (Is(line, "FSIZ"))
            theme.font_size = core::ParseLeadingInt(value);
        else if (Is(line, "OUTP"))
            theme.output_folder = value;
    }
}

core::FileResult LoadTheme(const std::string& path, HtmlTheme& theme) {
    return core::ReadFileWith(path, [&theme](std::istream& in) {
        ReadThemeSettings(in, theme);
        return core::FileResult::Success();
    });
}

ThemeDecorations ReadThemeDecorations(std::istream& in) {
    ThemeDecorations decorations;
    core::LineReader reader(in);
    std::string_view line;
    while (reader.Next(line)) {
        const std::string_view value = ValueOf(line);
        if (Is(line, "LOGO")) {
            decorations.logo = {Field(value, 0), Field(value, 1), Field(value, 2), Field(value, 3)};
        } else if (Is(line, "CLIN")) {
            decorations.links.push_back({Field(value, 0), Field(value, 1), Field(value, 2)});
        }
    }
    return decorations;
}

core::FileResult LoadThemeDecorations(const std::string& path, ThemeDecorations& decorations) {
    decorations = {};
    return core::ReadFileWith(path, [&decorations](std::istream& in) {
        decorations = ReadThemeDecorations(in);
        return core::FileResult::Success();
    });
}

std::string HtmlTargetOf(std::string_view label) {
    if (core::EqualsNoCase(label, "Same Window")) return "_self";
    if (core::EqualsNoCase(label, "New Window")) return "_new";
    if (core::EqualsNoCase(label, "Parent Frame")) return "_parent";
    return std::string(label);
}

}  // namespace html
