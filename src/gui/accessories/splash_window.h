#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The small frameless window with the program's picture shown while the program starts.
namespace gui {

class SplashWindow final : public QWidget {
    Q_OBJECT
  public:
    // Shows res/splash.svg of `res_folder`, centred on the screen once shown.
    explicit SplashWindow(const QString& res_folder);

    // One tick of the main window's 50 ms splash timer. Ticks() counts them from 0; when the count
    // reaches 20, 22, 24, 26, 28 and 30 the window's outline narrows (a closing curtain). Closing
    // the window (at 32, or later while a login prompt is open) is the main window's decision.
    void Tick();
    int Ticks() const { return ticks_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void CentreOnScreen();

    QString picture_path_;
    QPixmap picture_;
    int ticks_ = 0;
};

}  // namespace gui
