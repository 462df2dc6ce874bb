#include "gui_fixture.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "app/database_commands.h"
#include "core/database_files.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "core/wanted_file.h"

namespace fs = std::filesystem;

GuiFixture::GuiFixture() {
    const std::string data = REELDECK_SOURCE_DATA;
    fs::create_directories(folder_ / "program");
    for (const char* part : {"/cfg", "/res"}) {
        fs::copy(data + part, folder_ / ("program" + std::string(part)),
                 fs::copy_options::recursive);
    }
    paths_ = config::ProgramPaths::ForFolder(folder_ / "program");
    EXPECT_TRUE(config::ReadConfig(config_, paths_.config).ok());
    session_ = std::make_unique<app::Session>(paths_, config_, recent_, clock_);
    service_.base_url = "http://127.0.0.1:9/";
    CreateWindow();
}

GuiFixture::~GuiFixture() {
    window_.reset();
    EXPECT_EQ(prompts_.Unused(), "");
    EXPECT_EQ(login_.Unused(), 0);
}

void GuiFixture::CreateWindow() {
    window_.reset();
    window_ = std::make_unique<gui::MainWindow>(gui::MainWindowServices{
        *session_, service_, shell_, help_, downloader_, converter_, &prompts_, &login_});
    window_->resize(1000, 700);
    window_->show();
}

void GuiFixture::RestartSettings() {
    config_ = config::ProgramConfig{};
    ASSERT_TRUE(config::ReadConfig(config_, paths_.config).ok());
}

std::string GuiFixture::WriteDatabase(const std::string& name, int records, int wanted,
                                      const std::vector<std::string>& categories,
                                      const std::vector<core::UserAccount>& accounts) {
    const core::DatabaseNames names = core::DatabaseNamesOf(folder_ / name);
    core::VideoList list;
    EXPECT_TRUE(core::ReadHeader(list, paths_.default_header).ok());
    for (int row = 0; row < records; ++row) {
        core::VideoRecord record;
        record.SetCell(list.ColumnIndexOf("Key"), std::to_string(1600000000 + row));
        record.SetCell(list.ColumnIndexOf("Title"), "Film " + std::to_string(row));
        if (!categories.empty()) {
            record.SetCell(list.ColumnIndexOf("Category"),
                           categories[static_cast<std::size_t>(row) % categories.size()]);
        }
        list.AppendRow(std::move(record));
    }
    platform::NoProgress quiet;
    core::WriteHeader(list, names.header);
    core::WriteRecords(list, names.main, quiet);
    core::WantedList wanted_list;
    for (int i = 0; i < wanted; ++i) wanted_list.Add("Wanted " + std::to_string(i));
    core::WriteWanted(wanted_list, names.wanted, quiet);
    core::WriteAccounts(accounts, names.accounts);
    fs::create_directories(names.base);
    return names.main;
}

void GuiFixture::Open(const std::string& main_path) {
    ASSERT_EQ(app::OpenDatabase(*session_, window_->databaseServices(), main_path), 1);
}

void GuiFixture::InModal(const std::function<void()>& open, const QString& name,
                         const std::function<void(QDialog&)>& use) {
    QString opened;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        opened = dialog->objectName();
        if (use) use(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    open();
    QApplication::processEvents();
    EXPECT_EQ(opened, name);
}
