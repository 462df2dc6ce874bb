#pragma once

#include <QDialog>
#include <QString>

// "About Reeldeck": the program's picture, name and version, what it is for, and the licence of
// the film list that its demo database is made from.
namespace gui {

class AboutDialog final : public QDialog {
    Q_OBJECT
  public:
    // Shows res/splash.svg of `res_folder`.
    explicit AboutDialog(const QString& res_folder, QWidget* parent = nullptr);
};

}  // namespace gui
