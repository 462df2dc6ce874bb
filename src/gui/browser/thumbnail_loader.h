#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <atomic>

namespace gui {

// Decodes record images into thumbnails on worker threads, each already scaled while it is
// decoded, and keeps them in a cache keyed by file, modification time and box size. The window
// thread only stats the files and paints what arrives, so a page of 150 covers never holds it up.
class ThumbnailLoader final : public QObject {
    Q_OBJECT
  public:
    explicit ThumbnailLoader(QObject* parent = nullptr);
    // Waits for the pictures being decoded; those not started are dropped.
    ~ThumbnailLoader() override;

    // Asks for the thumbnails of a page, fitted into `box`. Cached ones are reported at once;
    // the rest follow from the workers in page order. Work left over from an earlier request is
    // dropped: only the current page's thumbnails are reported.
    void Request(const QStringList& files, QSize box);
    // Forgets every cached thumbnail (the pictures of another database).
    void Clear();
    // How many of the current request have been reported.
    int Delivered() const { return delivered_; }
    int Requested() const { return requested_; }

    // Decodes one file fitted into `box`, scaled while decoding; a null image when the file
    // cannot be read as a picture. Safe on any thread.
    static QImage Decode(const QString& file, QSize box);

  signals:
    // The thumbnail of the file at `index` of the current request; null when unreadable.
    void thumbnailReady(int index, const QImage& image);
    // Every thumbnail of the current request has been reported.
    void pageLoaded();

  private:
    void Deliver(int index, const QImage& image);

    QThreadPool pool_;
    QCache<QString, QImage> cache_;
    std::atomic<int> generation_{0};
    int requested_ = 0;
    int delivered_ = 0;
};

}  // namespace gui
