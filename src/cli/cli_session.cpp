#include "cli/cli_session.h"

namespace cli {
namespace {

std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

platform::Answer CliPrompts::Message(std::string_view text, std::string_view,
                                     platform::Buttons buttons, platform::Icon icon) {
    // Questions are answered below; what is only told is kept to be shown.
    if (buttons == platform::Buttons::kOk) messages_.push_back(OneLine(text));
    if (icon == platform::Icon::kError) last_error_ = OneLine(text);
    using platform::Answer;
    using platform::Buttons;
    switch (buttons) {
        case Buttons::kOk: return Answer::kOk;
        case Buttons::kOkCancel: return confirmed_ ? Answer::kOk : Answer::kCancel;
        case Buttons::kYesNo: return confirmed_ ? Answer::kYes : Answer::kNo;
        case Buttons::kYesNoCancel: return confirmed_ ? Answer::kYes : Answer::kCancel;
        case Buttons::kRetryCancel: return Answer::kCancel;
        case Buttons::kAbortRetryIgnore: return Answer::kAbort;
    }
    return Answer::kCancel;
}

std::optional<std::string> CliPrompts::OpenFile(std::string_view, const platform::FileFilter&) {
    if (chosen_file_.empty()) return std::nullopt;
    return chosen_file_;
}

std::optional<std::string> CliPrompts::SaveFile(std::string_view, const platform::FileFilter&) {
    if (chosen_file_.empty()) return std::nullopt;
    return chosen_file_;
}

std::optional<std::string> CliPrompts::ChooseFolder(std::string_view, const std::string&) {
    return std::nullopt;
}

std::string CliPrompts::LastError() const { return last_error_; }

bool CliLogin::RunLogin(app::LoginWindow& window) {
    if (!arguments_.user || !arguments_.password) {
        failure_ = "the database is password protected; give --user NAME --password PW";
        return false;
    }
    window.SetUserName(*arguments_.user);
    window.SetPassword(*arguments_.password);
    if (window.Ok()) {
        failure_.clear();
        return true;
    }
    failure_ = "incorrect user name or password (both are case-sensitive)";
    return false;
}

CliContext::CliContext(CliArguments arguments)
    : arguments_(std::move(arguments)),
      paths_(config::ProgramPaths::ForFolder(
          config::LocateProgramFolder(config::CurrentProgramFolderInputs()))),
      session_(paths_, config_, recent_, clock_),
      login_(arguments_),
      services_{prompts_, progress_, login_} {
    // Without a configuration file the companion runs on the built-in settings.
    config::ReadConfig(config_, paths_.config);
    prompts_.SetConfirmed(arguments_.Has("--yes"));
}

void CliContext::Fail(const std::string& path) const {
    if (!login_.Failure().empty()) throw CliError{path + ": " + login_.Failure()};
    const std::string error = prompts_.LastError();
    throw CliError{error.empty() ? path + ": the operation failed" : error};
}

void CliContext::Open(const std::string& path) {
    if (app::OpenDatabase(session_, services_, path) != 1) Fail(path);
}

void CliContext::RequireFullAccess() const {
    if (session_.AccessLevel != app::kFullAccess) {
        throw CliError{session_.CurrentDatabasePath +
                       ": changing this protected database needs an account with full access"};
    }
}

}  // namespace cli
