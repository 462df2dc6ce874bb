// Theme files: reading, saving, editing and the folder that holds them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "html/html_theme.h"
#include "html/theme_editing.h"
#include "html/theme_folder.h"
#include "temp_folder.h"

namespace {

html::HtmlTheme Night() {
    html::HtmlTheme theme;
    theme.title = "Films a=b";
    theme.background = core::MakeColor(10, 20, 30);
    theme.borders = core::MakeColor(255, 0, 128);
    theme.top_margin = 8;
    theme.font_face = "Verdana";
    theme.font_style = "Bold Italic";
    theme.font_size = 12;
    theme.output_folder = "/srv/www";
    return theme;
}

TEST(ThemeSaving, NewThemeHasEmptyLogoAndNoLinksAndEmptyNameWritesNothing) {
    TempFolder folder;
    ASSERT_TRUE(html::SaveTheme(folder.path(), "Night", Night()));
    EXPECT_EQ(ReadFileBytes(folder / "Night.txt"),
              "[Reeldeck - Version 1.0 - HTML Theme]\n\nTITLE=Films a=b\nBACKGROUND=10,20,30\n"
              "HEADING=0,0,0\nTEXT=0,0,0\nLINK=0,0,0\nVLINK=0,0,0\nALINK=0,0,0\n"
              "BORDERS=255,0,128\nTMARGIN=8\nLMARGIN=0\nFTYPE=Verdana\nFSTYLE=Bold Italic\n"
              "FSIZE=12\nOUTPUT=/srv/www\nLOGOSRC=|||\n");
    EXPECT_TRUE(html::SaveTheme(folder.path(), "", Night()));
    EXPECT_FALSE(std::filesystem::exists(folder / ".txt"));
}

TEST(ThemeSaving, KeepsLogoAndLinksAndLeavesNoBackup) {
    TempFolder folder;
    WriteFileBytes(folder / "Blue.txt",
                   "TITLE=old\nCLINK=Home|http://h/?a=1|New Window\nLOGOSRC=Me|/l.gif|http://x|"
                   "Same Window\nCLINK=Two|http://2|\n");
    ASSERT_TRUE(html::SaveTheme(folder.path(), "Blue", Night()));
    html::ThemeDecorations kept;
    ASSERT_TRUE(html::LoadThemeDecorations(folder / "Blue.txt", kept));
    EXPECT_EQ(kept.logo.source, "/l.gif");
    EXPECT_EQ(kept.logo.target, "Same Window");
    ASSERT_EQ(kept.links.size(), 2u);
    EXPECT_EQ(kept.links[0].address, "http://h/?a=1");
    EXPECT_EQ(kept.links[1].display_text, "Two");
    EXPECT_FALSE(std::filesystem::exists(folder / "Blue.tmp"));
}

TEST(ThemeFolder, ListsTxtFilesByNameOnceIgnoringCaseSortedAndRefusesNamesLeavingIt) {
    TempFolder folder;
    for (const char* name : {"my.theme.txt", "Print.txt", "print.TXT", "notes.md", "apple.txt"})
        WriteFileBytes(folder / name, "TITLE=x\n");
    std::filesystem::create_directory(folder / "dir.txt");
    const std::vector<std::string> names = html::ListThemes(folder.path());
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "apple");
    EXPECT_EQ(names[1], "my");
    EXPECT_TRUE(core::EqualsNoCase(names[2], "print"));
    EXPECT_EQ(html::FindTheme(names, "MY"), 1);
    // Names that would leave the folder are refused.
    for (const char* bad : {"a/b", "a\\b", ".hidden", ".."})
        EXPECT_TRUE(html::ThemeNameProblem(bad).has_value()) << bad;
    EXPECT_FALSE(html::ThemeNameProblem("Night 2.0").has_value());
}

