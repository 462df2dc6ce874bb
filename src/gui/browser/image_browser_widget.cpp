#include "gui/browser/image_browser_widget.h"

#include <QHBoxLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {

ImageBrowserWidget::ImageBrowserWidget(app::Session& session, const QString& res_folder,
                                       QWidget* parent)
    : QWidget(parent), session_(session), loader_(this) {
    setObjectName("imageBrowser");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildBar());

    canvas_ = new ThumbnailCanvas(res_folder, this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("thumbnailScroll");
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);  // the grid inside takes the keys
    // A scroll bar that comes and goes would change the columns, and with them the height.
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);
    layout->addWidget(scroll_, 1);

    connect(&loader_, &ThumbnailLoader::thumbnailReady, canvas_, &ThumbnailCanvas::SetImage);
    connect(&loader_, &ThumbnailLoader::pageLoaded, this, [this] { emit statusText({}); });
    connect(canvas_, &ThumbnailCanvas::thumbnailClicked, this, &ImageBrowserWidget::Clicked);
    connect(canvas_, &ThumbnailCanvas::thumbnailActivated, this, [this](int index) {
        MoveTo(index);
        emit editRequested();
    });
    connect(canvas_, &ThumbnailCanvas::enterPressed, this, &ImageBrowserWidget::editRequested);
    connect(canvas_, &ThumbnailCanvas::contextMenuRequested, this,
            [this](int index, const QPoint& at) {
                if (index >= 0) MoveTo(index);
                emit contextMenuRequested(at);
            });
    connect(canvas_, &ThumbnailCanvas::arrowPressed, this, [this](views::Arrow arrow) {
        const int target = browser_.ArrowTarget(session_.Videos, canvas_->Grid(), arrow);
        if (target >= 0) MoveTo(target);
    });
    Relayout();
    UpdateControls();
}

QWidget* ImageBrowserWidget::BuildBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("imageBrowserBar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    auto button = [bar](const char* name, const QString& tip, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setIcon(bar->style()->standardIcon(icon));
        b->setAutoRaise(true);
        return b;
    };
    previous_ = button("previousPage", "Previous page", QStyle::SP_ArrowLeft);
    pages_ = new QComboBox(bar);
    pages_->setObjectName("currentPage");
    pages_->setToolTip("Current page");
    pages_->setAccessibleName("Current page");
    pages_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    next_ = button("nextPage", "Next page", QStyle::SP_ArrowRight);
    title_ = new QLabel("0 Images", bar);
    title_->setObjectName("imageListTitle");
    size_ = button("imageSize", "Image size", QStyle::SP_FileDialogDetailedView);
    size_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    space_ = new QSpinBox(bar);
    space_->setObjectName("imageSpace");
    space_->setToolTip("Space beteen images (pixels)");
    space_->setAccessibleName("Space between images");
    space_->setRange(0, 64);
    space_->setSuffix(" px");
    auto* sort = button("toggleSortDirection", "Toggle sort direction", QStyle::SP_ArrowDown);
    auto* view = button("toggleView", "Toggle view", QStyle::SP_FileDialogListView);

    row->addWidget(previous_);
    row->addWidget(pages_);
    row->addWidget(next_);
    row->addSpacing(8);
    row->addWidget(title_);
    row->addStretch(1);
    row->addWidget(size_);
    row->addWidget(space_);
    row->addWidget(sort);
    row->addWidget(view);

    connect(previous_, &QToolButton::clicked, this, [this] {
        if (browser_.PreviousPage(session_.Videos)) ShowPage();
    });
    connect(next_, &QToolButton::clicked, this, [this] {
        if (browser_.CanGoNext() && browser_.NextPage(session_.Videos)) ShowPage();
    });
    connect(pages_, &QComboBox::activated, this, [this](int choice) {
        if (browser_.ChoosePage(session_.Videos, choice + 1)) ShowPage();
    });
    connect(size_, &QToolButton::clicked, this, [this] {
        session_.config.image_browser_wh_mode =
            std::string(views::ImageSizeName(views::NextImageSize(Size())));
        Relayout();
        ShowPage();  // the thumbnails are decoded for the new box
    });
    connect(space_, &QSpinBox::valueChanged, this, [this](int value) {
        if (filling_controls_) return;
        session_.config.image_browser_space = value;
        Relayout();
    });
    connect(sort, &QToolButton::clicked, this, &ImageBrowserWidget::sortDirectionRequested);
    connect(view, &QToolButton::clicked, this, &ImageBrowserWidget::toggleViewRequested);
    return bar;
}

