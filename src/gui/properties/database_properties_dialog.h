#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <map>
#include <memory>
#include <thread>

#include "gui/properties/value_table_model.h"
#include "views/database_statistics.h"

namespace gui {

// File > Properties...: the open database's figures on five pages, filled page by page by a
// worker thread while the window shows "Loading..." texts and the progress. Closing the window
// stops the worker; the lists must not change meanwhile (the window is modal).
class DatabasePropertiesDialog final : public QDialog {
    Q_OBJECT
  public:
    // `help_page` is the page the Help button shows. The worker starts at once.
    DatabasePropertiesDialog(const views::StatisticsSource& source, QString help_page,
                             QWidget* parent = nullptr);
    ~DatabasePropertiesDialog() override;

    // Whether every figure and table has arrived.
    bool Finished() const { return finished_; }

    void done(int result) override;

  private:
    class QueuedObserver;

    QWidget* BuildGeneralPage();
    QWidget* BuildValuePage(const views::ValuePage& page);
    void ShowHelp();

    // What the worker reports, on the window's thread.
    void ShowProgress(qint64 range, const QString& text);
    void ShowProgressValue(qint64 value);
    void ShowGeneral(const views::GeneralFigures& figures);
    void ShowTable(views::ValueTable table);
    void ShowDone();

    QString help_page_;
    QTabWidget* pages_ = nullptr;
    std::map<QString, QLabel*> figures_;  // by "group/label"
    std::map<std::string, ValueTableModel*> tables_;
    QWidget* status_line_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* close_ = nullptr;
    QDialog* help_window_ = nullptr;
    bool finished_ = false;
    std::unique_ptr<QueuedObserver> observer_;
    std::jthread worker_;  // stopped and joined before anything it reports to goes
};

}  // namespace gui
