#include "gui/player/player_pane_widget.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/player/open_url_dialog.h"
#include "gui/text_bytes.h"

namespace gui {
namespace {

QString TimeText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return QString("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

QUrl MediaUrl(const std::string& source) {
    const QString text = FromBytes(source);
    // A path is a path, whatever characters ("&", "#", "?") it holds.
    return views::IsMediaAddress(source) ? QUrl(text) : QUrl::fromLocalFile(text);
}

}  // namespace

PlayerPaneWidget::PlayerPaneWidget(config::ProgramConfig& config, const QString& res_folder,
                                   QWidget* parent)
    : QWidget(parent), config_(config) {
    setObjectName("playerPane");
    place_ = [this] { return views::PlayerPlace{isVisible(), false}; };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildStrip());

    screen_ = new QStackedWidget(this);
    screen_->setObjectName("playerScreen");
    screen_->setAutoFillBackground(true);
    QPalette black = screen_->palette();
    black.setColor(QPalette::Window, Qt::black);
    screen_->setPalette(black);
    idle_ = new QLabel(screen_);
    idle_->setObjectName("playerIdle");
    idle_->setPixmap(QPixmap(res_folder + "/vplogo.gif"));
    idle_->setAlignment(Qt::AlignCenter);
    idle_->setAutoFillBackground(true);
    idle_->setPalette(black);
    video_ = new QVideoWidget(screen_);
    video_->setObjectName("playerVideo");
    video_->setAutoFillBackground(true);
    video_->setPalette(black);
    video_->installEventFilter(this);
    screen_->addWidget(idle_);
    screen_->addWidget(video_);
    screen_->setMinimumSize(160, 90);
    screen_->setFocusPolicy(Qt::StrongFocus);
    screen_->setAccessibleName("Video");
    screen_->setAccessibleDescription(
        "Space plays or pauses, Left and Right move, Up and Down change the volume, F fills the "
        "screen");
    // The frame is always there, so the picture keeps its size; it lights up with the focus.
    screen_->setStyleSheet(
        "#playerScreen { border: 2px solid black; }"
        "#playerScreen:focus { border-color: palette(highlight); }");
    screen_->installEventFilter(this);
    layout->addWidget(screen_, 1);
    layout->addWidget(BuildControls());

    player_.setAudioOutput(&audio_);
    player_.setVideoOutput(video_);
    audio_.setVolume(static_cast<float>(volume_->value()) / 100.0f);
    SetLoop(config_.video_player_loop);
    connect(&player_, &QMediaPlayer::playbackStateChanged, this, [this] {
        UpdatePlayButton();
        UpdatePicture();
    });
    connect(&player_, &QMediaPlayer::hasVideoChanged, this, &PlayerPaneWidget::UpdatePicture);
    connect(&player_, &QMediaPlayer::positionChanged, this, &PlayerPaneWidget::UpdatePosition);
    connect(&player_, &QMediaPlayer::durationChanged, this, &PlayerPaneWidget::UpdatePosition);
    connect(&player_, &QMediaPlayer::errorOccurred, this, &PlayerPaneWidget::MediaFailed);
    UpdatePlayButton();
    UpdatePosition();
}

PlayerPaneWidget::~PlayerPaneWidget() {
    player_.stop();
}

QWidget* PlayerPaneWidget::BuildStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName("playerStrip");
    auto* rows = new QVBoxLayout(strip);
    rows->setContentsMargins(2, 1, 2, 1);
    rows->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    rows->addLayout(row);
    auto command = [strip, row](const QString& text, const char* name) {
        auto* button = new QToolButton(strip);
        button->setText(text);
        button->setObjectName(name);
        button->setAutoRaise(true);
        row->addWidget(button);
        return button;
    };
    connect(command("File", "playerFile"), &QToolButton::clicked, this,
            &PlayerPaneWidget::OpenFile);
    connect(command("DVD", "playerDvd"), &QToolButton::clicked, this, &PlayerPaneWidget::OpenDvd);
    connect(command("URL", "playerUrl"), &QToolButton::clicked, this, &PlayerPaneWidget::OpenUrl);
    connect(command("Dock", "playerDock"), &QToolButton::clicked, this,
            &PlayerPaneWidget::dockToggleRequested);
    always_visible_button_ =
        command(FromBytes(views::AlwaysVisibleLabel(false)), "playerAlwaysVisible");
    connect(always_visible_button_, &QToolButton::clicked, this,
            [this] { SetAlwaysVisible(!always_visible_); });
    status_ = new QLabel(strip);
    status_->setObjectName("playerStatus");
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumWidth(20);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setContentsMargins(4, 0, 4, 2);
    status_->hide();  // shown while it has a path: the docked pane is often narrow
    row->addStretch(1);
    rows->addWidget(status_);
    return strip;
}

