#include "core/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace {

struct PathCase {
    std::string path, file_name, parent, extension, stripped;
};

TEST(PathsTest, SplitsAtTheLastSeparatorAndDot) {
    const PathCase cases[] = {
        {"/home/ann/Movies.rdk", "Movies.rdk", "/home/ann", "rdk", "/home/ann/Movies"},
        {"C:\\Videos\\Movies.RDK", "Movies.RDK", "C:\\Videos", "RDK", "C:\\Videos\\Movies"},
        {"mixed\\folder/file.tar.gz", "file.tar.gz", "mixed\\folder", "gz",
         "mixed\\folder/file.tar"},
        // No "." in the file name: the extension is the whole text, the stripped path empty.
        {"films", "films", "", "films", ""},
        {"/v/dir.d/films", "films", "/v/dir.d", "/v/dir.d/films", ""},
        {"C:\\dir.d\\films", "films", "C:\\dir.d", "C:\\dir.d\\films", ""},
        {"/file.", "file.", "", "", "/file"},
        {"folder/", "", "folder", "folder/", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(core::FileNameOf(c.path), c.file_name) << c.path;
        EXPECT_EQ(core::ParentFolderOf(c.path), c.parent) << c.path;
        EXPECT_EQ(core::ExtensionOf(c.path), c.extension) << c.path;
        EXPECT_EQ(core::StripExtension(c.path), c.stripped) << c.path;
    }
    EXPECT_EQ(core::UrlLastSegment("http://127.0.0.1:8080/images/12345.jpg"), "12345.jpg");
    EXPECT_EQ(core::UrlLastSegment("a\\b.jpg"), "a\\b.jpg");
    EXPECT_EQ(core::JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(core::JoinPath("", "c.txt"), "c.txt");
}

class FileHelpersTest : public ::testing::Test {
  protected:
    TempFolder folder_;
};

TEST_F(FileHelpersTest, CountLinesCountsALastLineWithoutLineFeed) {
    const std::pair<std::string, std::int64_t> cases[] = {
        {"", 0},
        {"a", 1},
        {"a\n", 1},
        {"a\nb", 2},
        {"\n\n", 2},
        {std::string(200000, 'x') + "\nend", 2},
        {std::string(70000, '\n'), 70000},
    };
    for (const auto& [bytes, lines] : cases) {
        WriteFileBytes(folder_ / "lines.txt", bytes);
        EXPECT_EQ(core::CountLines(folder_ / "lines.txt"), lines) << bytes.substr(0, 20);
    }
    EXPECT_EQ(core::CountLines(folder_ / "missing.txt"), -1);
}

TEST_F(FileHelpersTest, CountFilesWithExtensionIgnoresCaseAndSubFolders) {
    for (const char* name : {"1.jpg", "2.JPG", "3.Jpg", "4.gif", "5.jpgx", "jpg", "6.bmp.jpg"}) {
        WriteFileBytes(folder_ / name, "x");
    }
    std::filesystem::create_directory(folder_ / "folder.jpg");
    std::filesystem::create_directory(folder_ / "sub");
    WriteFileBytes(folder_ / "sub/7.jpg", "x");
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "JPG"), 4);
    EXPECT_EQ(core::CountFilesWithExtension(folder_.path(), "gif"), 1);
    EXPECT_EQ(core::CountFilesWithExtension(folder_ / "missing", "jpg"), 0);
}

TEST_F(FileHelpersTest, FindImageExtensionPrefersJpgThenGifThenBmpInEitherCase) {
    const std::string base = folder_ / "1078617600";
    EXPECT_EQ(core::FindImageExtension(base), "");
    const std::pair<const char*, const char*> added_and_found[] = {
        {".bmp", ".bmp"}, {".GIF", ".GIF"}, {".gif", ".gif"}, {".JPG", ".JPG"}, {".jpg", ".jpg"}};
    for (const auto& [added, found] : added_and_found) {
        WriteFileBytes(base + added, "image");
        EXPECT_EQ(core::FindImageExtension(base), found) << "after adding " << added;
    }
    // Another record's image is not this record's.
    EXPECT_EQ(core::FindImageExtension(folder_ / "107861760"), "");
}

}  // namespace
