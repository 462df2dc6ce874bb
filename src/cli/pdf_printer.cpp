#include "cli/pdf_printer.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "cli/cli_session.h"
#include "config/program_paths.h"

extern char** environ;

namespace cli {

void PrintPageToPdf(const std::string& page_path, const std::string& pdf_path) {
    const std::string printer =
        (std::filesystem::path(config::CurrentProgramFolderInputs().exe_folder) / "reeldeck-pdf")
            .string();
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(printer, ignored))
        throw CliError{"printing to PDF needs reeldeck-pdf beside the companion (" + printer +
                       "), which is built and installed with the desktop program"};

    // The printer's standard error is read here: its last "reeldeck-pdf: " line is the reason
    // of a failure, and Qt's chatter on success is not the user's concern.
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) throw CliError{std::string("cannot start ") + printer};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    std::vector<char*> argv = {const_cast<char*>(printer.c_str()),
                               const_cast<char*>(page_path.c_str()),
                               const_cast<char*>(pdf_path.c_str()), nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, printer.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    std::string errors;
    char buffer[4096];
    for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            errors.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    close(pipe_ends[0]);
    if (spawned != 0) throw CliError{"cannot start " + printer + ": " + std::strerror(spawned)};
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;

    const std::string marker = "reeldeck-pdf: ";
    const std::size_t reason = errors.rfind(marker);
    std::string why = "the printer failed";
    if (reason != std::string::npos) {
        why = errors.substr(reason + marker.size());
        why = why.substr(0, why.find('\n'));
    }
    throw CliError{"the PDF file " + pdf_path + " could not be printed: " + why};
}

}  // namespace cli
