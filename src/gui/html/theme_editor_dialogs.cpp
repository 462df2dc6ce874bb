#include "gui/html/theme_editor_dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "gui/html/color_preview.h"
#include "gui/text_bytes.h"
#include "html/theme_editing.h"

namespace gui {
namespace {

constexpr int kTextLimit = 1023;

QLineEdit* LimitedEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kTextLimit);
    return edit;
}

QComboBox* TargetChoice(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName("target");
    for (const char* label : html::kTargetLabels) combo->addItem(label);
    return combo;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

SaveThemeDialog::SaveThemeDialog(const QString& name, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(name, this)) {
    setWindowTitle("Save Theme");
    name_->setObjectName("themeName");
    name_->setMaxLength(11);
    name_->selectAll();
    auto* layout = new QFormLayout(this);
    layout->addRow("Theme &name:", name_);
    layout->addRow(OkCancel(this));
}

std::string SaveThemeDialog::Name() const {
    return ToBytes(name_->text());
}

PageLinksDialog::PageLinksDialog(std::string theme_path, QWidget* parent)
    : QDialog(parent),
      theme_path_(std::move(theme_path)),
      address_(LimitedEdit("linkAddress", this)),
      text_(LimitedEdit("displayText", this)),
      target_(TargetChoice(this)),
      table_(new QTableWidget(0, 3, this)) {
    setWindowTitle("Page Links");
    table_->setObjectName("links");
    table_->setAccessibleName("Page Links");
    table_->setTabKeyNavigation(false);
    table_->setHorizontalHeaderLabels({"Display Text", "Link Address", "Target"});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();

    auto* add = new QPushButton("&Add", this);
    auto* remove = new QPushButton("&Remove", this);
    auto* clear = new QPushButton("Cl&ear", this);
    connect(add, &QPushButton::clicked, this, &PageLinksDialog::Add);
    connect(remove, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = table_->selectionModel()->selectedRows();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) table_->removeRow(row->row());
    });
    connect(clear, &QPushButton::clicked, this, [this] { table_->setRowCount(0); });

    auto* fields = new QFormLayout;
    fields->addRow("&Link Address:", address_);
    fields->addRow("&Display Text:", text_);
    fields->addRow("&Target:", target_);
    auto* row_buttons = new QHBoxLayout;
    row_buttons->addWidget(add);
    row_buttons->addWidget(remove);
    row_buttons->addWidget(clear);
    row_buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(row_buttons);
    layout->addWidget(table_);
    layout->addWidget(OkCancel(this));
    resize(560, 360);

    html::ThemeDecorations decorations;
    html::LoadThemeDecorations(theme_path_, decorations);
    for (const html::PageLink& link : decorations.links) AppendRow(link);
}

void PageLinksDialog::Add() {
    const std::string text = ToBytes(text_->text());
    const std::string address = ToBytes(address_->text());
    if (!html::CanAddPageLink(text, address)) return;
    AppendRow({text, address, ToBytes(target_->currentText())});
    table_->scrollToBottom();
    address_->setFocus();
    address_->selectAll();
}

void PageLinksDialog::AppendRow(const html::PageLink& link) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(FromBytes(link.display_text)));
    table_->setItem(row, 1, new QTableWidgetItem(FromBytes(link.address)));
    table_->setItem(row, 2, new QTableWidgetItem(FromBytes(link.target)));
}

void PageLinksDialog::accept() {
    std::vector<html::PageLink> links;
    for (int row = 0; row < table_->rowCount(); ++row) {
        links.push_back({ToBytes(table_->item(row, 0)->text()),
                         ToBytes(table_->item(row, 1)->text()),
                         ToBytes(table_->item(row, 2)->text())});
    }
    html::WritePageLinks(theme_path_, links);
    QDialog::accept();
}

PageLogoDialog::PageLogoDialog(std::string theme_path, std::string standard_logo,
                               const html::HtmlTheme& settings, QWidget* parent)
    : QDialog(parent),
      theme_path_(std::move(theme_path)),
      standard_logo_(std::move(standard_logo)),
      settings_(settings),
      source_(LimitedEdit("logoSource", this)),
      address_(LimitedEdit("linkAddress", this)),
      text_(LimitedEdit("displayText", this)),
      target_(TargetChoice(this)),
      preview_(new QLabel(this)) {
    setWindowTitle("Page Logo");
    preview_->setObjectName("logoPreview");
    preview_->setMinimumSize(320, 90);
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_->setTextFormat(Qt::RichText);

    auto* browse = new QPushButton("&Browse...", this);
    auto* update = new QPushButton("&Update", this);
    connect(browse, &QPushButton::clicked, this, &PageLogoDialog::Browse);
    connect(update, &QPushButton::clicked, this, &PageLogoDialog::UpdatePreview);

    auto* source_row = new QHBoxLayout;
    source_row->addWidget(source_);
    source_row->addWidget(browse);
    auto* fields = new QFormLayout;
    fields->addRow("Logo &Source:", source_row);
    if (auto* label = qobject_cast<QLabel*>(fields->labelForField(source_row)))
        label->setBuddy(source_);
    fields->addRow("Link &Address:", address_);
    fields->addRow("&Display Text:", text_);
    fields->addRow("&Target:", target_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(preview_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(update);
    bottom->addStretch();
    bottom->addWidget(OkCancel(this));
    layout->addLayout(bottom);

    html::ThemeDecorations decorations;
    html::LoadThemeDecorations(theme_path_, decorations);
    const html::PageLogo logo = html::LogoForEditing(decorations.logo, standard_logo_);
    source_->setText(FromBytes(logo.source));
    address_->setText(FromBytes(logo.link_address));
    text_->setText(FromBytes(logo.display_text));
    target_->setCurrentText(FromBytes(logo.target));
    UpdatePreview();
}

void PageLogoDialog::Browse() {
    const QString file = QFileDialog::getOpenFileName(
        this, "Select Logo Image", QFileInfo(source_->text()).absolutePath(),
        "Supported Image Files (*.bmp *.gif *.jpg *.jpeg);;"
        "CompuServe Graphics Interchange (*.gif);;JPEG Compliant (*.jpg *.jpeg);;"
        "Windows or OS/2 Bitmap (*.bmp)");
    if (file.isEmpty() || !QFileInfo(file).isFile()) return;
    source_->setText(file);
    UpdatePreview();
}

void PageLogoDialog::UpdatePreview() {
    if (source_->text().isEmpty()) source_->setText(FromBytes(standard_logo_));
    const QString background = QtColorOf(settings_.background).name();
    const QString border = QtColorOf(settings_.borders).name();
    const QString image = QString("<img src=\"%1\" alt=\"%2\">")
                              .arg(source_->text().toHtmlEscaped(), text_->text().toHtmlEscaped());
    const QString linked =
        address_->text().isEmpty()
            ? image
            : QString("<a href=\"%1\">%2</a>").arg(address_->text().toHtmlEscaped(), image);
    preview_->setStyleSheet(QString("QLabel { background: %1; padding: 6px; }").arg(background));
    preview_->setText(linked +
                      QString("<hr style=\"background-color: %1; color: %1\">").arg(border));
}

void PageLogoDialog::accept() {
    html::WritePageLogo(theme_path_, {ToBytes(text_->text()), ToBytes(source_->text()),
                                      ToBytes(address_->text()), ToBytes(target_->currentText())});
    QDialog::accept();
}

}  // namespace gui
