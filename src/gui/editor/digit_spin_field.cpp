#include "gui/editor/digit_spin_field.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <limits>

namespace gui {

DigitSpinField::DigitSpinField(int minimum, int maximum, const TypingRule& rule, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), rule_(rule) {
    // The rule keeps the length; the edit's own limit would cut a text the program shows.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    connect(lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { shown_ = text; });
    connect(lineEdit(), &QLineEdit::textEdited, this, &DigitSpinField::edited);
}

void DigitSpinField::ShowText(const QString& text) {
    if (lineEdit()->text() == text) return;
    showing_whole_ = true;
    lineEdit()->setText(text);
    showing_whole_ = false;
}

bool DigitSpinField::LeadingNumber(int* number) const {
    const QString text = lineEdit()->text();
    qsizetype digits = 0;
    while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9') ++digits;
    if (digits == 0) return false;
    *number = text.left(std::min<qsizetype>(digits, 9)).toInt();
    return true;
}

void DigitSpinField::stepBy(int steps) {
    int number = 0;
    // An empty field starts at the bottom of the range.
    const int next =
        LeadingNumber(&number) ? std::clamp(number + steps, minimum_, maximum_) : minimum_;
    ShowText(QString::number(next));
    selectAll();
    emit edited(lineEdit()->text());
}

QAbstractSpinBox::StepEnabled DigitSpinField::stepEnabled() const {
    if (isReadOnly() || !isEnabled()) return StepNone;
    int number = 0;
    if (!LeadingNumber(&number)) return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (number < maximum_) enabled |= StepUpEnabled;
    if (number > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State DigitSpinField::validate(QString& input, int& pos) const {
    if (!showing_whole_) input = ApplyTypingRule(shown_, input, rule_, &pos);
    return QValidator::Acceptable;
}

QSize DigitSpinField::sizeHint() const {
    ensurePolished();
    const int digits = std::max(rule_.max_length, 2);
    const int width = fontMetrics().horizontalAdvance(QString(digits + 1, u'0')) + 2;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(width, lineEdit()->sizeHint().height()), this);
}

QSize DigitSpinField::minimumSizeHint() const {
    return sizeHint();
}

}  // namespace gui
