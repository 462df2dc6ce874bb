#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "config/service_config.h"
#include "core/dates.h"
#include "gui/main_window.h"
#include "scripted_login.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

// Opens nothing: remembers what it was asked to open.
class RecordingShell final : public platform::Shell {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

class RecordingHelp final : public platform::Help {
public:
    void ShowContents() override { ++contents_shown; }
    std::string PopupText(const std::string&) override { return {}; }
    int contents_shown = 0;
};

// Reaches no network: every download fails.
class OfflineDownloader final : public platform::Downloader {
public:
    platform::DownloadResult DownloadToFile(const std::string&, const std::string&,
                                            const platform::DownloadObserver&, std::stop_token) override {
        platform::DownloadResult result;
        result.error = platform::DownloadError::kConnectionFailed;
        result.reason = "offline";
        return result;
    }
};

// "Converts" by copying: the tests' pictures are JPEG files already.
class CopyingConverter final : public platform::ImageConverter {
public:
    bool ConvertToJpeg(const std::string& from, const std::string& to) override {
        std::error_code error;
        return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    }
};

// A program folder with the shipped files, a session over it and a main window showing it. The
// window's questions and logins come from scripts.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    // Creates the main window (again, after a restart).
    void CreateWindow();
    // Reads the configuration file again, as a new start of the program does.
    void RestartSettings();
    // Writes a database of `records` rows (titles "Film 0" …, categories from `categories`) and
    // `wanted` wanted titles; returns its main path.
    std::string WriteDatabase(const std::string& name, int records, int wanted = 0,
                              const std::vector<std::string>& categories = {},
                              const std::vector<core::UserAccount>& accounts = {});
    void Open(const std::string& main_path);
    QAction* Action(int command) const;
    // Runs a top-level menu's rule as opening it does.
    void Prepare(const char* menu);

    TempFolder folder_;
    config::ProgramPaths paths_;
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1700000000};
    std::unique_ptr<app::Session> session_;
    config::ServiceConfig service_;
    RecordingShell shell_;
    RecordingHelp help_;
    OfflineDownloader downloader_;
    CopyingConverter converter_;
    ScriptedPrompts prompts_;
    ScriptedLogin login_;
    std::unique_ptr<gui::MainWindow> window_;
};
