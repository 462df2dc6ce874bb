#pragma once

#include <QDialog>
#include <QRadioButton>

#include "imports/csv_file.h"

namespace gui {

// "Export CSV": which rows (all, or the selected ones when there are any) and which columns (the
// ones the list shows, or all) go into the file. OK accepts; the opener then asks where to save.
class ExportCsvDialog final : public QDialog {
    Q_OBJECT
  public:
    ExportCsvDialog(int selected_rows, QWidget* parent = nullptr);

    imports::CsvExportOptions options() const;

  private:
    QRadioButton* selected_rows_;
    QRadioButton* all_columns_;
};

}  // namespace gui
