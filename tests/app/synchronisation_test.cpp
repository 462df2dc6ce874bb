#include <chrono>

#include "app/synchronize_window.h"
#include "app_test.h"

namespace {

using Displays = std::vector<RecordingProgress::Display>;

const char kWantedText[] = "Syncronizing wanted videos list, please wait...";
const char kImagesText[] = "Syncronizing images and records, please wait...";
const char kDuplicatesText[] = "Removing duplicate images, please wait...";

class SyncTest : public AppTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("films.rdk")));
        progress_.displays.clear();
    }

    // Writes an image file whose last write is `age` seconds before the clock's time.
    void Image(const std::string& name, int age = 0) {
        const std::string path = DataPath("films/" + name);
        WriteFileBytes(path, name);
        const std::chrono::sys_seconds time{std::chrono::seconds(clock_.Now() - age)};
        fs::last_write_time(path, std::chrono::file_clock::from_sys(time));
    }
    Texts Images() const {
        Texts names;
        for (const auto& entry : fs::directory_iterator(DataPath("films"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    void Run(bool wanted, bool images) {
        app::SynchronizeWindow window;
        window.SetWantedVideos(wanted);
        window.SetVideoImages(images);
        EXPECT_EQ(window.OkEnabled(), wanted || images);
        window.Ok(session_, progress_);
    }
};

TEST_F(SyncTest, WantedTitlesAlreadyOwnedAreRemovedIgnoringCase) {
    Run(true, false);  // nothing to remove
    EXPECT_FALSE(session_.Modified);
    for (const char* title : {"alien", "BRAZIL", "Brazil 2"}) session_.Wanted.Add(title);
    Image("999.jpg");
    Run(false, false);
    EXPECT_EQ(session_.Wanted.Count(), 5);
    Run(true, false);
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Brazil 2", "Dune", "Heat"}));
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(Images(), (Texts{"999.jpg"}));  // images were not chosen
    EXPECT_EQ(progress_.displays, (Displays{{kWantedText, 2, 2, true}, {kWantedText, 5, 5, true}}));
}

TEST_F(SyncTest, ImagesWithoutARecordAreDeletedAndOtherFilesStay) {
    for (const char* name : {"1100000000.jpg", "1100000100.JPG", "999.jpg", "ORPHAN.GIF",
                             "notes.jpg", "notes.txt", "1100000200"}) {
        Image(name);
    }
    fs::create_directory(DataPath("films/extra"));
    Image("extra/999.jpg");
    Run(false, true);
    EXPECT_EQ(Images(),
              (Texts{"1100000000.jpg", "1100000100.JPG", "1100000200", "extra", "notes.txt"}));
    EXPECT_TRUE(fs::exists(DataPath("films/extra/999.jpg")));
    EXPECT_FALSE(session_.Modified);  // files are deleted at once; the lists did not change
    EXPECT_EQ(progress_.displays,
              (Displays{{kImagesText, 5, 5, true}, {kDuplicatesText, 2, 2, true}}));
}

// Of a record's images, the newest stays; the first of each case here.
TEST_F(SyncTest, OnlyTheNewestImageOfARecordStays) {
    const std::vector<std::pair<std::string, int>> cases[] = {
        // name, age
        {{"1100000000.bmp", 10}, {"1100000000.jpg", 100}},
        {{"1100000000.jpg", 10}, {"1100000000.bmp", 100}},
        {{"1100000000.gif", 10}, {"1100000000.jpg", 30}, {"1100000000.bmp", 20}},
        // On equal times the one the record shows: ".jpg" before ".gif" before ".bmp".
        {{"1100000000.jpg", 10}, {"1100000000.gif", 10}},
        {{"1100000000.gif", 10}, {"1100000000.bmp", 10}}};
    for (const auto& images : cases) {
        for (const auto& [name, age] : images) Image(name, age);
        Image("1100000200.gif", 50);  // another record's only image
        Run(false, true);
        EXPECT_EQ(Images(), (Texts{images[0].first, "1100000200.gif"})) << images[1].first;
        for (const std::string& name : Images()) fs::remove(DataPath("films/" + name));
    }
}

TEST_F(SyncTest, BothPartsRunWantedFirstAndTheImagePartRunsWithNothingWanted) {
    session_.Wanted.Add("Casablanca");
    Image("999.bmp");
    Run(true, true);
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Dune", "Heat"}));
    EXPECT_TRUE(Images().empty());
    EXPECT_EQ(progress_.displays, (Displays{{kWantedText, 3, 3, true},
                                            {kImagesText, 1, 1, true},
                                            {kDuplicatesText, 0, 0, true}}));

    session_.Wanted.Clear();
    session_.Videos.DeleteAllRows();  // every image is an orphan now
    Image("1100000000.jpg");
    progress_.displays.clear();
    Run(true, true);
    EXPECT_TRUE(Images().empty());
    EXPECT_EQ(progress_.displays.size(), 2u);  // no wanted part
}

}  // namespace
