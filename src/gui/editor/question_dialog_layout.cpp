#include "gui/editor/question_dialog_layout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

void LayOutQuestionDialog(QDialog& dialog, const char* explanation, QLayout* fields) {
    auto* text = new QLabel(explanation, &dialog);
    text->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addSpacing(4);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttons);
    dialog.setMinimumWidth(460);
}

}  // namespace gui
