#include "vdb/program_options.h"

#include <cstdlib>
#include <cstring>

#include "core/paths.h"
#include "core/text.h"

namespace vdb {
namespace {

bool ParseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    value = core::ParseLeadingInt(text);
    return value >= low && value <= high;
}

}  // namespace

std::optional<ProgramOptions> ParseProgramOptions(int argc, const char* const* argv,
                                                  std::string& error) {
    ProgramOptions options;
    options.database = DefaultDatabasePath();
    options.films = DefaultFilmsPath();
    int i = 1;
    if (i < argc && std::strcmp(argv[i], "import") == 0) {
        if (i + 1 >= argc) {
            error = "import needs the CSV file to read";
            return std::nullopt;
        }
        options.import_file = argv[i + 1];
        i += 2;
    }
    for (; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = option.rfind("--", 0) == 0 ? option + " needs a value"
                                               : "unknown argument \"" + option + "\"";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (option == "--address") {
            options.server.address = value;
        } else if (option == "--port") {
            if (!ParseNumber(value, 0, 65535, options.server.port)) {
                error = "--port takes a number from 0 to 65535";
                return std::nullopt;
            }
        } else if (option == "--threads") {
            if (!ParseNumber(value, 1, 256, options.server.threads)) {
                error = "--threads takes a number from 1 to 256";
                return std::nullopt;
            }
        } else if (option == "--database") {
            options.database = value;
        } else if (option == "--films") {
            options.films = value;
        } else {
            error = "unknown option \"" + option + "\"";
            return std::nullopt;
        }
    }
    return options;
}

std::string UsageText() {
    return "usage: reeldeck-vdb [--address ADDRESS] [--port PORT] [--database FILE]\n"
           "                    [--films FILE.csv] [--threads N]\n"
           "       reeldeck-vdb import FILE.csv [--database FILE]\n"
           "\n"
           "Serves the video database that Reeldeck's Video Import Wizard searches, on\n"
           "http://127.0.0.1:8642/ unless told otherwise (port 0: any free port).\n"
           "A new database file is first filled from the film list (--films, by default\n"
           "vdb/films.csv of the program folder). import adds the titles of a CSV file whose\n"
           "first line names its columns: Title, Year, Duration, MPAA, Cast, Director,\n"
           "Producer, Writer, Category, Synopsis, Cover (a picture file).\n"
           "The database is " +
           DefaultDatabasePath() + " unless --database names another.\n";
}

std::string DefaultDatabasePath() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (data_home && *data_home) {
        folder = data_home;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home && *home ? home : ".") + "/.local/share";
    }
    return folder + "/reeldeck-vdb/catalogue.sqlite";
}

std::string DefaultFilmsPath() {
    const std::string beside = core::ModuleFolder() + "/vdb/films.csv";
    if (core::FileExists(beside)) return beside;
    const std::string installed =
        core::ModuleFolder() + "/" REELDECK_DATA_FROM_BINDIR "/vdb/films.csv";
    return core::FileExists(installed) ? installed : beside;
}

}  // namespace vdb
