#pragma once

#include <QDockWidget>

#include "config/program_config.h"

namespace gui {

// A pane that can be docked in the main window or floated in a window of its own. Its title
// carries the pane's caption ("Wanted Videos - 3"); its title bar has the buttons to float or
// dock it and to hide it.
class PaneDock final : public QDockWidget {
    Q_OBJECT
  public:
    PaneDock(const QString& pane_name, const QString& object_name, QWidget* parent = nullptr);

    // Visibility, docked state and floating geometry from and to the configuration.
    void Restore(bool visible, bool docked, const config::WindowGeometry& floating);
    void Store(bool& visible, bool& docked, config::WindowGeometry& floating) const;

  private:
    QRect floating_geometry_;
};

}  // namespace gui
