#include "gui/editor/typing_rule.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace gui {
namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

TypingRule TypingRuleOf(const app::FieldRule& rule) {
    return {static_cast<int>(rule.max_length), rule.digits_only};
}

QString ApplyTypingRule(const QString& before, const QString& after, const TypingRule& rule,
                        int* cursor) {
    // The edit replaced the middle of `before` with the middle of `after`.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (prefix + suffix < shorter &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const qsizetype inserted_size = after.size() - prefix - suffix;
    QString inserted = after.mid(prefix, inserted_size);
    if (rule.digits_only) inserted.removeIf([](QChar c) { return !IsAsciiDigit(c); });
    if (rule.max_length > 0) {
        const qsizetype kept = after.size() - inserted_size;
        inserted.truncate(std::max<qsizetype>(0, rule.max_length - kept));
    }
    if (inserted.size() == inserted_size) return after;

    if (cursor != nullptr) {
        const qsizetype end = prefix + inserted_size;
        if (*cursor >= end) {
            *cursor -= static_cast<int>(inserted_size - inserted.size());
        } else if (*cursor > prefix) {
            *cursor = static_cast<int>(std::min<qsizetype>(*cursor, prefix + inserted.size()));
        }
    }
    return after.left(prefix) + inserted + after.right(suffix);
}

TypingRuleValidator::TypingRuleValidator(const TypingRule& rule, QLineEdit* edit)
    : QValidator(edit), rule_(rule), shown_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State TypingRuleValidator::validate(QString& input, int& pos) const {
    input = ApplyTypingRule(shown_, input, rule_, &pos);
    return Acceptable;
}

void HoldToRule(QLineEdit* edit, const TypingRule& rule) {
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setValidator(new TypingRuleValidator(rule, edit));
}

void ShowWhole(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(validator);
}

}  // namespace gui
