#pragma once

#include <string>
#include <vector>

#include "app/database_commands.h"
#include "app/session.h"
#include "cli/cli_arguments.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/dates.h"

namespace cli {

// A failure to report: one line on standard error, exit status 1.
struct CliError {
    std::string message;
};

// Messages of the database operations, kept until the command knows whether it failed: then
// only the last error is shown; on success the others are shown as warnings.
class CliPrompts final : public platform::Prompts {
  public:
    // The answer to every question (OK/Yes when confirmed, Cancel/No otherwise).
    void SetConfirmed(bool confirmed) { confirmed_ = confirmed; }
    // The path a file picker returns.
    void SetChosenFile(std::string path) { chosen_file_ = std::move(path); }

    platform::Answer Message(std::string_view text, std::string_view title,
                             platform::Buttons buttons, platform::Icon icon) override;
    std::optional<std::string> OpenFile(std::string_view, const platform::FileFilter&) override;
    std::optional<std::string> SaveFile(std::string_view, const platform::FileFilter&) override;
    std::optional<std::string> ChooseFolder(std::string_view, const std::string&) override;

    // The last error shown, as one line; empty if none.
    std::string LastError() const;
    // Every message that only told something (no question), as one line each.
    const std::vector<std::string>& Messages() const { return messages_; }

  private:
    bool confirmed_ = false;
    std::string chosen_file_;
    std::vector<std::string> messages_;
    std::string last_error_;
};

// Logs in with --user and --password, as a person would type them into the login window.
class CliLogin final : public app::LoginPresenter {
  public:
    explicit CliLogin(const CliArguments& arguments) : arguments_(arguments) {}
    bool RunLogin(app::LoginWindow& window) override;
    // Why the last login failed, or empty.
    const std::string& Failure() const { return failure_; }

  private:
    const CliArguments& arguments_;
    std::string failure_;
};

// What every command works with: the program's files and settings, the clock, and one session.
class CliContext {
  public:
    explicit CliContext(CliArguments arguments);

    const CliArguments& arguments() const { return arguments_; }
    app::Session& session() { return session_; }
    app::DatabaseServices& services() { return services_; }
    CliPrompts& prompts() { return prompts_; }
    const config::ProgramPaths& paths() const { return paths_; }
    const config::ProgramConfig& config() const { return config_; }

    // Opens a database (with the login); throws CliError naming the file and the reason.
    void Open(const std::string& path);
    // Throws unless the open database may be changed by this login.
    void RequireFullAccess() const;
    // Throws CliError with the last error shown, about `path`.
    [[noreturn]] void Fail(const std::string& path) const;

  private:
    CliArguments arguments_;
    config::ProgramPaths paths_;
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::SystemClock clock_;
    app::Session session_;
    CliPrompts prompts_;
    CliLogin login_;
    platform::NoProgress progress_;
    app::DatabaseServices services_;
};

}  // namespace cli
