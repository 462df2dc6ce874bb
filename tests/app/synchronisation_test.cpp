#include <chrono>
#include <filesystem>

#include "app/synchronize_window.h"
#include "app_test.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const char kWantedText[] = "Syncronizing wanted videos list, please wait...";
const char kImagesText[] = "Syncronizing images and records, please wait...";
const char kDuplicatesText[] = "Removing duplicate images, please wait...";

// Names of the files and folders in a folder, sorted.
Texts Listing(const std::string& folder) {
    Texts names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SyncTest : public AppTest {
  protected:
    void SetUp() override {
        main_ = WriteDatabase("films.rdk", ThreeFilms());
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        progress_.displays.clear();
    }

    // Writes an image file whose last write is `age` seconds before the clock's time.
    void Image(const std::string& name, int age = 0) {
        const std::string path = DataPath("films/" + name);
        WriteFileBytes(path, name);
        const std::chrono::sys_seconds time{std::chrono::seconds(clock_.Now() - age)};
        fs::last_write_time(path, std::chrono::file_clock::from_sys(time));
    }

    void Run(bool wanted, bool images) {
        app::SynchronizeWindow window;
        window.SetWantedVideos(wanted);
        window.SetVideoImages(images);
        window.Ok(session_, progress_);
    }

    std::string main_;
};

TEST_F(SyncTest, OkIsEnabledWhileAPartIsChosen) {
    app::SynchronizeWindow window;
    EXPECT_FALSE(window.WantedVideos());
    EXPECT_FALSE(window.VideoImages());
    EXPECT_FALSE(window.OkEnabled());
    window.SetWantedVideos(true);
    EXPECT_TRUE(window.OkEnabled());
    window.SetWantedVideos(false);
    window.SetVideoImages(true);
    EXPECT_TRUE(window.OkEnabled());
    window.SetVideoImages(false);
    EXPECT_FALSE(window.OkEnabled());
}

TEST_F(SyncTest, NoPartChosenDoesNothing) {
    session_.Wanted.Add("alien");
    Image("999.jpg");
    Run(false, false);
    EXPECT_EQ(WantedTitles(), (Texts{"alien", "Dune", "Heat"}));
    EXPECT_TRUE(fs::exists(DataPath("films/999.jpg")));
    EXPECT_TRUE(progress_.displays.empty());
}

TEST_F(SyncTest, WantedTitlesAlreadyOwnedAreRemovedIgnoringCase) {
    session_.Wanted.Add("alien");
    session_.Wanted.Add("BRAZIL");
    session_.Wanted.Add("Brazil 2");
    Image("999.jpg");
    Run(true, false);

    EXPECT_EQ(WantedTitles(), (Texts{"Brazil 2", "Dune", "Heat"}));
    EXPECT_TRUE(session_.Modified);
    EXPECT_TRUE(fs::exists(DataPath("films/999.jpg")));  // images were not chosen
    ASSERT_EQ(progress_.displays.size(), 1u);
    EXPECT_EQ(progress_.displays[0].text, kWantedText);
    EXPECT_EQ(progress_.displays[0].range, 5);
    EXPECT_EQ(progress_.displays[0].steps, 5);
    EXPECT_TRUE(progress_.displays[0].ended);
}

TEST_F(SyncTest, NothingToRemoveLeavesTheDatabaseUnchanged) {
    Run(true, false);
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat"}));
    EXPECT_FALSE(session_.Modified);
}

TEST_F(SyncTest, ImagesWithoutARecordAreDeletedAndOtherFilesStay) {
    Image("1100000000.jpg");
    Image("1100000100.JPG");
    Image("999.jpg");
    Image("ORPHAN.GIF");
    Image("notes.jpg");
    Image("notes.txt");
    Image("1100000200");  // no extension
    fs::create_directory(DataPath("films/extra"));
    Image("extra/999.jpg");
    Run(false, true);

    EXPECT_EQ(Listing(DataPath("films")),
              (Texts{"1100000000.jpg", "1100000100.JPG", "1100000200", "extra", "notes.txt"}));
    EXPECT_TRUE(fs::exists(DataPath("films/extra/999.jpg")));
    EXPECT_FALSE(session_.Modified);  // files are deleted at once; the lists did not change
    ASSERT_EQ(progress_.displays.size(), 2u);
    EXPECT_EQ(progress_.displays[0].text, kImagesText);
    EXPECT_EQ(progress_.displays[0].range, 5);
    EXPECT_EQ(progress_.displays[0].steps, 5);
    EXPECT_EQ(progress_.displays[1].text, kDuplicatesText);
    EXPECT_EQ(progress_.displays[1].range, 2);
    EXPECT_EQ(progress_.displays[1].steps, 2);
    EXPECT_TRUE(progress_.displays[1].ended);
}

struct AgedImage {
    const char* name;
    int age;
};

struct DuplicateCase {
    std::vector<AgedImage> images;
    const char* survivor;
};

class DuplicateImagesTest : public SyncTest, public ::testing::WithParamInterface<DuplicateCase> {};

TEST_P(DuplicateImagesTest, OnlyTheNewestImageOfARecordStays) {
    for (const AgedImage& image : GetParam().images) Image(image.name, image.age);
    Image("1100000200.gif", 50);  // another record's only image
    Run(false, true);
    EXPECT_EQ(Listing(DataPath("films")), (Texts{GetParam().survivor, "1100000200.gif"}));
}

INSTANTIATE_TEST_SUITE_P(
    SyncImages, DuplicateImagesTest,
    ::testing::Values(
        DuplicateCase{{{"1100000000.jpg", 100}, {"1100000000.bmp", 10}}, "1100000000.bmp"},
        DuplicateCase{{{"1100000000.jpg", 10}, {"1100000000.bmp", 100}}, "1100000000.jpg"},
        DuplicateCase{{{"1100000000.jpg", 30}, {"1100000000.gif", 10}, {"1100000000.bmp", 20}},
                      "1100000000.gif"},
        DuplicateCase{{{"1100000000.bmp", 5}, {"1100000000.gif", 10}, {"1100000000.jpg", 20}},
                      "1100000000.bmp"},
        DuplicateCase{{{"1100000000.gif", 10}, {"1100000000.jpg", 10}}, "1100000000.jpg"}));

TEST_F(SyncTest, BothPartsRunWantedFirst) {
    session_.Wanted.Add("Casablanca");
    Image("999.bmp");
    Run(true, true);
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat"}));
    EXPECT_TRUE(session_.Modified);
    EXPECT_TRUE(fs::is_empty(DataPath("films")));
    ASSERT_EQ(progress_.displays.size(), 3u);
    EXPECT_EQ(progress_.displays[0].text, kWantedText);
    EXPECT_EQ(progress_.displays[1].text, kImagesText);
    EXPECT_EQ(progress_.displays[2].text, kDuplicatesText);
}

TEST_F(SyncTest, ImagePartRunsWhenTheWantedListIsEmpty) {
    session_.Wanted.Clear();
    Image("999.jpg");
    Image("1100000000.jpg");
    Run(true, true);
    EXPECT_EQ(Listing(DataPath("films")), (Texts{"1100000000.jpg"}));
    EXPECT_FALSE(session_.Modified);
    EXPECT_TRUE(progress_.WithText(kWantedText).empty());
}

TEST_F(SyncTest, ImagesOfAnEmptyListAreAllOrphans) {
    while (session_.Videos.RowCount() > 0) session_.Videos.DeleteRow(0);
    Image("1100000000.jpg");
    Run(true, true);
    EXPECT_TRUE(fs::is_empty(DataPath("films")));
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat"}));
}

}  // namespace
