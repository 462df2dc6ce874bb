// The backup a save keeps, its restore, and a database changed on disk by another program.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A save that fails part way changes none of the files nor the backup.
TEST_F(BackupTest, AFailedSaveChangesNothingOnDisk) {
    Retitle("Aliens");
    app::SaveCommand(session_, services_);
    const std::string saved = ReadFileBytes(main_);
    const std::string backup = ReadFileBytes(main_ + ".bak");
    Retitle("Alien 3");
    fs::remove(main_ + "s");
    fs::create_directory(main_ + "s");  // the last file but one cannot be replaced
    app::SaveCommand(session_, services_);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(main_), saved);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), backup);
    EXPECT_FALSE(fs::exists(main_ + ".new"));

    fs::remove(main_ + "s");
    app::SaveCommand(session_, services_);
    EXPECT_EQ(Messages().size(), 1u);  // the error, and no question about changes on disk
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(main_ + ".bak"), saved);
}

// A save killed at each step of putting its files in place: the next open finds the new database
// whole, and restoring its backup brings back the old one whole.
TEST_F(BackupTest, ASaveKilledWhileReplacingItsFilesIsFinishedByTheNextOpen) {
    for (int step = 0; step <= 12; ++step) {  // six files, six backups, the end
        SCOPED_TRACE(step);
        const std::string title = "Alien " + std::to_string(step);
        const std::string previous = Cells("Title").at(0);
        Retitle(title.c_str());
        if (const pid_t child = fork(); child == 0) {
            setenv("REELDECK_KILL_AT_REPLACEMENT_STEP", std::to_string(step).c_str(), 1);
            app::SaveCommand(session_, services_);
            _exit(0);
        } else {
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status));
        }
        app::CloseDatabase(session_);
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        EXPECT_EQ(Cells("Title").at(0), title);
        prompts_.QueueAnswer(Answer::kYes);
        app::RestoreBackupCommand(session_, services_);
        EXPECT_EQ(Cells("Title").at(0), previous);
    }
}

// A file reached through a symbolic link is saved where the link points; the link stays.
TEST_F(BackupTest, ASaveThroughALinkReplacesTheLinkedFile) {
    const std::string linked = DataPath("elsewhere.rdkw");
    const std::string before = ReadFileBytes(main_ + "w");
    fs::rename(main_ + "w", linked);
    fs::create_symlink(linked, main_ + "w");
    session_.Wanted.Add("Heat");
    session_.Modified = true;
    app::SaveCommand(session_, services_);
    EXPECT_TRUE(fs::is_symlink(main_ + "w"));
    EXPECT_NE(ReadFileBytes(linked).find("Heat\n"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(main_ + "w.bak"), before);
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
