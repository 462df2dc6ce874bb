#include "gui/browser/thumbnail_loader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>

namespace gui {
namespace {

// About four pages of Normal thumbnails.
constexpr qsizetype kCacheBytes = 64 * 1024 * 1024;

QString CacheKey(const QString& file, qint64 modified, QSize box) {
    return QString("%1|%2|%3x%4").arg(file).arg(modified).arg(box.width()).arg(box.height());
}

}  // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent) : QObject(parent), cache_(kCacheBytes) {
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

ThumbnailLoader::~ThumbnailLoader() {
    ++generation_;
    pool_.clear();
    pool_.waitForDone();
}

QImage ThumbnailLoader::Decode(const QString& file, QSize box) {
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && !full.isEmpty()) {
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1}));
    }
    QImage image = reader.read();
    // Formats that cannot scale while decoding come back at full size.
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height())) {
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

void ThumbnailLoader::Request(const QStringList& files, QSize box) {
    const int generation = ++generation_;
    pool_.clear();
    requested_ = static_cast<int>(files.size());
    delivered_ = 0;
    if (files.isEmpty()) {
        emit pageLoaded();
        return;
    }
    for (int index = 0; index < files.size(); ++index) {
        const QString& file = files[index];
        const QString key = CacheKey(file, QFileInfo(file).lastModified().toMSecsSinceEpoch(), box);
        if (const QImage* cached = cache_.object(key)) {
            Deliver(index, *cached);
            continue;
        }
        pool_.start([this, generation, index, file, key, box] {
            if (generation != generation_) return;  // another page was asked for meanwhile
            QImage image = Decode(file, box);
            QMetaObject::invokeMethod(
                this,
                [this, generation, index, key, image = std::move(image)] {
                    const qsizetype cost = std::max<qsizetype>(1, image.sizeInBytes());
                    cache_.insert(key, new QImage(image), cost);
                    if (generation == generation_) Deliver(index, image);
                },
                Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::Deliver(int index, const QImage& image) {
    ++delivered_;
    emit thumbnailReady(index, image);
    if (delivered_ == requested_) emit pageLoaded();
}

void ThumbnailLoader::Clear() {
    cache_.clear();
}

}  // namespace gui