QWidget* PlayerPaneWidget::BuildControls() {
    auto* controls = new QWidget(this);
    controls->setObjectName("playerControls");
    auto* rows = new QVBoxLayout(controls);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(0);
    // The position gets a row of its own: the docked pane is often narrow.
    seek_ = new QSlider(Qt::Horizontal, controls);
    seek_->setObjectName("playerSeek");
    seek_->setToolTip("Position");
    seek_->setAccessibleName("Position");
    rows->addWidget(seek_);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    rows->addLayout(row);
    auto button = [this, controls, row](QStyle::StandardPixmap icon, const QString& tip,
                                        const char* name) {
        auto* b = new QToolButton(controls);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setObjectName(name);
        b->setAutoRaise(true);
        row->addWidget(b);
        return b;
    };
    play_ = button(QStyle::SP_MediaPlay, "Play", "playerPlay");
    connect(play_, &QToolButton::clicked, this, &PlayerPaneWidget::TogglePlay);
    connect(button(QStyle::SP_MediaStop, "Stop", "playerStop"), &QToolButton::clicked, &player_,
            &QMediaPlayer::stop);
    connect(seek_, &QSlider::sliderPressed, this, [this] { seeking_ = true; });
    connect(seek_, &QSlider::sliderReleased, this, [this] {
        seeking_ = false;
        player_.setPosition(seek_->value());
    });
    connect(seek_, &QSlider::actionTriggered, this, [this] {
        if (!seeking_) player_.setPosition(seek_->sliderPosition());
    });
    time_ = new QLabel(controls);
    time_->setObjectName("playerTime");
    row->addWidget(time_);
    row->addStretch(1);
    loop_ = button(QStyle::SP_BrowserReload, "Loop: repeat until stopped", "playerLoop");
    loop_->setCheckable(true);
    connect(loop_, &QToolButton::toggled, this, &PlayerPaneWidget::SetLoop);
    button(QStyle::SP_MediaVolume, "Volume", "playerVolumeIcon")->setEnabled(false);
    volume_ = new QSlider(Qt::Horizontal, controls);
    volume_->setObjectName("playerVolume");
    volume_->setToolTip("Volume");
    volume_->setAccessibleName("Volume");
    volume_->setRange(0, 100);
    volume_->setValue(80);
    volume_->setFixedWidth(70);
    row->addWidget(volume_);
    connect(volume_, &QSlider::valueChanged, this,
            [this](int value) { audio_.setVolume(static_cast<float>(value) / 100.0f); });
    connect(button(QStyle::SP_TitleBarMaxButton, "Full screen (Esc leaves it)", "playerFullScreen"),
            &QToolButton::clicked, this, [this] {
                screen_->setCurrentWidget(video_);
                video_->setFullScreen(true);
            });
    return controls;
}

void PlayerPaneWidget::TogglePlay() {
    if (player_.playbackState() == QMediaPlayer::PlayingState) {
        player_.pause();
    } else if (!player_.source().isEmpty()) {
        player_.play();
    }
}

bool PlayerPaneWidget::ScreenKey(int key) {
    constexpr int kStepMilliseconds = 5000;
    constexpr int kVolumeStep = 5;
    switch (key) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            TogglePlay();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (player_.duration() > 0)
                player_.setPosition(std::clamp<qint64>(
                    player_.position() +
                        (key == Qt::Key_Left ? -kStepMilliseconds : kStepMilliseconds),
                    0, player_.duration()));
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            volume_->setValue(volume_->value() + (key == Qt::Key_Up ? kVolumeStep : -kVolumeStep));
            return true;
        case Qt::Key_F:
            screen_->setCurrentWidget(video_);
            video_->setFullScreen(true);
            return true;
        default:
            return false;
    }
}

QStringList PlayerPaneWidget::NameFilters() {
    QStringList filters;
    for (const views::MediaFilter& filter : views::MediaFileFilters()) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns) patterns << FromBytes(pattern);
        filters << QString("%1 (%2)").arg(FromBytes(filter.name), patterns.join(' '));
    }
    return filters;
}

QString PlayerPaneWidget::BrowseFile() {
    SetAlwaysVisible(false);  // the picker must not open behind the player
    return QFileDialog::getOpenFileName(this, "Open", QString(), NameFilters().join(";;"));
}

void PlayerPaneWidget::OpenFile() {
    const QString path = BrowseFile();
    if (!path.isEmpty()) PlayFile(path);
}

