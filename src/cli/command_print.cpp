#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

#include "cli/commands.h"
#include "cli/pdf_printer.h"
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

// A print page in a temporary file, removed when done with.
class TemporaryPage {
  public:
    TemporaryPage() {
        std::string name = (std::filesystem::temp_directory_path() / "reeldeck-print-XXXXXX.html");
        const int descriptor = mkstemps(name.data(), 5);
        if (descriptor < 0) throw CliError{"cannot create a temporary print page: " + name};
        close(descriptor);
        path_ = name;
    }
    ~TemporaryPage() { std::remove(path_.c_str()); }
    TemporaryPage(const TemporaryPage&) = delete;
    TemporaryPage& operator=(const TemporaryPage&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Writes one print page to `path` (as HTML, or through a temporary page as a PDF) and reports
// it. `write_page` returns the number of entries written, 0 for an empty list.
void WritePage(const std::string& path, bool pdf, const char* empty_message, bool empty_is_error,
               const std::function<core::FileResult(const std::string&)>& write_page,
               std::ostream& out) {
    std::optional<TemporaryPage> page;
    if (pdf) page.emplace();
    const std::string& written = pdf ? page->path() : path;
    const core::FileResult result = write_page(written);
    if (result.value < 0) throw CliError{"cannot write " + result.Describe()};
    if (result.value == 0 && empty_is_error) throw CliError{empty_message};
    if (result.value == 0) return;
    if (pdf) PrintPageToPdf(written, path);
    out << "Wrote " << path << '\n';
}

}  // namespace

void RunPrint(CliContext& context, std::ostream& out) {
    const char* usage =
        "print DB (--pdf FILE | --html FILE) [--wanted | --both] [--titles-only | "
        "--full-records] [--no-images] [--single-column]";
    RequireOperands(context, 1, usage);
    const CliArguments& arguments = context.arguments();
    const std::optional<std::string> html_path = arguments.Value("--html");
    const std::optional<std::string> pdf_path = arguments.Value("--pdf");
    if (html_path.has_value() == pdf_path.has_value() ||
        (arguments.Has("--wanted") && arguments.Has("--both")))
        throw CliError{std::string("usage: reeldeck-cli ") + usage};
    const std::string& path = pdf_path ? *pdf_path : *html_path;

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
        WritePage(
            path, pdf_path.has_value(), "The My Videos list is empty", !both,
            [&](const std::string& file) {
                return html::WriteMyVideosPrintFile(file, settings, print, progress);
            },
            out);
    }
    if (arguments.Has("--wanted") || both) {
        WritePage(
            both ? WantedPathBeside(path) : path, pdf_path.has_value(),
            "The Wanted Video list is empty", !both,
            [&](const std::string& file) {
                return html::WriteWantedPrintFile(file, settings, session.Wanted, date, progress);
            },
            out);
    }
}

}  // namespace cli
