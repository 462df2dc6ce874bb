#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <vector>

#include "app/settings_window.h"
#include "platform/shell.h"

namespace gui {

// "Settings": the four pages over the window's model. Apply and OK store the pages through the
// model and tell the main window, which shows the result at once.
class SettingsDialog final : public QDialog {
    Q_OBJECT
  public:
    SettingsDialog(app::SettingsWindow& window, app::SettingsPage page, platform::Help& help,
                   const QString& res_folder, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    app::SettingsPage CurrentPage() const;

    void accept() override;

  signals:
    // The pages were stored; `columns_changed` when the column table changed.
    void applied(bool columns_changed);

  private:
    QWidget* BuildGeneralPage();
    QWidget* BuildMyVideosPage();
    QWidget* BuildLayoutPage();
    QWidget* BuildDatabasePage();
    QCheckBox* OptionBox(const app::SettingsCheckBox& box, const QString& object_name,
                         QWidget* parent);
    void Apply();
    void OpenUsers();
    void ColumnSelected(app::SettingsColumns::Side side, int row);
    void ChangeName();
    // Shows the model: lists, selections, enabled buttons, the Database page's texts.
    void ShowColumns();
    void ShowColumnSelection();
    void ShowDatabase();

    app::SettingsWindow& window_;
    platform::Help& help_;
    QString res_folder_;
    QTabWidget* pages_;
    QListWidget* hidden_ = nullptr;
    QListWidget* visible_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* hide_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* change_name_ = nullptr;
    QLineEdit* database_file_ = nullptr;
    QLabel* record_count_ = nullptr;
    QLineEdit* image_folder_ = nullptr;
    QLabel* image_count_ = nullptr;
    QCheckBox* protect_ = nullptr;
    QPushButton* users_ = nullptr;
    bool showing_ = false;
};

}  // namespace gui