void PlayerPaneWidget::OpenDvd() {
    SetAlwaysVisible(false);
    const QString folder = QFileDialog::getExistingDirectory(this, "Select DVD Location:");
    if (!folder.isEmpty()) PlayDvd(folder);
}

void PlayerPaneWidget::OpenUrl() {
    SetAlwaysVisible(false);
    OpenUrlDialog dialog([this] { return BrowseFile(); }, this);
    if (dialog.exec() == QDialog::Accepted) PlayFile(dialog.Text());
}

void PlayerPaneWidget::PlayFile(const QString& path) {
    if (auto request = views::PlayFileRequest(ToBytes(path), place_(), config_.video_player_loop))
        Start(*request);
}

void PlayerPaneWidget::PlayDvd(const QString& folder) {
    if (auto request = views::PlayDvdRequest(ToBytes(folder), place_(), config_.video_player_loop))
        Start(*request);
}

void PlayerPaneWidget::ShowFile(const QString& path) {
    if (auto request = views::ShowFileRequest(ToBytes(path), place_(), config_.video_player_loop))
        Start(*request);
}

void PlayerPaneWidget::Start(const views::MediaRequest& request) {
    request_ = request;
    dvd_fallback_tried_ = false;
    SetStatus(FromBytes(request.status_text));
    player_.stop();
    SetLoop(request.loop);
    // A DVD folder goes to the framework as a disc address; MediaFailed() falls back to the
    // folder's main title when the framework cannot read discs.
    player_.setSource(request.dvd ? QUrl("dvd://" + FromBytes(request.source))
                                  : MediaUrl(request.source));
    if (request.auto_start) player_.play();
    UpdatePicture();
}

void PlayerPaneWidget::ShowIdle() {
    player_.stop();
    player_.setSource(QUrl());
    request_.reset();
    SetStatus({});
    UpdatePicture();
}

void PlayerPaneWidget::MediaFailed() {
    if (request_ && request_->dvd && !dvd_fallback_tried_) {
        dvd_fallback_tried_ = true;
        const std::string title = views::DvdMainTitleFile(request_->source);
        if (!title.empty()) {
            player_.setSource(QUrl::fromLocalFile(FromBytes(title)));
            if (request_->auto_start) player_.play();
            return;
        }
    }
    // The player's own state, as a player shows it; nothing else is reported.
    SetStatus(FromBytes(request_ ? request_->status_text : std::string()) + "  (" +
              player_.errorString() + ")");
}

void PlayerPaneWidget::SetStatus(const QString& text) {
    status_->setText(text);
    status_->setToolTip(text);
    status_->setVisible(!text.isEmpty());
}

void PlayerPaneWidget::SetLoop(bool loop) {
    config_.video_player_loop = loop;
    player_.setLoops(loop ? QMediaPlayer::Infinite : QMediaPlayer::Once);
    if (request_) request_->loop = loop;
    if (loop_ && loop_->isChecked() != loop) loop_->setChecked(loop);
}

void PlayerPaneWidget::SetAlwaysVisible(bool on) {
    if (on == always_visible_) return;
    always_visible_ = on;
    always_visible_button_->setText(FromBytes(views::AlwaysVisibleLabel(on)));
    emit alwaysVisibleChanged(on);
}

void PlayerPaneWidget::UpdatePicture() {
    const bool picture = !player_.source().isEmpty() && player_.hasVideo();
    screen_->setCurrentWidget(picture ? static_cast<QWidget*>(video_) : idle_);
}

void PlayerPaneWidget::UpdatePlayButton() {
    const bool playing = player_.playbackState() == QMediaPlayer::PlayingState;
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setToolTip(playing ? "Pause" : "Play");
    play_->setAccessibleName(play_->toolTip());
}

void PlayerPaneWidget::UpdatePosition() {
    const qint64 duration = player_.duration();
    seek_->setEnabled(duration > 0);
    seek_->setRange(0, static_cast<int>(std::min<qint64>(duration, INT32_MAX)));
    if (!seeking_)
        seek_->setValue(static_cast<int>(std::min<qint64>(player_.position(), INT32_MAX)));
    time_->setText(TimeText(player_.position()) + " / " + TimeText(duration));
}

bool PlayerPaneWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == screen_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
        ScreenKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    if (watched == video_) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            video_->setFullScreen(!video_->isFullScreen());
            return true;
        }
        if (event->type() == QEvent::KeyPress && video_->isFullScreen()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                video_->setFullScreen(false);
                UpdatePicture();
                return true;
            }
            // The full screen picture answers the same keys as the pane's.
            if (key->key() != Qt::Key_F && key->modifiers() == Qt::NoModifier &&
                ScreenKey(key->key()))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gui
