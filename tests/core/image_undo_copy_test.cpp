// The import undo copy of an image folder: listed at once, kept file by file.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/image_undo_copy.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        entries.push_back(entry.is_directory() ? name + "/"
                                               : name + "=" + ReadFileBytes(entry.path()));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Odd names survive the manifest; a file kept before its change comes back; a database that
// moved to a copy of its folder (Save As) gets the listed files from the old folder.
TEST(ImageUndoCopy, RestoresKeptAndListedFilesIntoTheFolderInUse) {
    TempFolder temp;
    const std::string old_folder = temp / "old";
    const std::string names[] = {"a\\n.jpg", "line\nbreak.GIF", "c.bmp"};
    fs::create_directories(old_folder + "/folder.jpg");
    for (const std::string& name : names) WriteFileBytes(old_folder + "/" + name, "was " + name);
    const core::ImageUndoCopy undo(temp / "program/mv");
    ASSERT_TRUE(undo.Take(old_folder));
    ASSERT_TRUE(undo.Exists());

    const std::string changed = old_folder + "/c.bmp";
    const std::string added = old_folder + "/added.jpg";
    EXPECT_EQ(undo.KeepBeforeChange({changed, added}), (std::vector<std::string>{changed, added}));
    fs::remove(changed);
    WriteFileBytes(changed, "changed");
    EXPECT_TRUE(undo.KeepBeforeChange(changed));  // kept once: the first contents stay kept
    WriteFileBytes(added, "added");
    const std::vector<std::string> before = {"a\\n.jpg=was a\\n.jpg", "added.jpg=added",
                                             "c.bmp=changed", "folder.jpg/",
                                             "line\nbreak.GIF=was line\nbreak.GIF"};
    ASSERT_EQ(Entries(old_folder), before);

    const std::string new_folder = temp / "new";
    fs::copy(old_folder, new_folder);
    WriteFileBytes(new_folder + "/notes.txt", "stays");
    ASSERT_TRUE(undo.RestoreInto(new_folder));
    EXPECT_EQ(Entries(new_folder),
              (std::vector<std::string>{"a\\n.jpg=was a\\n.jpg", "c.bmp=was c.bmp",
                                        "line\nbreak.GIF=was line\nbreak.GIF", "notes.txt=stays"}));
    undo.Discard();
    EXPECT_FALSE(undo.Exists());
    EXPECT_EQ(Entries(old_folder), before);
    EXPECT_EQ(core::ImageUndoCopy().KeepBeforeChange(changed), true);
}

}  // namespace
