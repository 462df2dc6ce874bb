#include "demo/demo_database.h"

#include <gtest/gtest.h>

#include "core/database_files.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

// The committed demo database is what the generator makes from the shipped film list and
// header, byte for byte, so remaking it changes nothing until the generator or its input does.
TEST(DemoDatabase, TheCommittedFilesAreWhatTheGeneratorMakes) {
    const filmdata::FilmListResult films = filmdata::ReadFilmList(REELDECK_FILM_LIST);
    ASSERT_TRUE(films.ok()) << films.error;
    core::VideoList videos;
    ASSERT_TRUE(core::ReadHeader(videos, REELDECK_DEFAULT_HEADER).ok());
    core::WantedList wanted;
    demo::BuildDemoLists(films.films, demo::DemoOptions{}, videos, wanted);
    EXPECT_EQ(static_cast<std::size_t>(videos.RowCount() + wanted.Count()), films.films.size());

    TempFolder folder;
    ASSERT_TRUE(demo::WriteDemoDatabase(videos, wanted, folder / "demo.rdk").ok());
    // Cells hold no line breaks or tags of the film list's text.
    EXPECT_EQ(ReadFileBytes(folder / "demo.rdk").find_first_of("<>\r"), std::string::npos);
    for (const char* extension : {".rdk", ".rdka", ".rdkh", ".rdki", ".rdks", ".rdkw"}) {
        EXPECT_EQ(ReadFileBytes(folder / ("demo" + std::string(extension))),
                  ReadFileBytes(REELDECK_DEMO + std::string(extension)))
            << extension << ": run the demo_database target and commit data/demo";
    }
}

}  // namespace
