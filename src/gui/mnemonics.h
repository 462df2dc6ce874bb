#pragma once

#include <QList>
#include <QMenu>
#include <QSet>
#include <QString>
#include <QWidget>

namespace gui {

// The letter that a text's mnemonic stands before ("Fi&nd" gives 'N'), or none.
QChar MnemonicOf(const QString& text);

// `label` as a control's text with a mnemonic that no letter of `taken` has, which it then takes:
// its first letter when free ("File" shows as "&File"), else the start of a later word ("Save
// &As..."), else any free letter or digit. A "&" in the label is shown as it is.
QString WithMnemonic(const QString& label, QSet<QChar>& taken);

// Gives each of `controls` (labels and buttons whose texts are data, such as column names, and
// have no mnemonic yet) a mnemonic that no other label, button, group box or tab shown together
// with `page` of `window` uses.
void GiveMnemonics(const QList<QWidget*>& controls, const QWidget* page, const QWidget* window);

// Gives each item of `menu` that has no mnemonic one that no other item of the menu uses.
void GiveMenuMnemonics(QMenu* menu);

}  // namespace gui
