#include "imports/tellico_reader.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <map>
#include <string>

#include "foreign_reader_fixture.h"

namespace {

// Writes a zip archive holding `entries` (name → bytes), as Tellico saves a .tc file.
void WriteZip(const std::string& path, const std::map<std::string, std::string>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

std::string TellicoXml(const std::string& type, const std::string& entries) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE tellico PUBLIC "-//Robby Stephenson/DTD Tellico V11.0//EN" "http://periapsis.org/tellico/dtd/v11/tellico.dtd">
<tellico xmlns="http://periapsis.org/tellico/" syntaxVersion="11">
 <collection title="My Videos" type=")" +
           type + R"(">
  <fields>
   <field name="_default"/>
   <field flags="0" title="Shelf" category="Personal" format="4" type="1" name="shelf"/>
  </fields>)" +
           entries +
           R"(
  <images>
   <image format="JPEG" id="embedded.jpeg" width="1" height="1">SlBFR0RBVEE=</image>
  </images>
 </collection>
</tellico>
)";
}

const char* const kEntries = R"(
  <entry id="1">
   <title>Alien</title>
   <year>1979</year>
   <certification>R (USA)</certification>
   <genres><genre>Horror</genre><genre>Science Fiction</genre></genres>
   <nationalitys><nationality>USA</nationality><nationality>UK</nationality></nationalitys>
   <casts>
    <cast><column>Sigourney Weaver</column><column>Ripley</column></cast>
    <cast><column>Tom Skerritt</column><column>Dallas</column></cast>
   </casts>
   <directors><director>Ridley Scott</director></directors>
   <running-time>117</running-time>
   <studios><studio>20th Century Fox</studio></studios>
   <plot>In space no one can hear you scream.</plot>
   <seen>true</seen>
   <shelf>A3</shelf>
   <cover>embedded.jpeg</cover>
   <cdate><year>2021</year><month>3</month><day>7</day></cdate>
  </entry>
  <entry id="2">
   <title>Heat</title>
   <producers><producer>Art Linson</producer></producers>
   <writers><writer>Michael Mann</writer></writers>
   <cover>f00d.png</cover>
  </entry>
  <entry id="3">
   <title>Escape</title>
   <cover>../../escaped.jpg</cover>
  </entry>)";

class TellicoReaderTest : public ForeignReaderTest {
  protected:
    TellicoReaderTest() : ForeignReaderTest("videos.tc") {}
};

TEST_F(TellicoReaderTest, ReadsAVideoCollectionWithOurColumnNamesAndCovers) {
    WriteZip(file_, {{"tellico.xml", TellicoXml("3", kEntries)},
                     {"images/f00d.png", "PNGDATA"},
                     {"images/../../escaped.jpg", "EVIL"},
                     {"../escaped.jpg", "EVIL"}});
    const core::FileResult result = imports::ReadTellico(file_, covers_, &table_);
    ASSERT_TRUE(result) << result.Describe();
    EXPECT_EQ(result.value, 3);
    ASSERT_EQ(table_.rows.size(), 3u);

    EXPECT_EQ(Cell(0, "Title"), "Alien");
    EXPECT_EQ(Cell(0, "Year"), "1979");
    EXPECT_EQ(Cell(0, "MPAA"), "R");
    EXPECT_EQ(Cell(0, "Duration"), "01:57:00");
    EXPECT_EQ(Cell(0, "Category"), "Horror, Science Fiction");
    EXPECT_EQ(Cell(0, "Cast"), "Sigourney Weaver, Tom Skerritt");
    EXPECT_EQ(Cell(0, "Director"), "Ridley Scott");
    EXPECT_EQ(Cell(0, "Synopsis"), "In space no one can hear you scream.");
    EXPECT_EQ(Cell(0, "Nationality"), "USA, UK");
    EXPECT_EQ(Cell(0, "Studio"), "20th Century Fox");
    EXPECT_EQ(Cell(0, "Shelf"), "A3");
    EXPECT_EQ(Cell(0, "Date Created"), "03/07/2021");
    EXPECT_EQ(Cell(1, "Producer"), "Art Linson");
    EXPECT_EQ(Cell(1, "Writer"), "Michael Mann");
    EXPECT_EQ(table_.seen, (std::vector<bool>{true, false, false}));

    // Covers come from the embedded images and from the archive's images/ folder, under names
    // the reader chooses; a cover naming a path outside images/ is not taken.
    ASSERT_EQ(table_.covers.size(), 3u);
    EXPECT_EQ(table_.covers[0], std::filesystem::path(covers_) / "0.jpeg");
    EXPECT_EQ(ReadFileBytes(table_.covers[0]), "JPEGDATA");
    EXPECT_EQ(ReadFileBytes(table_.covers[1]), "PNGDATA");
    EXPECT_TRUE(table_.covers[2].empty());
    EXPECT_FALSE(std::filesystem::exists(temp_ / "escaped.jpg"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::temp_directory_path() / "escaped.jpg"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(covers_), {}), 2);
}

TEST_F(TellicoReaderTest, MalformedFilesGiveAClearErrorAndNoTable) {
    WriteZip(temp_ / "good.tc", {{"tellico.xml", TellicoXml("3", kEntries)}});
    const std::string good = ReadFileBytes(temp_ / "good.tc");
    const struct {
        const char* name;
        std::map<std::string, std::string> entries;  // empty: the raw bytes below instead
        std::string raw;
        const char* reason;
    } cases[] = {
        {"truncated zip", {}, good.substr(0, good.size() / 2), "not a zip archive"},
        {"not a zip", {}, "just some text", "not a zip archive"},
        {"no tellico.xml", {{"other.xml", "<tellico/>"}}, "", "holds no tellico.xml"},
        {"broken XML", {{"tellico.xml", "<tellico><collection type=\"3\">"}}, "", "broken XML"},
        {"no collection", {{"tellico.xml", "<tellico/>"}}, "", "holds no collection"},
        {"book collection",
         {{"tellico.xml", TellicoXml("2", kEntries)}},
         "",
         "not a video collection (Tellico collection type \"2\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.entries.empty()) {
            WriteFileBytes(file_, c.raw);
        } else {
            WriteZip(file_, c.entries);
        }
        MarkTable();
        ExpectRefused(imports::ReadTellico(file_, covers_, &table_), c.reason);
    }
    EXPECT_FALSE(imports::ReadTellico(temp_ / "missing.tc", covers_, &table_));
}

}  // namespace
