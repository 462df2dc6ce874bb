// reeldeck-vdb: the video database service of Reeldeck's Video Import Wizard.
#include <pthread.h>
#include <signal.h>

#include <filesystem>
#include <iostream>
#include <thread>

#include "core/paths.h"
#include "vdb/program_options.h"
#include "vdb/server.h"
#include "vdb/sqlite_catalogue.h"
#include "vdb/title_import.h"

namespace {

// Adds the titles of a CSV file; false, with the reason on stderr, when the file is refused.
bool Import(vdb::Catalogue& catalogue, const std::string& path) {
    const vdb::TitlesRead read = vdb::ReadTitlesFile(path);
    if (!read.ok()) {
        std::cerr << "reeldeck-vdb: " << read.error << '\n';
        return false;
    }
    const vdb::ImportCount count = catalogue.Add(read.titles);
    std::cout << path << ": " << count.added << " titles added, " << count.already_present
              << " already present\n";
    return true;
}

// Opens the catalogue file, filling it from the film list when it is new.
std::unique_ptr<vdb::SqliteCatalogue> OpenCatalogue(const vdb::ProgramOptions& options,
                                                    int connections) {
    const bool is_new = !core::FileExists(options.database);
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(options.database).parent_path();
    if (is_new && !folder.empty()) std::filesystem::create_directories(folder, ignored);
    auto catalogue = std::make_unique<vdb::SqliteCatalogue>(options.database, connections);
    if (is_new) {
        if (core::FileExists(options.films)) {
            Import(*catalogue, options.films);
        } else {
            std::cerr << "reeldeck-vdb: no film list at " << options.films
                      << "; the new database starts empty\n";
        }
    }
    return catalogue;
}

int Serve(vdb::Catalogue& catalogue, const vdb::ProgramOptions& options) {
    // SIGINT and SIGTERM are waited for on a thread of their own, which stops the server.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    // A client that goes away in the middle of a reply must not end the service.
    signal(SIGPIPE, SIG_IGN);

    vdb::Server server(catalogue, options.server);
    std::string error;
    const int port = server.Bind(error);
    if (port < 0) {
        std::cerr << "reeldeck-vdb: " << error << '\n';
        return 1;
    }
    std::thread waiter([&] {
        int signal_number = 0;
        sigwait(&stop_signals, &signal_number);
        server.Stop();
    });
    std::cout << "reeldeck-vdb: " << catalogue.TitleCount() << " titles from " << options.database
              << ", serving http://" << options.server.address << ":" << port << "/" << std::endl;
    const bool served = server.Serve();
    pthread_kill(waiter.native_handle(), SIGTERM);  // wakes the waiter when serving failed
    waiter.join();
    std::cout << "reeldeck-vdb: stopped" << std::endl;
    return served ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<vdb::ProgramOptions> options = vdb::ParseProgramOptions(argc, argv, error);
    if (!options) {
        std::cerr << "reeldeck-vdb: " << error << " (see --help)\n";
        return 2;
    }
    if (options->help) {
        std::cout << vdb::UsageText();
        return 0;
    }
    try {
        auto catalogue = OpenCatalogue(*options, options->server.threads);
        if (!options->import_file.empty()) return Import(*catalogue, options->import_file) ? 0 : 1;
        return Serve(*catalogue, *options);
    } catch (const std::exception& failure) {
        std::cerr << "reeldeck-vdb: " << failure.what() << '\n';
        return 1;
    }
}
