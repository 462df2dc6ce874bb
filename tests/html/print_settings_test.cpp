#include <gtest/gtest.h>

#include <sstream>

#include "html/print_settings.h"
#include "temp_folder.h"

namespace {

TEST(PrintSettingsFile, WritesEveryStoredSettingAndReadsItBack) {
    TempFolder folder;
    html::PrintSettings settings;
    settings.heading = core::MakeColor(10, 20, 30);
    settings.text = core::MakeColor(255, 0, 7);
    settings.font_face = "Courier New";
    settings.font_style = "Bold";
    settings.font_size = 14;
    settings.multiple_columns = false;
    settings.titles_only = false;
    settings.include_images = false;  // not stored
    ASSERT_TRUE(html::SavePrintSettings(settings, folder / "ps.txt"));
    EXPECT_EQ(ReadFileBytes(folder / "ps.txt"),
              "[Reeldeck - Version 1.0 - Print Settings]\n\nHEADING=10,20,30\nTEXT=255,0,7\n"
              "FTYPE=Courier New\nFSTYLE=Bold\nFSIZE=14\nMULTIPLE_COLUMNS=0\nTITLES_ONLY=0\n");

    // Read back, every stored setting is written again as it was; images are not stored.
    html::PrintSettings read;
    ASSERT_TRUE(html::LoadPrintSettings(folder / "ps.txt", read));
    EXPECT_TRUE(read.include_images);
    ASSERT_TRUE(html::SavePrintSettings(read, folder / "again.txt"));
    EXPECT_EQ(ReadFileBytes(folder / "again.txt"), ReadFileBytes(folder / "ps.txt"));
}

TEST(PrintSettingsFile, FlagsAreKnownByFixedLettersAndAMissingFileKeepsTheDefaults) {
    html::PrintSettings settings;
    std::istringstream in("MUxxxxxxxCanything=0\nTIxxxxxOx=1=0\nTITLES_ONLY=yes\nFSIZE=12pt\r\n");
    settings.titles_only = false;
    html::ReadPrintSettings(in, settings);
    EXPECT_FALSE(settings.multiple_columns);
    EXPECT_FALSE(settings.titles_only);  // the last line wins: "y" is not "1"
    EXPECT_EQ(settings.font_size, 12);

    html::PrintSettings defaults;
    EXPECT_FALSE(html::LoadPrintSettings("/nonexistent/cfg/ps.txt", defaults));
    EXPECT_TRUE(defaults.multiple_columns && defaults.titles_only && defaults.include_images);
    EXPECT_EQ(defaults.font_size, 0);
}

}  // namespace
