#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

#include "online/text_replace.h"

namespace gui {

// The Replace pane: "What" and "With" with their histories, where to look, the two options, the
// four buttons and the report of the current match. The model decides everything, also that a
// read-only user's buttons do nothing.
class ReplacePaneWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit ReplacePaneWidget(online::TextReplace& replace, QWidget* parent = nullptr);

    // "Replace", for the dock's title.
    QString Caption() const { return "Replace"; }
    // Shows the model again: histories, options, "Inside" choices (after RefillInside), report.
    void Refresh();

    QComboBox* whatField() const { return what_; }
    QComboBox* withField() const { return with_; }
    QTextEdit* report() const { return report_; }

  signals:
    // Declared for the main window's sake; the caption stays "Replace".
    void captionChanged(const QString& caption);
    // The current match is in this row, which the model selected alone.
    void showRow(int row);
    // A replace or an undo changed the rows (and the selection).
    void listsChanged();

  private:
    QPushButton* NewButton(const QString& text, const QString& object_name);
    void Run(void (online::TextReplace::*operation)(), bool changes_rows);

    online::TextReplace& replace_;
    QComboBox* what_;
    QComboBox* with_;
    QComboBox* inside_;
    QCheckBox* match_case_;
    QCheckBox* column_value_;
    QTextEdit* report_;
};

}  // namespace gui
