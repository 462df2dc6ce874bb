#include <gtest/gtest.h>

#include <sstream>

#include "html/html_theme.h"

namespace {

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
