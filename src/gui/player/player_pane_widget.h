#pragma once

#include <QAudioOutput>
#include <QLabel>
#include <QMediaPlayer>
#include <QSlider>
#include <QStackedWidget>
#include <QToolButton>
#include <QVideoWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "config/program_config.h"
#include "views/player_rules.h"

namespace gui {

// The Video Player pane: a strip with "File", "DVD", "URL", "Dock" and the "Always Visible"
// switch and the path being played; the picture (the player logo on black while nothing shows);
// and the controls: play and pause, the position, loop, volume and full screen. Media are
// played by Qt Multimedia.
class PlayerPaneWidget final : public QWidget {
    Q_OBJECT
  public:
    PlayerPaneWidget(config::ProgramConfig& config, const QString& res_folder,
                     QWidget* parent = nullptr);
    ~PlayerPaneWidget() override;

    // Where the pane is (shown, floating); the main window's dock knows.
    void SetPlaceSource(std::function<views::PlayerPlace()> place) { place_ = std::move(place); }

    // The requests of the pane and the Player menu.
    void PlayFile(const QString& path);
    void PlayDvd(const QString& folder);
    void ShowFile(const QString& path);
    void ShowIdle();
    // "File", "DVD" and "URL": ask, then play.
    void OpenFile();
    void OpenDvd();
    void OpenUrl();

    // The floating window stays on top of others while this is on.
    bool AlwaysVisible() const { return always_visible_; }
    void SetAlwaysVisible(bool on);

    QMediaPlayer& player() { return player_; }
    const std::optional<views::MediaRequest>& Request() const { return request_; }
    QString StatusText() const { return status_->text(); }
    bool ShowingIdle() const { return screen_->currentWidget() == idle_; }
    // The picture, which takes the player's keys.
    QWidget* screen() const { return screen_; }
    // The "File" picker's filters as Qt name filters.
    static QStringList NameFilters();

  signals:
    // "Dock": dock a floating pane, float a docked one.
    void dockToggleRequested();
    void alwaysVisibleChanged(bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildStrip();
    void TogglePlay();
    // The picture's keys: Space or Enter plays and pauses, Left and Right move 5 seconds, Up and
    // Down change the volume, F shows the picture on the full screen.
    bool ScreenKey(int key);
    QWidget* BuildControls();
    void Start(const views::MediaRequest& request);
    void SetLoop(bool loop);
    void SetStatus(const QString& text);
    void UpdatePicture();
    void UpdatePlayButton();
    void UpdatePosition();
    void MediaFailed();
    QString BrowseFile();

    config::ProgramConfig& config_;
    std::function<views::PlayerPlace()> place_;
    QMediaPlayer player_;
    QAudioOutput audio_;
    std::optional<views::MediaRequest> request_;
    bool always_visible_ = false;
    bool dvd_fallback_tried_ = false;

    QToolButton* always_visible_button_ = nullptr;
    QLabel* status_ = nullptr;
    QStackedWidget* screen_ = nullptr;
    QLabel* idle_ = nullptr;
    QVideoWidget* video_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* loop_ = nullptr;
    QSlider* seek_ = nullptr;
    QLabel* time_ = nullptr;
    QSlider* volume_ = nullptr;
    bool seeking_ = false;
};

}  // namespace gui
