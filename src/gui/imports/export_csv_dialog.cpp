#include "gui/imports/export_csv_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {
namespace {

// A group of two choices, the first one chosen.
QGroupBox* Choice(const QString& title, QRadioButton* first, QRadioButton* second,
                  QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(group);
    first->setChecked(true);
    column->addWidget(first);
    column->addWidget(second);
    return group;
}

QRadioButton* Radio(const QString& text, const QString& name) {
    auto* radio = new QRadioButton(text);
    radio->setObjectName(name);
    return radio;
}

}  // namespace

ExportCsvDialog::ExportCsvDialog(int selected_rows, QWidget* parent) : QDialog(parent) {
    setObjectName("exportCsvDialog");
    setWindowTitle("Export CSV");
    auto* all_rows = Radio("All &records", "allRows");
    selected_rows_ = Radio(QString("&Selected records (%1)").arg(selected_rows), "selectedRows");
    selected_rows_->setEnabled(selected_rows > 0);
    auto* shown_columns = Radio("Columns shown &in the list", "shownColumns");
    all_columns_ = Radio("&All columns", "allColumns");

    auto* groups = new QHBoxLayout;
    groups->addWidget(Choice("Records", all_rows, selected_rows_, this));
    groups->addWidget(Choice("Columns", shown_columns, all_columns_, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}

imports::CsvExportOptions ExportCsvDialog::options() const {
    return {selected_rows_->isChecked(), all_columns_->isChecked()};
}

}  // namespace gui