TEST(ThemeEditors, LinksAndLogoReplaceTheirLinesAndKeepTheRest) {
    TempFolder folder;
    const std::string path = folder / "t.txt";
    WriteFileBytes(path, "[h]\nTITLE=t\nLOGOSRC=a|b|c|d\nCLINK=Old|http://o|\nFSIZE=9\n");
    EXPECT_FALSE(html::CanAddPageLink("", "http://x"));
    EXPECT_FALSE(html::CanAddPageLink("Text", ""));
    ASSERT_TRUE(html::WritePageLinks(path, {{"A|1", "http://a", "New Window"}, {"B", "b", ""}}));
    ASSERT_TRUE(html::WritePageLogo(path, {"<b>Me\n", "/x.gif", "http://y", "Parent Frame"}));
    EXPECT_EQ(ReadFileBytes(path),
              "[h]\nTITLE=t\nLOGOSRC=bMe|/x.gif|http://y|Parent Frame\nFSIZE=9\n"
              "CLINK=A1|http://a|New Window\nCLINK=B|b|\n");

    // A file without a logo line gets one rather than losing the edit.
    WriteFileBytes(path, "TITLE=t\n");
    ASSERT_TRUE(html::WritePageLogo(path, {"", "", "", ""}));
    EXPECT_EQ(ReadFileBytes(path), "TITLE=t\nLOGOSRC=|||\n");
    const html::PageLogo shown = html::LogoForEditing({}, "/p/res/hllogo.gif");
    EXPECT_EQ(shown.source, "/p/res/hllogo.gif");
    EXPECT_EQ(shown.target, "Same Window");
}

TEST(ThemeFile,
     ReadsSettingsByTheirFirstFourCharactersAndKeepsMissingOnesAndAMissingFileFailsWithItsPath) {
    html::HtmlTheme theme;
    theme.font_face = "Verdana";
    std::istringstream in(
        "[Reeldeck - Version 1.0 - HTML Theme]\n\nTITLE=a=b\r\nBACKGROUND=300,0,128\n"
        "TMARGIN=12px\nLMARGIN=x\nFSIZE=10\nBORDERS=1,2\nOUTPUT=/tmp/out\n");
    html::ReadThemeSettings(in, theme);
    EXPECT_EQ(theme.title, "a=b");
    EXPECT_EQ(theme.background, core::MakeColor(44, 0, 128));
    EXPECT_EQ(theme.borders, core::MakeColor(1, 2, 0));
    EXPECT_EQ(theme.top_margin, 12);
    EXPECT_EQ(theme.left_margin, 0);
    EXPECT_EQ(theme.font_size, 10);
    EXPECT_EQ(theme.font_face, "Verdana");
    EXPECT_EQ(theme.output_folder, "/tmp/out");

    const core::FileResult missing = html::LoadTheme("/nonexistent/cfg/hls/none.txt", theme);
    EXPECT_EQ(missing.path, "/nonexistent/cfg/hls/none.txt");
}

TEST(ThemeFile, LogoLastLineWinsAndLinksKeepFileOrder) {
    std::istringstream in(
        "LOGOSRC=old|a|b|c\nCLINK=Home|http://h/?q=1|New Window\nLOGOSRC=Logo|www.x.org/l.gif\n"
        "CLINK=Two\n");
    const html::ThemeDecorations decorations = html::ReadThemeDecorations(in);
    EXPECT_EQ(decorations.logo.display_text, "Logo");
    EXPECT_EQ(decorations.logo.source, "www.x.org/l.gif");
    EXPECT_EQ(decorations.logo.link_address, "");
    ASSERT_EQ(decorations.links.size(), 2u);
    EXPECT_EQ(decorations.links[0].address, "http://h/?q=1");
    EXPECT_EQ(decorations.links[0].target, "New Window");
    EXPECT_EQ(decorations.links[1].display_text, "Two");
    EXPECT_EQ(html::HtmlTargetOf("new window"), "_new");
    EXPECT_EQ(html::HtmlTargetOf("_top"), "_top");
}

}  // namespace
