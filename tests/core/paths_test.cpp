#include "core/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace {

struct PathCase {
    std::string path;
    std::string file_name;
    std::string parent;
    std::string extension;
    std::string stripped;
};

class PathSplitTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathSplitTest, SplitsAtTheLastSeparatorAndDot) {
    const PathCase& c = GetParam();
    EXPECT_EQ(core::FileNameOf(c.path), c.file_name);
    EXPECT_EQ(core::ParentFolderOf(c.path), c.parent);
    EXPECT_EQ(core::ExtensionOf(c.path), c.extension);
    EXPECT_EQ(core::StripExtension(c.path), c.stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathSplitTest,
    ::testing::Values(
        PathCase{"/home/ann/Movies.rdk", "Movies.rdk", "/home/ann", "rdk", "/home/ann/Movies"},
        PathCase{"C:\\Videos\\Movies.RDK", "Movies.RDK", "C:\\Videos", "RDK", "C:\\Videos\\Movies"},
        PathCase{"mixed\\folder/file.tar.gz", "file.tar.gz", "mixed\\folder", "gz",
                 "mixed\\folder/file.tar"},
        // No "." in the file name: the extension is the whole text, the stripped path empty.
        PathCase{"films", "films", "", "films", ""},
        PathCase{"/v/dir.d/films", "films", "/v/dir.d", "/v/dir.d/films", ""},
        PathCase{"C:\\dir.d\\films", "films", "C:\\dir.d", "C:\\dir.d\\films", ""},
        PathCase{"/file.", "file.", "", "", "/file"}, PathCase{"/", "", "", "/", ""},
        PathCase{"folder/", "", "folder", "folder/", ""}, PathCase{"", "", "", "", ""}));

TEST(UrlLastSegmentTest, TakesThePartAfterTheLastSlash) {
    EXPECT_EQ(core::UrlLastSegment("http://127.0.0.1:8080/images/12345.jpg"), "12345.jpg");
    EXPECT_EQ(core::UrlLastSegment("http://host/dir/"), "");
    EXPECT_EQ(core::UrlLastSegment("plain.jpg"), "plain.jpg");
    EXPECT_EQ(core::UrlLastSegment("a\\b.jpg"), "a\\b.jpg");
}

TEST(JoinPathTest, PutsOneSeparatorBetween) {
    EXPECT_EQ(core::JoinPath("/a/b", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(core::JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(core::JoinPath("", "c.txt"), "c.txt");
    EXPECT_EQ(core::JoinPath("/", "c.txt"), "/c.txt");
}

class FileHelpersTest : public ::testing::Test {
  protected:
    TempFolder folder_;
};

TEST_F(FileHelpersTest, FileAndFolderExistence) {
    WriteFileBytes(folder_ / "file.txt", "x");
    std::filesystem::create_directory(folder_ / "sub");
    EXPECT_TRUE(core::FileExists(folder_ / "file.txt"));
    EXPECT_TRUE(core::FileExists(folder_ / "sub"));
    EXPECT_FALSE(core::FileExists(folder_ / "File.txt"));
    EXPECT_FALSE(core::FileExists(""));
    EXPECT_TRUE(core::FolderExists(folder_ / "sub"));
    EXPECT_TRUE(core::FolderExists(folder_.path()));
    EXPECT_FALSE(core::FolderExists(folder_ / "file.txt"));
    EXPECT_FALSE(core::FolderExists(folder_ / "missing"));
    EXPECT_FALSE(core::FolderExists(""));
    EXPECT_EQ(core::FileSize(folder_ / "file.txt"), 1);
    EXPECT_EQ(core::FileSize(folder_ / "missing"), -1);
}

TEST_F(FileHelpersTest, CountLinesCountsALastLineWithoutLineFeed) {
    struct Case {
        std::string bytes;
        std::int64_t lines;
    };
    const Case cases[] = {
        {"", 0},
        {"a", 1},
        {"a\n", 1},
        {"a\nb", 2},
        {"\n\n", 2},
        {"a\r\nb\r\n", 2},
        {std::string(200000, 'x') + "\nend", 2},
        {std::string(70000, '\n'), 70000},
    };
    for (const Case& c : cases) {
        WriteFileBytes(folder_ / "lines.txt", c.bytes);
        EXPECT_EQ(core::CountLines(folder_ / "lines.txt"), c.lines) << c.bytes.substr(0, 20);
    }
    EXPECT_EQ(core::CountLines(folder_ / "missing.txt"), -1);
    EXPECT_EQ(core::CountLines(folder_.path()), -1);
}

TEST_F(FileHelpersTest, CountFilesWithExtensionIgnoresCaseAndSubFolders) {
    for (const char* name : {"1.jpg", "2.JPG", "3.Jpg", "4.gif", "5.jpgx", "jpg", "6.bmp.jpg"}) {
        WriteFileBytes(folder_ / name, "x");
    }
    std::filesystem::create_directory(folder_ / "folder.jpg");
    std::filesystem::create_directory(folder_ / "sub");
    WriteFileBytes(folder_ / "sub/7.jpg", "x");

    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "jpg"), 4);
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "JPG"), 4);
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "gif"), 1);
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "bmp"), 0);
    EXPECT_EQ(core::CountFilesWithExtension("", "jpg"), 0);
    EXPECT_EQ(core::CountFilesWithExtension(folder_ / "missing", "jpg"), 0);
}

TEST_F(FileHelpersTest, FindImageExtensionPrefersJpgThenGifThenBmp) {
    const std::string base = folder_ / "1078617600";
    EXPECT_EQ(core::FindImageExtension(base), "");
    WriteFileBytes(base + ".bmp", "b");
    EXPECT_EQ(core::FindImageExtension(base), ".bmp");
    WriteFileBytes(base + ".gif", "g");
    EXPECT_EQ(core::FindImageExtension(base), ".gif");
    WriteFileBytes(base + ".jpg", "j");
    EXPECT_EQ(core::FindImageExtension(base), ".jpg");
    std::filesystem::remove(base + ".gif");
    EXPECT_EQ(core::FindImageExtension(base), ".jpg");
    std::filesystem::remove(base + ".jpg");
    EXPECT_EQ(core::FindImageExtension(base), ".bmp");
    // Another record's image is not this record's.
    EXPECT_EQ(core::FindImageExtension(folder_ / "107861760"), "");
}

TEST_F(FileHelpersTest, FindImageExtensionFindsUpperCaseExtensions) {
    const std::string base = folder_ / "1078617600";
    WriteFileBytes(base + ".GIF", "g");
    EXPECT_EQ(core::FindImageExtension(base), ".GIF");
    WriteFileBytes(base + ".JPG", "j");
    EXPECT_EQ(core::FindImageExtension(base), ".JPG");
    WriteFileBytes(base + ".jpg", "j");
    EXPECT_EQ(core::FindImageExtension(base), ".jpg");
}

TEST(ModuleFolderTest, IsTheFolderOfTheRunningProgram) {
    const std::string folder = core::ModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(core::FolderExists(folder));
    EXPECT_EQ(std::filesystem::canonical("/proc/self/exe").parent_path().string(),
              std::filesystem::canonical(folder).string());
}

}  // namespace
