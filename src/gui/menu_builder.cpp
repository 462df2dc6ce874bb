#include "gui/menu_builder.h"

#include "gui/mnemonics.h"
#include "gui/text_bytes.h"

namespace gui {

namespace {

QString Escaped(QString text) {
    return text.replace("&", "&&");
}

// The label with its mnemonic before the character at `at` (none when `at` is -1).
QString MnemonicAt(const QString& label, qsizetype at) {
    if (at < 0) return Escaped(label);
    return Escaped(label.left(at)) + "&" + Escaped(label.mid(at));
}

}  // namespace

void MenuBuilder::Build(QMenuBar* bar, const std::vector<app::MenuEntry>& menus) {
    QSet<QChar> taken;
    for (const app::MenuEntry& entry : menus) {
        QMenu* menu = BuildMenu(entry, WithMnemonic(FromBytes(entry.label), taken), bar);
        bar->addMenu(menu);
        const QString id = QString::fromStdString(entry.id);
        connect(menu, &QMenu::aboutToShow, this, [this, id] { emit menuAboutToShow(id); });
    }
}

QMenu* MenuBuilder::BuildMenu(const app::MenuEntry& entry, const QString& title, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromStdString(entry.id));
    menu->setToolTipsVisible(true);
    submenus_[entry.id] = menu;
    connect(menu, &QMenu::aboutToHide, this,
            [this] { emit helpLineChanged(FromBytes(app::HelpLine({}))); });
    QSet<QChar> taken;  // one letter per item of this menu
    for (const app::MenuEntry& child : entry.children) {
        switch (child.kind) {
            case app::MenuEntry::Kind::kSeparator:
                menu->addSeparator();
                break;
            case app::MenuEntry::Kind::kItem:
                AddItem(menu, WithMnemonic(FromBytes(child.label), taken), child.command,
                        child.help, child.checkable);
                break;
            case app::MenuEntry::Kind::kSubmenu: {
                QMenu* submenu =
                    BuildMenu(child, WithMnemonic(FromBytes(child.label), taken), menu);
                QAction* action = menu->addMenu(submenu);
                const QString line = FromBytes(app::HelpLine(child.help));
                connect(action, &QAction::hovered, this,
                        [this, line] { emit helpLineChanged(line); });
                break;
            }
        }
    }
    return menu;
}

QAction* MenuBuilder::AddItem(QMenu* menu, const QString& label, int command,
                              const std::string& help, bool checkable) {
    QAction* action = menu->addAction(label);
    action->setData(command);
    action->setCheckable(checkable);
    action->setObjectName(QString("command%1").arg(command));
    const QString line = FromBytes(app::HelpLine(help));
    connect(action, &QAction::hovered, this, [this, line] { emit helpLineChanged(line); });
    connect(action, &QAction::triggered, this,
            [this, command, action] { emit commandTriggered(command, action); });
    actions_.emplace(command, action);
    return action;
}

QMenu* MenuBuilder::Submenu(std::string_view id) const {
    auto found = submenus_.find(id);
    return found == submenus_.end() ? nullptr : found->second;
}

std::vector<QAction*> MenuBuilder::Actions(int command) const {
    std::vector<QAction*> found;
    auto [first, last] = actions_.equal_range(command);
    for (auto it = first; it != last; ++it) found.push_back(it->second);
    return found;
}

QAction* MenuBuilder::Action(int command) const {
    auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MenuBuilder::Fill(std::string_view id, const std::vector<app::DynamicItem>& items) {
    QMenu* menu = Submenu(id);
    if (!menu) return;
    for (QAction* action : menu->actions()) {
        const int command = action->data().toInt();
        for (auto it = actions_.lower_bound(command); it != actions_.upper_bound(command); ++it) {
            if (it->second == action) {
                actions_.erase(it);
                break;
            }
        }
    }
    menu->clear();
    for (const app::DynamicItem& item : items) {
        if (item.command == 0) {
            menu->addSeparator();
            continue;
        }
        // Values are shown as they are, without mnemonics.
        QString label = FromBytes(item.label);
        label.replace("&", "&&");
        QAction* action = menu->addAction(label);
        action->setData(item.command);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        const int command = item.command;
        connect(action, &QAction::hovered, this,
                [this] { emit helpLineChanged(FromBytes(app::HelpLine({}))); });
        connect(action, &QAction::triggered, this,
                [this, command, action] { emit commandTriggered(command, action); });
        actions_.emplace(command, action);
    }
}

void MenuBuilder::Apply(const app::MenuStates& states, const std::function<bool(int)>& available) {
    for (const auto& [command, state] : states.items) {
        for (QAction* action : Actions(command)) {
            action->setEnabled(state.enabled && available(command));
            if (action->isCheckable()) action->setChecked(state.checked);
            if (state.label.empty()) continue;
            // A new label ("Logout: Ann") keeps the item's letter.
            const QString label = FromBytes(state.label);
            const QChar letter = MnemonicOf(action->text());
            action->setText(MnemonicAt(
                label, letter.isNull() ? -1 : label.indexOf(letter, 0, Qt::CaseInsensitive)));
        }
    }
    for (const auto& [id, enabled] : states.submenus_enabled) {
        if (QMenu* menu = Submenu(id)) menu->setEnabled(enabled);
    }
}

}  // namespace gui
