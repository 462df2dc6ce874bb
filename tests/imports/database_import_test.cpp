// Importing the records of another database, and undoing it.
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "app/database_commands.h"
#include "app/image_undo.h"
#include "app/record_images.h"
#include "core/images.h"
#include "fakes/fake_image_converter.h"
#include "import_session.h"
#include "imports/import_undo.h"

namespace {

namespace fs = std::filesystem;

// File permissions hold on this thread even when the tests run as root.
class PermissionsEnforced {
  public:
    PermissionsEnforced() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, lowered);
    }
    ~PermissionsEnforced() { syscall(SYS_capset, &header_, saved_); }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

class DatabaseImport : public ImportSession {
  protected:
    DatabaseImport() {
        AddRow({{"Title", "Heat"}, {"Date Added", "09/09/2001"}});  // Key 1000000000
        DatabaseContent source;
        source.films = {{{"Key", "1000000000"}, {"Title", "Heat again"}, {"Flag Value", "x"}},
                        {{"Key", "1100000000"},
                         {"Title", "The Birds"},
                         {"Cast", "Tippi"},
                         {"Flag Value", "Lent"},
                         {"Duration", "00:00:00"},
                         {"Synopsis", "<b>Birds</b>~attack"}},
                        {{"Key", "soon"}, {"Title", "Alien"}, {"Year", "1979"}}};
        source_ = WriteDatabaseFiles(folder_ / "source.rdk", source);
    }
    std::string source_;
};

TEST_F(DatabaseImport, AddsThePairedCellsSkipsTakenKeysAndRekeysBrokenOnes) {
    const imports::ImportResult result = ImportDatabase(source_, Options(false, "", true));
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.message,
              "2 records imported. (1 duplicate record keys were found\nand were not imported)"
              "\n\n1 records without a valid key were given new keys.");
    EXPECT_EQ(result.title, "Import");
    // Sorted again by Date Added, ascending: the fresh Key (today) comes before 11/09/2004.
    EXPECT_EQ(ColumnCells("Title"), (std::vector<std::string>{"Heat", "Alien", "Birds, The"}));
    EXPECT_EQ(ColumnCells("#"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Key(1), std::to_string(kNow));
    EXPECT_EQ(Cell(1, "Date Added"), "03/07/2004");
    EXPECT_EQ(Cell(2, "Cast"), "Tippi");
    EXPECT_EQ(Cell(2, "Flag Value"), "Lent");
    EXPECT_TRUE(session_.Videos.FlagMark(2));
    EXPECT_EQ(Cell(2, "Duration"), "");
    EXPECT_EQ(Cell(2, "Synopsis"), "bBirds/b~attack");
    EXPECT_EQ(Cell(2, "Date Added"), "11/09/2004");
    EXPECT_TRUE(session_.Modified);
    EXPECT_TRUE(imports::CanUndoMyVideosImport(paths_));
}

TEST_F(DatabaseImport, ASecondImportFindsEveryKeyTaken) {
    DatabaseContent keys;
    keys.films = {{{"Key", "1200000000"}}, {{"Key", "1200000001"}}};
    const std::string two = WriteDatabaseFiles(folder_ / "two.rdk", keys);
    EXPECT_EQ(ImportDatabase(two).message, "2 records imported successfully.");
    EXPECT_EQ(ImportDatabase(two).message,
              "0 records imported. (2 duplicate record keys were found\nand were not imported)");
}

TEST_F(DatabaseImport, DamagedOrMissingSourcesChangeNothing) {
    const std::string bytes = ReadFileBytes(source_);
    const std::vector<std::string> before = Rows();
    WriteFileBytes(folder_ / "cut.rdk", bytes.substr(0, bytes.size() - 30));
    std::string shifted = bytes;
    shifted.insert(0, "1\n");
    WriteFileBytes(folder_ / "shifted.rdk", shifted);
    for (const auto& [path, reason] : std::vector<std::pair<std::string, std::string>>{
             {folder_ / "cut.rdk", "the last record is cut short"},
             {folder_ / "shifted.rdk", "line 24: a record does not end with an empty line"},
             {folder_ / "missing.rdk", "No such file or directory"}}) {
        const imports::ImportResult result = Import(imports::SourceKind::kReeldeck, path,
                                                    imports::ReadDatabaseSource(source_).fields);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.starts_with("Error reading import file.\n" + path + ": "))
            << result.message;
        EXPECT_NE(result.message.find(reason), std::string::npos) << result.message;
    }
    EXPECT_EQ(Rows(), before);
    EXPECT_FALSE(session_.Modified);
    EXPECT_FALSE(imports::CanUndoMyVideosImport(paths_));
}

