#include "gui/panes/replace_pane_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/panes/pane_combos.h"
#include "gui/panes/report_view.h"
#include "gui/text_bytes.h"

namespace gui {

using online::TextReplace;

ReplacePaneWidget::ReplacePaneWidget(TextReplace& replace, QWidget* parent)
    : QWidget(parent), replace_(replace) {
    setObjectName("replacePane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    const int max_length = static_cast<int>(TextReplace::kTextMaxLength);
    what_ = NewHistoryCombo("replaceWhat", max_length, this);
    with_ = NewHistoryCombo("replaceWith", max_length, this);
    inside_ = new QComboBox(this);
    inside_->setObjectName("replaceInside");
    inside_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    inside_->setMinimumContentsLength(8);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(4);
    const std::pair<const char*, QComboBox*> rows[] = {
        {"&What:", what_}, {"W&ith:", with_}, {"In&side:", inside_}};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(rows[row].first, this);
        label->setBuddy(rows[row].second);
        fields->addWidget(label, row, 0);
        fields->addWidget(rows[row].second, row, 1);
    }
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto* options = new QHBoxLayout;
    match_case_ = new QCheckBox("Match &case", this);
    match_case_->setObjectName("replaceMatchCase");
    column_value_ = new QCheckBox("Column val&ue", this);
    column_value_->setObjectName("replaceColumnValue");
    options->addWidget(match_case_);
    options->addWidget(column_value_);
    options->addStretch(1);
    layout->addLayout(options);

    // The buttons fill a docked pane's width, and no more than that in a wide one.
    auto* button_box = new QWidget(this);
    button_box->setMaximumWidth(300);
    auto* buttons = new QGridLayout(button_box);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    QPushButton* find_next = NewButton("Find &Next", "replaceFindNext");
    QPushButton* substitute = NewButton("&Replace", "replaceReplace");
    QPushButton* substitute_all = NewButton("Replace &All", "replaceReplaceAll");
    QPushButton* undo = NewButton("Un&do Last", "replaceUndo");
    buttons->addWidget(find_next, 0, 0);
    buttons->addWidget(substitute, 0, 1);
    buttons->addWidget(substitute_all, 1, 0);
    buttons->addWidget(undo, 1, 1);
    layout->addWidget(button_box);

    report_ = new QTextEdit(this);
    report_->setObjectName("replaceReport");
    report_->setReadOnly(true);
    report_->setAccessibleName("Replace report");
    report_->setTabChangesFocus(true);
    report_->setTabStopDistance(report_->fontMetrics().horizontalAdvance("Column:") + 10);
    layout->addWidget(report_, 1);

    connect(what_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { replace_.SetWhat(ToBytes(text)); });
    connect(with_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { replace_.SetWith(ToBytes(text)); });
    for (QComboBox* field : {what_, with_}) {
        OnEnter(field, [this] { Run(&TextReplace::find_next, false); });
    }
    connect(inside_, &QComboBox::activated, this, [this](int index) {
        replace_.SetInside(replace_.InsideChoices().at(static_cast<std::size_t>(index)));
    });
    connect(match_case_, &QCheckBox::toggled, this, [this](bool on) { replace_.SetMatchCase(on); });
    connect(column_value_, &QCheckBox::toggled, this,
            [this](bool on) { replace_.SetColumnValue(on); });
    connect(find_next, &QPushButton::clicked, this,
            [this] { Run(&TextReplace::find_next, false); });
    connect(substitute, &QPushButton::clicked, this,
            [this] { Run(&TextReplace::substitute_current, true); });
    connect(substitute_all, &QPushButton::clicked, this,
            [this] { Run(&TextReplace::substitute_all, true); });
    connect(undo, &QPushButton::clicked, this,
            [this] { Run(&TextReplace::undo_last_replace, true); });
    Refresh();
}

QPushButton* ReplacePaneWidget::NewButton(const QString& text, const QString& object_name) {
    auto* button = new QPushButton(text);
    button->setObjectName(object_name);
    return button;
}

void ReplacePaneWidget::Refresh() {
    ShowHistory(what_, replace_.WhatHistory(), replace_.What());
    ShowHistory(with_, replace_.WithHistory(), replace_.With());
    ShowChoices(inside_, replace_.InsideChoices(), replace_.Inside());
    const QSignalBlocker match_case(match_case_);
    const QSignalBlocker column_value(column_value_);
    match_case_->setChecked(replace_.MatchCase());
    column_value_->setChecked(replace_.ColumnValue());
    ShowReport(report_, replace_.Report());
}

void ReplacePaneWidget::Run(void (TextReplace::*operation)(), bool changes_rows) {
    (replace_.*operation)();
    Refresh();
    if (changes_rows) emit listsChanged();
    if (replace_.MatchRow() >= 0) emit showRow(replace_.MatchRow());
    if (replace_.FocusTarget() == TextReplace::Focus::kWhatField) {
        what_->setFocus(Qt::OtherFocusReason);
        what_->lineEdit()->selectAll();
    }
}

}  // namespace gui
