#include "gui/editor/mark_selected_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "gui/editor/question_dialog_layout.h"
#include "gui/text_bytes.h"

namespace gui {

using Field = app::MarkSelectedWindow::Field;

MarkSelectedDialog::MarkSelectedDialog(app::MarkSelectedWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("markSelectedDialog");
    setWindowTitle(app::MarkSelectedWindow::kTitle);

    struct FieldInfo {
        Field field;
        const char* label;
        const char* name;
    };
    const FieldInfo infos[] = {{Field::kMonth, "&Month:", "month"},
                               {Field::kDay, "&Day:", "day"},
                               {Field::kYear, "&Year:", "year"}};
    auto* row = new QHBoxLayout;
    for (const FieldInfo& info : infos) {
        using Window = app::MarkSelectedWindow;
        auto* edit =
            new DigitSpinField(Window::Minimum(info.field), Window::Maximum(info.field),
                               {static_cast<int>(Window::MaxLength(info.field)), true}, this);
        edit->setObjectName(info.name);
        edit->ShowText(FromBytes(window_.Text(info.field)));
        const Field field = info.field;
        connect(edit, &DigitSpinField::edited, this,
                [this, field](const QString& text) { window_.SetText(field, ToBytes(text)); });
        auto* label = new QLabel(info.label, this);
        label->setBuddy(edit);
        row->addWidget(label);
        row->addWidget(edit);
        row->addSpacing(12);
        fields_[info.field] = edit;
    }
    row->addStretch();

    LayOutQuestionDialog(*this, app::MarkSelectedWindow::kText, row);
    fields_.at(Field::kMonth)->setFocus();
}

void MarkSelectedDialog::accept() {
    if (window_.Ok()) {
        QDialog::accept();
        return;
    }
    DigitSpinField* field = fields_.at(window_.FocusedField());
    field->setFocus();
    field->selectAll();
}

}  // namespace gui
