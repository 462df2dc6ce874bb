#include "gui/accessories/system_info_dialog.h"

#include <algorithm>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/accessories/system_info.h"

namespace gui {

SystemInfoDialog::SystemInfoDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("systemInfoDialog");
    setWindowTitle("System Information");

    const QList<SystemInfoSection> sections = CollectSystemInfo();
    text_ = SystemInfoText(sections);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName("systemInfoTree");
    tree_->setAccessibleName("System Information");
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({"Item", "Value"});
    tree_->setRootIsDecorated(false);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setAlternatingRowColors(true);
    for (const SystemInfoSection& section : sections) {
        auto* group = new QTreeWidgetItem(tree_, {section.title});
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        group->setFirstColumnSpanned(true);
        for (const auto& [name, value] : section.lines) {
            auto* line = new QTreeWidgetItem(group, {"    " + name, value});
            line->setToolTip(1, value);
        }
        group->setExpanded(true);
    }
    tree_->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* copy = buttons->addButton("Co&py", QDialogButtonBox::ActionRole);
    copy->setObjectName("copyButton");
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("closeButton");
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &SystemInfoDialog::CopyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(buttons);

    SizeTreeToContents(sections);
}

void SystemInfoDialog::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(text_);
}

void SystemInfoDialog::SizeTreeToContents(const QList<SystemInfoSection>& sections) {
    // Measured from the texts, so the window opens showing every line without scrolling or
    // cutting, whatever the font.
    const QFontMetrics metrics(tree_->font());
    QFont bold_font = tree_->font();
    bold_font.setBold(true);
    const QFontMetrics bold(bold_font);
    const int padding = 3 * metrics.averageCharWidth();
    int name_width = metrics.horizontalAdvance("Item");
    int value_width = metrics.horizontalAdvance("Value");
    int lines = 0;
    for (const SystemInfoSection& section : sections) {
        name_width = std::max(name_width, bold.horizontalAdvance(section.title));
        ++lines;
        for (const auto& [name, value] : section.lines) {
            name_width = std::max(name_width, metrics.horizontalAdvance("    " + name));
            value_width = std::max(value_width, metrics.horizontalAdvance(value));
            ++lines;
        }
    }
    tree_->setColumnWidth(0, name_width + padding);
    const int hinted_row_height = tree_->sizeHintForRow(0);
    const int row_height = hinted_row_height > 0 ? hinted_row_height : metrics.height() + 2;
    const int frame = 2 * tree_->frameWidth();
    tree_->setMinimumSize(name_width + value_width + 2 * padding + frame,
                          tree_->header()->sizeHint().height() + lines * row_height + frame + 2);
}

}  // namespace gui