TEST_F(DatabaseImport, ReadOnlyUsersCannotImport) {
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_FALSE(ImportDatabase(source_).ok);
    EXPECT_EQ(session_.Videos.RowCount(), 1);
}

TEST_F(DatabaseImport, ImagesAreCopiedWithoutOverwritingAndUndoRestoresTheFolder) {
    const std::string images = folder_ / "source";
    WriteFileBytes(images + "/1000000000.jpg", "theirs");
    WriteFileBytes(images + "/1100000000.GIF", "birds");
    WriteFileBytes(images + "/notes.txt", "not an image");
    WriteFileBytes(session_.ImageFolder + "/1000000000.jpg", "ours");
    WriteFileBytes(session_.ImageFolder + "/1200000000.gif", "old");
    WriteFileBytes(session_.ImageFolder + "/readme.txt", "kept");
    const std::vector<std::string> rows_before = Rows();
    const std::vector<std::string> folder_before = Folder(session_.ImageFolder);

    const imports::ImportResult result = ImportDatabase(
        source_, Options(true, imports::ReadDatabaseSource(source_).image_folder, false));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(Folder(session_.ImageFolder),
              (std::vector<std::string>{"1000000000.jpg=ours", "1100000000.GIF=birds",
                                        "1200000000.gif=old", "readme.txt=kept"}));
    // Later changes are undone too: an image deleted, one replaced twice, the imported one
    // replaced under another name; files that are not images stay.
    const core::ImageUndoCopy undo = app::ImageUndoOf(session_);
    FakeImageConverter converter;
    app::DeleteRecordImages(session_.ImageFolder, "1000000000", undo);
    for (const char* bytes : {"new", "newer"}) {
        WriteFileBytes(folder_ / "new.gif", bytes);
        for (const char* key : {"1200000000", "1100000000"})
            ASSERT_NE(app::StoreRecordImage(session_.ImageFolder, key, folder_ / "new.gif",
                                            converter, undo),
                      "");
    }
    WriteFileBytes(session_.ImageFolder + "/later.txt", "also kept");

    ASSERT_TRUE(imports::UndoMyVideosImport(session_, progress_));
    EXPECT_EQ(Rows(), rows_before);
    std::vector<std::string> expected = folder_before;
    expected.push_back("later.txt=also kept");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Folder(session_.ImageFolder), expected);
    EXPECT_FALSE(imports::CanUndoMyVideosImport(paths_));
    EXPECT_FALSE(fs::exists(paths_.import_undo_images));
    EXPECT_FALSE(imports::UndoMyVideosImport(session_, progress_));
}

TEST_F(DatabaseImport, AnImageTheUndoCopyCannotKeepIsNeitherDeletedNorReplaced) {
    WriteFileBytes(session_.ImageFolder + "/1000000000.jpg", "ours");
    WriteFileBytes(folder_ / "new.jpg", "new");
    ASSERT_TRUE(ImportDatabase(source_).ok);
    const core::ImageUndoCopy undo = app::ImageUndoOf(session_);
    FakeImageConverter converter;
    fs::permissions(paths_.import_undo_images, fs::perms::owner_read | fs::perms::owner_exec);
    {
        PermissionsEnforced enforced;
        app::DeleteRecordImages(session_.ImageFolder, "1000000000", undo);
        EXPECT_EQ(app::StoreRecordImage(session_.ImageFolder, "1000000000", folder_ / "new.jpg",
                                        converter, undo),
                  "");
        const std::string keys[] = {"1000000000"};
        core::DeleteImageFiles(session_.ImageFolder, keys, undo);
    }
    fs::permissions(paths_.import_undo_images, fs::perms::owner_all);
    EXPECT_EQ(Folder(session_.ImageFolder), (std::vector<std::string>{"1000000000.jpg=ours"}));
    // Closing the database deletes the copy; nothing is kept any more.
    app::CloseDatabase(session_);
    EXPECT_FALSE(fs::exists(paths_.import_undo_images));
}

TEST_F(DatabaseImport, TheSourceSummaryReadsHeaderCountAndImageFolder) {
    WriteFileBytes(source_ + "i", "C:\\nowhere\\images\\");
    imports::SourceSummary summary = imports::ReadDatabaseSource(source_);
    EXPECT_EQ(summary.record_count, 3);
    EXPECT_EQ(summary.fields.size(), 23u);
    EXPECT_EQ(summary.fields[3].name, "Title");
    EXPECT_EQ(summary.fields[3].slot, 3);
    EXPECT_EQ(summary.image_folder, "");
    WriteFileBytes(source_ + "i", "\n" + folder_.path() + "\\films\\");
    EXPECT_EQ(imports::ReadDatabaseSource(source_).image_folder, session_.ImageFolder);
}

}  // namespace
