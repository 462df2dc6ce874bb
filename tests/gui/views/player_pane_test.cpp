#include <QMediaPlayer>
#include <QTest>
#include <cstdint>
#include <fstream>

#include <gtest/gtest.h>

#include "gui/player/player_pane_widget.h"
#include "temp_folder.h"

namespace {

// Half a second of a 440 Hz tone: 8 kHz, 16-bit, mono.
void WriteWav(const std::string& path) {
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate / 2;
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const auto value = static_cast<std::int16_t>(((i * 440 * 2 / rate) % 2 ? 1 : -1) * 8000);
        data.append(reinterpret_cast<const char*>(&value), 2);
    }
    auto u32 = [](std::uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
    const std::string bytes = "RIFF" + u32(36 + static_cast<std::uint32_t>(data.size())) +
                              "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) +
                              u16(2) + u16(16) + "data" +
                              u32(static_cast<std::uint32_t>(data.size())) + data;
    WriteFileBytes(path, bytes);
}

class PlayerPaneTest : public ::testing::Test {
  protected:
    PlayerPaneTest() {
        WriteWav(wav_);
        pane_.resize(400, 300);
        pane_.show();
    }
    // Whether the media framework got as far as loading the file; false when it cannot play
    // here (no backend or no audio on this machine).
    bool Loaded() {
        QMediaPlayer& player = pane_.player();
        (void)QTest::qWaitFor([&] {
            const auto status = player.mediaStatus();
            return player.error() != QMediaPlayer::NoError || status == QMediaPlayer::LoadedMedia ||
                   status == QMediaPlayer::BufferedMedia ||
                   status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::EndOfMedia;
        });
        return player.error() == QMediaPlayer::NoError &&
               player.mediaStatus() != QMediaPlayer::LoadingMedia;
    }

    TempFolder folder_;
    std::string wav_ = folder_ / "tone & noise.wav";
    config::ProgramConfig config_;
    gui::PlayerPaneWidget pane_{config_, REELDECK_SOURCE_DATA "/res"};
};

TEST_F(PlayerPaneTest, FollowsTheLoopAutoStartIdleAndAlwaysVisibleRules) {
    EXPECT_TRUE(pane_.ShowingIdle());
    const QString path = QString::fromStdString(wav_);

    // A path with "&" plays; with looping on it repeats until stopped.
    config_.video_player_loop = true;
    pane_.PlayFile(path);
    ASSERT_TRUE(pane_.Request());
    EXPECT_EQ(pane_.player().source().toLocalFile(), path);
    EXPECT_EQ(pane_.player().loops(), QMediaPlayer::Infinite);
    EXPECT_EQ(pane_.StatusText(), path);
    EXPECT_TRUE(pane_.ShowingIdle());  // sound only: the logo stays
    const bool playable = Loaded();

    // Shown, not started: loaded, the status text cleared, playing once without looping.
    pane_.player().setLoops(1);
    config_.video_player_loop = false;
    pane_.ShowFile(path);
    EXPECT_FALSE(pane_.Request()->auto_start);
    EXPECT_EQ(pane_.player().loops(), 1);
    EXPECT_EQ(pane_.StatusText(), "");
    if (playable) {
        ASSERT_TRUE(Loaded());
        QTest::qWait(200);
        EXPECT_NE(pane_.player().playbackState(), QMediaPlayer::PlayingState);
    }

    // A hidden docked pane plays nothing.
    pane_.hide();
    pane_.PlayFile(QString::fromStdString(folder_ / "other.wav"));
    EXPECT_EQ(pane_.player().source().toLocalFile(), path);
    pane_.show();
    pane_.ShowIdle();
    EXPECT_TRUE(pane_.ShowingIdle());
    EXPECT_FALSE(pane_.Request());

    // The Always Visible button switches the mode and says which it is.
    auto* always = pane_.findChild<QToolButton*>("playerAlwaysVisible");
    ASSERT_NE(always, nullptr);
    QTest::mouseClick(always, Qt::LeftButton);
    EXPECT_TRUE(pane_.AlwaysVisible());
    EXPECT_EQ(always->text(), "Always Visible [on]");
    if (!playable) GTEST_SKIP() << "the media framework cannot load a WAV file here";
}

}  // namespace
