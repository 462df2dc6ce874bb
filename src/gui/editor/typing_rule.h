#pragma once

#include <QString>
#include <QValidator>

#include "app/record_editor.h"

class QLineEdit;

namespace gui {

// What an input field takes while the user types or pastes: at most max_length characters (0
// for any number) and digits only or any text. A text the program shows is shown whole, as it
// is; only what the user adds is held to the rule.
struct TypingRule {
    int max_length = 0;
    bool digits_only = false;
};

TypingRule TypingRuleOf(const app::FieldRule& rule);

// What remains of `after`, the text an edit produced from `before`, under the rule: the part the
// edit inserted loses the characters the rule refuses and is cut to the room left. `cursor` (a
// position in `after`) is moved to match.
QString ApplyTypingRule(const QString& before, const QString& after, const TypingRule& rule,
                        int* cursor);

// Holds the typing of one line edit to a rule. It follows the edit's text, so that it can tell
// what an edit inserted.
class TypingRuleValidator final : public QValidator {
    Q_OBJECT
  public:
    TypingRuleValidator(const TypingRule& rule, QLineEdit* edit);
    State validate(QString& input, int& pos) const override;
    const TypingRule& Rule() const { return rule_; }

  private:
    TypingRule rule_;
    QString shown_;
};

// Holds `edit`'s typing to the rule. The edit's own length limit is lifted: the rule keeps the
// length, so that a text the program shows is not cut.
void HoldToRule(QLineEdit* edit, const TypingRule& rule);

// Sets `edit`'s text as the program shows it: whole, past the edit's validator.
void ShowWhole(QLineEdit* edit, const QString& text);

}  // namespace gui
