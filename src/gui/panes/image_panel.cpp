#include "gui/panes/image_panel.h"

#include <QEvent>
#include <QImageReader>
#include <QVBoxLayout>

namespace gui {

ImagePanel::ImagePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("detailsImage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    picture_ = new QLabel(this);
    picture_->setObjectName("detailsPicture");
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picture_->installEventFilter(this);
    caption_ = new QLabel(this);
    caption_->setObjectName("detailsImageCaption");
    caption_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption_->setWordWrap(true);
    layout->addWidget(picture_, 1);
    layout->addWidget(caption_);
}

void ImagePanel::Show(const QString& file, const QString& caption) {
    caption_->setText(caption);
    file_ = file;
    picture_->setVisible(!file_.isEmpty());
    // Without a picture the caption ("No image to display") takes the middle of the panel.
    caption_->setAlignment(file_.isEmpty() ? Qt::AlignCenter : Qt::AlignHCenter | Qt::AlignTop);
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(caption_, file_.isEmpty() ? 1 : 0);
    decoded_size_ = {};
    Decode();
}

bool ImagePanel::eventFilter(QObject* watched, QEvent* event) {
    // Decoded again at the size the layout gave the picture.
    if (watched == picture_ && event->type() == QEvent::Resize) Decode();
    return QWidget::eventFilter(watched, event);
}

void ImagePanel::Decode() {
    const QSize area = picture_->contentsRect().size();
    if (file_.isEmpty()) {
        picture_->clear();
        return;
    }
    if (area == decoded_size_ || area.isEmpty()) return;
    decoded_size_ = area;
    QImageReader reader(file_);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    // Fit the area, keeping the proportions; a small picture is not blown up.
    if (natural.isValid()) {
        QSize shown = natural.scaled(area, Qt::KeepAspectRatio);
        if (shown.width() > natural.width()) shown = natural;
        reader.setScaledSize(shown);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        picture_->clear();
        return;
    }
    // A reader that could not tell the size beforehand gave the picture whole.
    if (image.width() > area.width() || image.height() > area.height()) {
        image = image.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    picture_->setPixmap(QPixmap::fromImage(image));
}

}  // namespace gui
