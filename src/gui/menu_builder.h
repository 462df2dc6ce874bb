#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "app/menu_rules.h"

namespace gui {

// Builds Qt menus from the menu model and keeps track of their actions, so rules and dynamic
// items can be applied by command number and submenu id. Each action keeps its command number
// as its data.
class MenuBuilder final : public QObject {
    Q_OBJECT
  public:
    explicit MenuBuilder(QObject* parent = nullptr) : QObject(parent) {}

    // Adds the six menus to the bar.
    void Build(QMenuBar* bar, const std::vector<app::MenuEntry>& menus);

    QMenu* Submenu(std::string_view id) const;
    // Every action of a command (some commands appear twice).
    std::vector<QAction*> Actions(int command) const;
    QAction* Action(int command) const;

    // Replaces a dynamic submenu's items.
    void Fill(std::string_view id, const std::vector<app::DynamicItem>& items);
    // Applies enablement and checks. `available` says whether a command has an operation yet:
    // items without one stay disabled.
    void Apply(const app::MenuStates& states, const std::function<bool(int)>& available);

  signals:
    // A menu item was chosen.
    void commandTriggered(int command, QAction* action);
    // The pointer rests on an item: its help line ("       Ready" when it has none).
    void helpLineChanged(const QString& line);
    // A top-level menu is about to open.
    void menuAboutToShow(const QString& id);

  private:
    QMenu* BuildMenu(const app::MenuEntry& entry, const QString& title, QWidget* parent);
    QAction* AddItem(QMenu* menu, const QString& label, int command, const std::string& help,
                     bool checkable);

    std::map<std::string, QMenu*, std::less<>> submenus_;
    std::multimap<int, QAction*> actions_;
};

}  // namespace gui
