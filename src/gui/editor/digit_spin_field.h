#pragma once

#include <QAbstractSpinBox>
#include <QString>

#include "gui/editor/typing_rule.h"

namespace gui {

// A digits field with an up-down control, as the duration and date fields have. Unlike a
// QSpinBox it may be empty and shows whatever text it is given; typing is held to its rule and
// the arrows step its number within a range.
class DigitSpinField final : public QAbstractSpinBox {
    Q_OBJECT
  public:
    DigitSpinField(int minimum, int maximum, const TypingRule& rule, QWidget* parent = nullptr);

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    const TypingRule& Rule() const { return rule_; }

    // Shows `text` as the program gives it, whole.
    void ShowText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The user typed or stepped a new text.
    void edited(const QString& text);

  protected:
    StepEnabled stepEnabled() const override;

  private:
    // The number the text begins with; false when it begins with no digit.
    bool LeadingNumber(int* number) const;

    int minimum_;
    int maximum_;
    TypingRule rule_;
    QString shown_;
    bool showing_whole_ = false;
};

}  // namespace gui
