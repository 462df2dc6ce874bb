#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace gui {

// An editable combo box whose drop-down offers what the field was used with. The pane's model
// keeps the history, so the box neither adds entries itself nor completes what is typed.
// `activated` means the user chose an entry: typing an entry's text and leaving does not count.
QComboBox* NewHistoryCombo(const QString& object_name, int max_length, QWidget* parent);

// Runs `action` once for each Enter in the combo box's field.
void OnEnter(QComboBox* combo, std::function<void()> action);

// Shows a model's history and field text. Emits no signal: the model holds these already.
void ShowHistory(QComboBox* combo, const std::vector<std::string>& history,
                 const std::string& text);

// Shows a model's choices with `current` chosen. Emits no signal.
void ShowChoices(QComboBox* combo, const std::vector<std::string>& choices,
                 const std::string& current);

}  // namespace gui
