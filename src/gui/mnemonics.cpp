#include "gui/mnemonics.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

namespace gui {

namespace {

QString Escaped(QString text) {
    return text.replace("&", "&&");
}

// Pages of a page stack or tab widget other than `page` are not shown with it.
bool ShownWith(const QWidget* widget, const QWidget* page) {
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (up == page) return true;
        if (qobject_cast<const QStackedWidget*>(up)) return false;
    }
    return true;
}

// The mnemonic of a label, button or group box; a standard button of a button box has its first
// letter from the desktop's own texts ("&OK", "&Cancel").
QChar MnemonicOfWidget(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return MnemonicOf(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return MnemonicOf(group->title());
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button) return {};
    auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
    if (box && box->standardButton(button) != QDialogButtonBox::NoButton) {
        const QString text = button->text().remove('&');
        return text.isEmpty() ? QChar() : text.front().toUpper();
    }
    return MnemonicOf(button->text());
}

}  // namespace

QChar MnemonicOf(const QString& text) {
    for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf('&', at + 2)) {
        if (text[at + 1] != '&') return text[at + 1].toUpper();
    }
    return {};
}

QString WithMnemonic(const QString& label, QSet<QChar>& taken) {
    auto free = [&](qsizetype at) {
        return label[at].isLetterOrNumber() && !taken.contains(label[at].toUpper());
    };
    auto word_start = [&](qsizetype at) { return at == 0 || !label[at - 1].isLetterOrNumber(); };
    const qsizetype first =
        std::find_if(label.begin(), label.end(), [](QChar c) { return c.isLetter(); }) -
        label.begin();
    qsizetype chosen = first < label.size() && free(first) ? first : -1;
    for (qsizetype at = 0; chosen < 0 && at < label.size(); ++at)
        if (word_start(at) && free(at)) chosen = at;
    for (qsizetype at = 0; chosen < 0 && at < label.size(); ++at)
        if (free(at)) chosen = at;
    if (chosen < 0) return Escaped(label);
    taken.insert(label[chosen].toUpper());
    return Escaped(label.left(chosen)) + "&" + Escaped(label.mid(chosen));
}

void GiveMnemonics(const QList<QWidget*>& controls, const QWidget* page, const QWidget* window) {
    QSet<QChar> taken;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!ShownWith(widget, page)) continue;
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) taken << MnemonicOf(tabs->tabText(tab));
        }
        taken << MnemonicOfWidget(widget);
    }
    taken.remove(QChar());
    for (QWidget* control : controls) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !MnemonicOf(text).isNull()) continue;
        const QString shown = WithMnemonic(QString(text).replace("&&", "&"), taken);
        if (label) label->setText(shown);
        if (button) button->setText(shown);
    }
}

void GiveMenuMnemonics(QMenu* menu) {
    QSet<QChar> taken;
    for (const QAction* action : menu->actions()) taken << MnemonicOf(action->text());
    taken.remove(QChar());
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !MnemonicOf(action->text()).isNull()) continue;
        action->setText(WithMnemonic(action->text().replace("&&", "&"), taken));
    }
}

}  // namespace gui
