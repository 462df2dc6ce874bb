// The backup a save keeps, its restore, and a database changed on disk by another program.
#include "app/database_commands.h"
#include "app_test.h"
#include "core/database_backup.h"

namespace {

using platform::Answer;

class BackupTest : public AppTest {
  protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open(main_)); }

    void Retitle(const char* title) {
        session_.Videos.SetCell(0, session_.Videos.ColumnIndexOf("Title"), title);
        session_.Modified = true;
    }

    std::string main_ = WriteDatabase("films.rdk");
};

TEST_F(BackupTest, EachSaveKeepsThePreviousFilesAndRestoringSwapsThemBack) {
    const std::string first = ReadFileBytes(main_);
    Retitle("Aliens");
    app::SaveCommand(session_, services_);
    const std::string second = ReadFileBytes(main_);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), first);
    EXPECT_EQ(ReadFileBytes(main_ + "w.bak"), ReadFileBytes(main_ + "w"));

    Retitle("Alien 3");
    app::SaveCommand(session_, services_);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), second);  // one generation only

    // Restore: the backup comes back, and the replaced files become the backup.
    prompts_.QueueAnswer(Answer::kNo);
    app::RestoreBackupCommand(session_, services_);
    EXPECT_EQ(Cells("Title").at(0), "Alien 3");
    prompts_.QueueAnswer(Answer::kYes);
    app::RestoreBackupCommand(session_, services_);
    EXPECT_EQ(Cells("Title").at(0), "Aliens");
    EXPECT_EQ(ReadFileBytes(main_), second);
    prompts_.QueueAnswer(Answer::kYes);
    app::RestoreBackupCommand(session_, services_);
    EXPECT_EQ(Cells("Title").at(0), "Alien 3");

    // Switched off, a save leaves no backup behind.
    for (const std::string& file : core::DatabaseFiles(core::DatabaseNamesOf(main_)))
        fs::remove(core::BackupNameOf(file));
    config_.keep_backup = false;
    app::SaveCommand(session_, services_);
    EXPECT_FALSE(core::HasBackup(core::DatabaseNamesOf(main_)));
}

// A save that stopped part way leaves a mix on disk: the backup before it stays the last whole
// database until a save succeeds, and the files it wrote are no stranger's changes.
TEST_F(BackupTest, AFailedSaveKeepsTheLastWholeBackup) {
    const std::string first = ReadFileBytes(main_);
    Retitle("Aliens");
    fs::remove(main_ + "w");
    fs::create_directory(main_ + "w");  // the wanted file cannot be replaced
    app::SaveCommand(session_, services_);
    app::SaveCommand(session_, services_);
    EXPECT_EQ(Messages().size(), 2u);  // two errors, no question about changes on disk
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), first);

    fs::remove(main_ + "w");
    app::SaveCommand(session_, services_);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), first);
    Retitle("Alien 3");
    const std::string whole = ReadFileBytes(main_);
    app::SaveCommand(session_, services_);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), whole);
}

TEST_F(BackupTest, AChangeOnDiskIsNeverSavedOverWithoutAsking) {
    const std::string theirs = ReadFileBytes(main_) + "\n";
    WriteFileBytes(main_, theirs);  // another program saved the database meanwhile
    Retitle("Aliens");

    prompts_.QueueAnswer(Answer::kCancel);
    app::SaveCommand(session_, services_);
    EXPECT_EQ(ReadFileBytes(main_), theirs);
    EXPECT_TRUE(session_.Modified);
    EXPECT_NE(Messages().back().find("has been changed on disk"), std::string::npos);

    // No: saved under another name; the other program's file stays.
    const std::string other = DataPath("mine.rdk");
    prompts_.QueueAnswer(Answer::kNo);
    prompts_.QueueSaveFile(other);
    app::SaveCommand(session_, services_);
    EXPECT_EQ(ReadFileBytes(main_), theirs);
    EXPECT_EQ(session_.CurrentDatabasePath, other);
    EXPECT_FALSE(session_.Modified);

    // Saved here since: no question. Changed again outside: Yes saves over it, keeping theirs
    // as the backup.
    Retitle("Alien 3");
    app::SaveCommand(session_, services_);
    const std::string again = ReadFileBytes(other) + "\n";
    WriteFileBytes(other, again);
    Retitle("Alien 4");
    prompts_.QueueAnswer(Answer::kYes);
    app::SaveCommand(session_, services_);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(other + ".bak"), again);
}

}  // namespace