views::ImageSize ImageBrowserWidget::Size() const {
    return views::ImageSizeFromName(session_.config.image_browser_wh_mode);
}

void ImageBrowserWidget::Rebuild(bool reset_page) {
    reset_page = reset_page || reset_pending_;
    if (!isVisible()) {
        dirty_ = true;
        reset_pending_ = reset_page;
        return;
    }
    dirty_ = false;
    reset_pending_ = false;
    emit statusText("Loading images...");
    browser_.Rebuild(session_.Videos, views::ImageFolderIndex(session_.ImageFolder), reset_page);
    ShowPage();
}

void ImageBrowserWidget::ShowPage() {
    canvas_->SetTipsShown(session_.config.image_browser_show_tip_info);
    canvas_->SetPage(browser_.Page(), [this](int index) {
        const auto& page = browser_.Page();
        return index >= 0 && index < static_cast<int>(page.size()) &&
               session_.Videos.IsSelected(page[static_cast<std::size_t>(index)].row);
    });
    UpdateControls();
    QStringList files;
    for (const views::Thumbnail& thumbnail : browser_.Page())
        files << FromBytes(thumbnail.image_file);
    const views::PixelSize box = views::ThumbnailSize(Size());
    if (!files.isEmpty()) emit statusText("Loading images...");
    loader_.Request(files, QSize(box.width, box.height));
}

void ImageBrowserWidget::UpdateControls() {
    filling_controls_ = true;
    previous_->setEnabled(browser_.CanGoPrevious());
    next_->setEnabled(browser_.CanGoNext());
    const int pages = std::max(1, browser_.PageCount());
    if (pages_->count() != pages) {
        pages_->clear();
        for (int page = 1; page <= pages; ++page) pages_->addItem(QString::number(page));
    }
    pages_->setCurrentIndex(browser_.PageNumber() - 1);
    pages_->setEnabled(pages > 1);
    title_->setText(FromBytes(browser_.ListTitle()));
    size_->setText(FromBytes(std::string(views::ImageSizeName(Size()))));
    space_->setValue(session_.config.image_browser_space);
    filling_controls_ = false;
}

void ImageBrowserWidget::Relayout() {
    canvas_->SetGrid(views::ImageGrid(Size(), session_.config.image_browser_space,
                                      scroll_->viewport()->width()));
}

bool ImageBrowserWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width()) Relayout();
    }
    return QWidget::eventFilter(watched, event);
}

void ImageBrowserWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (dirty_) Rebuild(false);
}

void ImageBrowserWidget::ShowListSelection() {
    if (!isVisible()) return;
    const std::vector<int> selected = session_.Videos.SelectedRows();
    if (!selected.empty()) {
        const int page = browser_.PageOfRow(selected.front());
        if (page > 0 && browser_.ChoosePage(session_.Videos, page)) ShowPage();
        Reveal(browser_.IndexOfRow(selected.front()));
    }
    canvas_->update();
}

void ImageBrowserWidget::Clicked(int index, Qt::KeyboardModifiers modifiers) {
    const auto& page = browser_.Page();
    if (index < 0 || index >= static_cast<int>(page.size())) return;
    core::VideoList& videos = session_.Videos;
    const int row = page[static_cast<std::size_t>(index)].row;
    if (modifiers & Qt::ControlModifier) {
        videos.Select(row, !videos.IsSelected(row));
    } else if ((modifiers & Qt::ShiftModifier) && browser_.CurrentIndex(videos) >= 0) {
        const int from = browser_.CurrentIndex(videos);
        videos.DeselectAll();
        for (int i = std::min(from, index); i <= std::max(from, index); ++i)
            videos.Select(page[static_cast<std::size_t>(i)].row, true);
        canvas_->update();
        emit selectionChanged();
        return;
    } else {
        views::SelectKey(videos, page[static_cast<std::size_t>(index)].key);
    }
    browser_.SetCurrentIndex(index);
    canvas_->update();
    emit selectionChanged();
}

void ImageBrowserWidget::MoveTo(int index) {
    const auto& page = browser_.Page();
    if (index < 0 || index >= static_cast<int>(page.size())) return;
    views::SelectKey(session_.Videos, page[static_cast<std::size_t>(index)].key);
    browser_.SetCurrentIndex(index);
    Reveal(index);
    canvas_->update();
    emit selectionChanged();
}

void ImageBrowserWidget::Reveal(int index) {
    if (index < 0) return;
    const QRect rect = canvas_->ThumbnailRect(index);
    scroll_->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2,
                           rect.height() / 2);
}

}  // namespace gui
