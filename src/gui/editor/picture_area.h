#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

namespace gui {

// A picture file scaled to fit, decoded at the size shown so that a large photo costs little;
// a text in its place when there is no picture or it cannot be read.
class PictureArea final : public QFrame {
    Q_OBJECT
  public:
    explicit PictureArea(QString empty_text, QWidget* parent = nullptr);

    // An empty path shows the text.
    void ShowPicture(const QString& path);
    const QString& Path() const { return path_; }
    // True when a picture is shown (not the text).
    bool ShowsPicture();

    QSize sizeHint() const override { return {160, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Decodes the picture for the current size, once per size.
    void Decode();

    QString empty_text_;
    QString path_;
    QPixmap pixmap_;
    QSize decoded_for_;
};

}  // namespace gui
