#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "config/service_config.h"
#include "html/html_theme.h"
#include "html/page_generation.h"
#include "html/theme_folder.h"

namespace cli {
namespace {

// The companion writes the pages and opens nothing.
class NoShell final : public platform::Shell {
  public:
    void Open(const std::string&) override {}
};

// The theme named by --theme, or else the default theme. A theme that cannot be loaded fails,
// as it keeps the Page Setup window from opening: a page without one would be black on black.
std::string LoadNamedTheme(const CliContext& context, html::HtmlTheme& theme) {
    const std::optional<std::string> given = context.arguments().Value("--theme");
    const std::string name = given.value_or(html::DefaultThemeName(context.config()));
    if (name.empty()) throw CliError{"give --theme NAME of a theme in cfg/hls"};
    // The name becomes a file name inside the theme folder and nowhere else.
    if (name.find_first_of("/\\") != std::string::npos || name.front() == '.') {
        throw CliError{"\"" + name + "\" is not a theme name"};
    }
    const std::string path = context.paths().theme_folder + "/" + name + ".txt";
    if (core::FileResult loaded = html::LoadTheme(path, theme); !loaded) {
        throw CliError{"cannot load the theme \"" + name + "\": " + loaded.Describe()};
    }
    return path;
}

html::PageAddresses ReadAddresses(const CliContext& context) {
    config::ServiceConfig service;
    const char* override_url = std::getenv("REELDECK_SERVICE_URL");
    if (core::FileResult read = config::ReadServiceConfig(service, context.paths().service,
                                                          override_url ? override_url : "");
        !read) {
        std::cerr << "reeldeck-cli: " << read.Describe() << "; the pages link to no service\n";
    }
    return html::PageAddresses::FromService(service);
}

void Report(int result, const std::string& folder, const char* page, const char* list, int count,
            std::ostream& out) {
    const std::string path = (std::filesystem::path(folder) / page).string();
    if (result < 0) throw CliError{path + ": the page could not be written"};
    if (result == 0) {
        out << list << " is empty: " << page << " not written\n";
    } else {
        out << "Wrote " << path << " (" << count << (count == 1 ? " record" : " records") << ")\n";
    }
}

}  // namespace

void RunExportHtml(CliContext& context, std::ostream& out) {
    const char* usage = "export-html DB FOLDER [--theme NAME] [--wanted | --both]";
    RequireOperands(context, 2, usage);
    const bool wanted = context.arguments().Has("--wanted");
    const bool both = context.arguments().Has("--both");
    if (wanted && both) throw CliError{std::string("usage: reeldeck-cli ") + usage};
    const std::string& folder = context.arguments().operands[1];
    if (!std::filesystem::is_directory(folder)) throw CliError{folder + ": no such folder"};

    html::HtmlTheme theme;
    html::PageRequest request;
    request.theme_path = LoadNamedTheme(context, theme);
    request.folder = folder;
    request.settings = html::PageSettings::FromTheme(theme);
    request.standard_logo = context.paths().folder + "/res/hllogo.gif";
    context.Open(context.arguments().operands[0]);

    platform::NoProgress progress;
    NoShell shell;
    html::GenerationServices services{progress, false, shell, ReadAddresses(context)};
    const app::Session& session = context.session();
    if (!wanted) {
        Report(html::GenerateMyVideosPage(request, session.Videos, services, false), folder,
               "myvideos.html", "My Videos", session.Videos.RowCount(), out);
    }
    if (wanted || both) {
        Report(html::GenerateWantedPage(request, session.Wanted, services, false), folder,
               "wanted.html", "Wanted Videos", session.Wanted.Count(), out);
    }
}

}  // namespace cli
