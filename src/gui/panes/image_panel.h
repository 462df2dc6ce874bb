#pragma once

#include <QLabel>
#include <QSize>
#include <QWidget>

namespace gui {

// A record's picture scaled into the panel, with a caption under it. The file is decoded at the
// size shown, so a large picture costs no more than a small one.
class ImagePanel final : public QWidget {
    Q_OBJECT
  public:
    explicit ImagePanel(QWidget* parent = nullptr);

    // Shows the picture in `file` (none when empty) over the caption.
    void Show(const QString& file, const QString& caption);
    QString File() const { return file_; }
    QString Caption() const { return caption_->text(); }
    // The picture as shown; null when there is none.
    QPixmap Picture() const { return picture_->pixmap(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Decode();

    QString file_;
    QLabel* picture_;
    QLabel* caption_;
    QSize decoded_size_;  // the picture area the shown picture was decoded for
};

}  // namespace gui
