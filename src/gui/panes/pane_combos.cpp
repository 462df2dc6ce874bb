#include "gui/panes/pane_combos.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/text_bytes.h"

namespace gui {
namespace {

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) texts.append(FromBytes(entry));
    return texts;
}

// Refilling a combo box moves the cursor and drops the selection: only when the entries differ.
void Fill(QComboBox* combo, const QStringList& entries) {
    bool same = entries.size() == combo->count();
    for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == entries[i];
    if (same) return;
    combo->clear();
    combo->addItems(entries);
}

// Takes Enter from an editable combo box. The box is its field's focus proxy, so keys reach the
// box first, which hands them to the field past any filter of the field's own.
class EnterFilter final : public QObject {
  public:
    EnterFilter(std::function<void()> action, QObject* parent)
        : QObject(parent), action_(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                event->accept();
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

}  // namespace

QComboBox* NewHistoryCombo(const QString& object_name, int max_length, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(object_name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(12);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    combo->lineEdit()->setMaxLength(max_length);
    // When the field is left, a combo box chooses the entry equal to its text, unless that entry
    // is the current one already: so it is kept current while the user types.
    QObject::connect(combo, &QComboBox::editTextChanged, combo, [combo](const QString& text) {
        const int entry = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (entry < 0 || entry == combo->currentIndex()) return;
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(entry);
    });
    return combo;
}

void OnEnter(QComboBox* combo, std::function<void()> action) {
    combo->installEventFilter(new EnterFilter(std::move(action), combo));
}

void ShowHistory(QComboBox* combo, const std::vector<std::string>& history,
                 const std::string& text) {
    const QSignalBlocker blocker(combo);
    const QStringList entries = Texts(history);
    Fill(combo, entries);
    // The entry of the text is the current one, so that the arrow keys step on from it.
    const QString shown = FromBytes(text);
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(shown)));
    if (combo->currentText() != shown) combo->setEditText(shown);
}

void ShowChoices(QComboBox* combo, const std::vector<std::string>& choices,
                 const std::string& current) {
    const QSignalBlocker blocker(combo);
    const QStringList entries = Texts(choices);
    Fill(combo, entries);
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(FromBytes(current))));
}

}  // namespace gui
