#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/session.h"
#include "config/service_config.h"
#include "core/dates.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "fakes/fake_image_converter.h"
#include "gui/main_window.h"
#include "gui/widget_driving.h"
#include "scripted_login.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

// Opens nothing: remembers what it was asked to open.
class RecordingShell final : public platform::Shell {
  public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// A program folder with the shipped files, a session over it and a main window showing it. The
// window's questions and logins come from scripts, which must be used up.
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
    // Does `open` (or runs `command`), expects it to open the modal window named `name` ("" for
    // none), lets `use` work in it and then closes it.
    void InModal(const std::function<void()>& open, const QString& name,
                 const std::function<void(QDialog&)>& use = {});
    void InModal(int command, const QString& name, const std::function<void(QDialog&)>& use = {}) {
        InModal([&] { EXPECT_TRUE(window_->RunCommand(command)); }, name, use);
    }
    QAction* Action(int command) const { return window_->menus().Action(command); }
    int Column(const char* name) const { return session_->Videos.ColumnIndexOf(name); }

    TempFolder folder_;
    config::ProgramPaths paths_;
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1700000000};
    std::unique_ptr<app::Session> session_;
    config::ServiceConfig service_;
    RecordingShell shell_;
    FakeHelp help_;
    FakeDownloader downloader_;
    FakeImageConverter converter_;
    ScriptedPrompts prompts_;
    ScriptedLogin login_;
    std::unique_ptr<gui::MainWindow> window_;
};
