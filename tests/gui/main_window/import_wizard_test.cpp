// The Import Wizard as the menus open it: choosing a source, the default pairing, importing, the
// result message, and Undo Last putting the list back.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "gui_fixture.h"
#include "imports/source_files.h"
#include "zip_archive.h"

namespace {

namespace cmd = app::cmd;
namespace fs = std::filesystem;
using ImportWizardTest = GuiFixture;

// The "Import" text of the pairing row whose target is `target`.
QString PairedWith(const QTreeWidget& pairs, const QString& target) {
    for (int row = 0; row < pairs.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = pairs.topLevelItem(row);
        if (item->text(2) == target) return item->text(0) + " " + item->text(1);
    }
    return "(no row)";
}

// Another database: its "Director" and "Location" columns renamed "Directed By" and "Shelf"
// (paired with nothing), three
// records of which one has a Key that the open database already holds, and a cover.
std::string WriteSource(const fs::path& folder, const config::ProgramPaths& paths) {
    const core::DatabaseNames names = core::DatabaseNamesOf((folder / "source.rdk").string());
    core::VideoList list;
    EXPECT_TRUE(core::ReadHeader(list, paths.default_header).ok());
    std::vector<core::VideoColumn> columns = list.Columns();
    for (core::VideoColumn& column : columns) {
        if (column.Name == "Director") column.Name = "Directed By";
        if (column.Name == "Location") column.Name = "Shelf";
    }
    list.SetColumns(columns);
    const int key = list.ColumnIndexOf("Key");
    const int title = list.ColumnIndexOf("Title");
    for (auto [k, t] :
         {std::pair{"1700000100", "Zulu"}, {"1600000001", "Taken Key"}, {"1700000200", "Alpha"}}) {
        core::VideoRecord record;
        record.SetCell(key, k);
        record.SetCell(title, t);
        list.AppendRow(std::move(record));
    }
    platform::NoProgress quiet;
    core::WriteHeader(list, names.header);
    core::WriteRecords(list, names.main, quiet);
    fs::create_directories(folder / "source-images");
    std::ofstream(folder / "source-images" / "1700000100.jpg") << "jpeg";
    core::WriteImagePathFile(names.images, (folder / "source-images").string());
    return names.main;
}

TEST_F(ImportWizardTest, ImportsWithTheDefaultPairingAndUndoPutsTheListBack) {
    const std::string films = WriteDatabase("films.rdk", 2);
    const std::string source = WriteSource(fs::path(folder_.path()), paths_);
    Open(films);
    session_->Sort = {Column("Title"), 1};
    const fs::path cover = fs::path(session_->ImageFolder) / "1700000100.jpg";
    EXPECT_FALSE(Action(cmd::kUndoImportMyVideos)->isEnabled());

    prompts_.QueueOpenFile(source);
    InModal(cmd::kImportMyVideos, "importWizardDialog", [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Import Wizard");
        EXPECT_EQ(Find<QLabel>(dialog, "recordCount")->text(), "0 Records");
        EXPECT_FALSE(Find<QPushButton>(dialog, "importButton")->isEnabled());
        QTest::mouseClick(Find(dialog, "browseSource"), Qt::LeftButton);

        EXPECT_EQ(Find<QLineEdit>(dialog, "sourcePath")->text().toStdString(), source);
        EXPECT_EQ(Find<QLabel>(dialog, "recordCount")->text(), "3 Records");
        EXPECT_EQ(Find<QLabel>(dialog, "fileCount")->text(), "1 Files");
        auto* ignored = Find<QTreeWidget>(dialog, "ignoreList");
        ASSERT_EQ(ignored->topLevelItemCount(), 2);
        EXPECT_EQ(ignored->topLevelItem(0)->text(0), "Shelf");
        auto* pairs = Find<QTreeWidget>(dialog, "pairingList");
        EXPECT_EQ(PairedWith(*pairs, "Title"), "Title ->");
        EXPECT_EQ(PairedWith(*pairs, "Director"), " ");
        EXPECT_EQ(PairedWith(*pairs, "Key"), "(no row)");

        // The Ignore list's column goes to a row and back.
        QTest::mouseClick(ignored->viewport(), Qt::LeftButton, {},
                          ignored->visualItemRect(ignored->topLevelItem(0)).center());
        QTest::mouseClick(Find(dialog, "pairButton"), Qt::LeftButton);
        ASSERT_EQ(ignored->topLevelItemCount(), 1);
        EXPECT_EQ(ignored->topLevelItem(0)->text(0), "Directed By");
        EXPECT_EQ(PairedWith(*pairs, "Location"), "Shelf ->");  // the first empty row
        QTest::mouseClick(Find(dialog, "unpairButton"), Qt::LeftButton);
        EXPECT_EQ(ignored->topLevelItemCount(), 2);

        auto* images = Find<QCheckBox>(dialog, "importImages");
        EXPECT_TRUE(images->isEnabled());
        EXPECT_TRUE(images->isChecked());  // RD_MY_IMPORT_IMAGES_VARIABLE=1
        QTest::mouseClick(Find(dialog, "importButton"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });

    ASSERT_FALSE(prompts_.Messages().empty());
    const ScriptedPrompts::Shown& shown = prompts_.Messages().back();
    EXPECT_EQ(shown.text,
              "2 records imported. (1 duplicate record keys were found\nand were not imported)");
    EXPECT_EQ(shown.title, "Import");
    EXPECT_EQ(shown.icon, platform::Icon::kInformation);
    ASSERT_EQ(session_->Videos.RowCount(), 4);
    EXPECT_EQ(session_->Videos.Cell(0, Column("Title")), "Alpha");  // sorted by title again
    EXPECT_EQ(window_->windowTitle(), "Reeldeck - *films.rdk - 4 Videos");
    EXPECT_TRUE(fs::exists(cover));
    EXPECT_TRUE(Action(cmd::kUndoImportMyVideos)->isEnabled());

    EXPECT_TRUE(window_->RunCommand(cmd::kUndoImportMyVideos));
    ASSERT_EQ(session_->Videos.RowCount(), 2);
    EXPECT_EQ(session_->Videos.Cell(0, Column("Title")), "Film 0");
    EXPECT_FALSE(fs::exists(cover));
    EXPECT_FALSE(Action(cmd::kUndoImportMyVideos)->isEnabled());
}

// The other sources through the same window: each file's record count and default pairing once
// chosen, and its records in the list after Import.
TEST_F(ImportWizardTest, ImportsCsvTellicoAndGcstarFilesWithTheDefaultPairing) {
    Open(WriteDatabase("films.rdk", 1));
    const std::string data = REELDECK_TEST_DATA, tc = folder_ / "videos.tc";
    WriteZip(tc, {{"tellico.xml", ReadFileBytes(data + "/tellico-videos.xml")}});
    const struct {
        int command;
        std::string file;
        std::vector<std::string> titles;  // as the list holds them after the import
    } sources[] = {
        {cmd::kImportCsv, data + "/films.csv", {"Alien, 1", "Heat1"}},
        {cmd::kImportTellico, tc, {"Alien", "Heat", "Escape"}},
        {cmd::kImportGcstar, data + "/gcstar-films.gcs", {"Alien", "Heat", "Big", "Lost"}}};
    for (const auto& [command, file, titles] : sources) {
        SCOPED_TRACE(file);
        const int rows = session_->Videos.RowCount();
        const int count = static_cast<int>(titles.size());
        const std::string records = std::to_string(count) + " records";
        prompts_.QueueOpenFile(file);
        InModal(command, "importWizardDialog", [&](QDialog& dialog) {
            QTest::mouseClick(Find(dialog, "browseSource"), Qt::LeftButton);
            EXPECT_EQ(Find<QLineEdit>(dialog, "sourcePath")->text().toStdString(), file);
            EXPECT_EQ(Find<QLabel>(dialog, "recordCount")->text().toLower().toStdString(), records);
            auto* pairs = Find<QTreeWidget>(dialog, "pairingList");
            EXPECT_EQ(PairedWith(*pairs, "Title"), "Title ->");
            EXPECT_EQ(PairedWith(*pairs, "Year"), "Year ->");
            ASSERT_TRUE(Find<QPushButton>(dialog, "importButton")->isEnabled());
            QTest::mouseClick(Find(dialog, "importButton"), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        });
        ASSERT_FALSE(prompts_.Messages().empty());
        EXPECT_EQ(prompts_.Messages().back().text, records + " imported successfully.");
        ASSERT_EQ(session_->Videos.RowCount(), rows + count);
        std::vector<std::string> listed;
        for (int row = 0; row < session_->Videos.RowCount(); ++row)
            listed.emplace_back(session_->Videos.Cell(row, Column("Title")));
        for (const std::string& title : titles)
            EXPECT_NE(std::find(listed.begin(), listed.end(), title), listed.end()) << title;
        EXPECT_EQ(window_->windowTitle().toStdString(),
                  "Reeldeck - *films.rdk - " + std::to_string(rows + count) + " Videos");
    }
}

// A program file without Filmfolio's configuration is refused (the picker offers all files too);
// a read-only user cannot import.
TEST_F(ImportWizardTest,
       FilmfolioRefusesAProgramWithoutItsConfigurationAndAReadOnlyUserEverything) {
    Open(WriteDatabase("films.rdk", 1));
    const std::string program = folder_ / "ff2.exe";
    std::ofstream(program) << "not a program";
    prompts_.QueueOpenFile(program);
    InModal(cmd::kImportFilmfolioMovies, "importWizardDialog", [&](QDialog& dialog) {
        QTest::mouseClick(Find(dialog, "browseProgram"), Qt::LeftButton);
        EXPECT_EQ(Find<QLineEdit>(dialog, "programPath")->text(), "");
        EXPECT_FALSE(Find<QPushButton>(dialog, "importButton")->isEnabled());
    });
    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].title, "Source Executable File");
    EXPECT_EQ(prompts_.Pickers()[0].filter.label, "Executable Files (*.exe)");
    EXPECT_TRUE(prompts_.Pickers()[0].filter.with_all_files);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Import Error");
    EXPECT_EQ(prompts_.Messages()[0].text, imports::FilmfolioConfigErrorText(program));

    // A read-only user imports nothing, not even with the tool bar's button.
    session_->AccessLevel = app::kReadOnlyAccess;
    window_->PrepareMenu("tools");
    EXPECT_FALSE(window_->menus().Submenu(app::menu_id::kImportRecords)->menuAction()->isEnabled());
    InModal(cmd::kToolImportReeldeck, "");
}

}  // namespace
