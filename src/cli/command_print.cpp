#include "cli/commands.h"
#include "html/print_pages.h"

namespace cli {
namespace {

// The settings of the program's last print, changed by the options given.
html::PrintSettings SettingsFor(CliContext& context) {
    html::PrintSettings settings;
    html::LoadPrintSettings(context.paths().print_settings, settings);  // missing: defaults
    const CliArguments& arguments = context.arguments();
    if (arguments.Has("--titles-only")) settings.titles_only = true;
    if (arguments.Has("--full-records")) settings.titles_only = false;
    if (arguments.Has("--no-images")) settings.include_images = false;
    if (arguments.Has("--single-column")) settings.multiple_columns = false;
    return settings;
}

// FILE with "-wanted" before its extension: where --both puts the Wanted Videos page.
std::string WantedPathBeside(const std::string& path) {
    const std::size_t name = path.find_last_of('/') + 1;  // 0 when there is no folder
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= name) dot = path.size();
    return path.substr(0, dot) + "-wanted" + path.substr(dot);
}

void Report(const core::FileResult& result, const char* empty_message, bool empty_is_error,
            const std::string& path, std::ostream& out) {
    if (result.value < 0) throw CliError{"cannot write " + result.Describe()};
    if (result.value == 0 && empty_is_error) throw CliError{empty_message};
    if (result.value > 0) out << "Wrote " << path << '\n';
}

}  // namespace

void RunPrint(CliContext& context, std::ostream& out) {
    const char* usage =
        "print DB (--pdf FILE | --html FILE) [--wanted | --both] [--titles-only | "
        "--full-records] [--no-images] [--single-column]";
    RequireOperands(context, 1, usage);
    const CliArguments& arguments = context.arguments();
    const std::optional<std::string> html_path = arguments.Value("--html");
    if (arguments.Value("--pdf")) throw CliError{"printing to PDF needs the desktop program"};
    if (!html_path || (arguments.Has("--wanted") && arguments.Has("--both")))
        throw CliError{std::string("usage: reeldeck-cli ") + usage};

    const html::PrintSettings settings = SettingsFor(context);
    context.Open(arguments.operands[0]);
    const app::Session& session = context.session();
    const std::string date = core::TodayShortDate(core::SystemClock());
    platform::NoProgress progress;
    const bool both = arguments.Has("--both");

    if (!arguments.Has("--wanted")) {
        const std::vector<int> rows = html::RowsToPrint(session.Videos, html::PrintRecords::kAll);
        const html::MyVideosPrint print{session.Videos, rows, session.ImageFolder,
                                        context.paths().print_no_image, date};
        Report(html::WriteMyVideosPrintFile(*html_path, settings, print, progress),
               "The My Videos list is empty", !both, *html_path, out);
    }
    if (arguments.Has("--wanted") || both) {
        const std::string path = both ? WantedPathBeside(*html_path) : *html_path;
        Report(html::WriteWantedPrintFile(path, settings, session.Wanted, date, progress),
               "The Wanted Video list is empty", !both, path, out);
    }
}

}  // namespace cli
