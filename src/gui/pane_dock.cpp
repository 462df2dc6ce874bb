#include "gui/pane_dock.h"

namespace gui {

PaneDock::PaneDock(const QString& pane_name, const QString& object_name, QWidget* parent)
    : QDockWidget(pane_name, parent) {
    setObjectName(object_name);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating && floating_geometry_.isValid()) setGeometry(floating_geometry_);
    });
}

void PaneDock::Restore(bool visible, bool docked, const config::WindowGeometry& floating) {
    if (floating.w > 0 && floating.h > 0) {
        floating_geometry_ = QRect(floating.x, floating.y, floating.w, floating.h);
    }
    setFloating(!docked);
    if (!docked && floating_geometry_.isValid()) setGeometry(floating_geometry_);
    setVisible(visible);
}

void PaneDock::Store(bool& visible, bool& docked, config::WindowGeometry& floating) const {
    visible = !isHidden();
    docked = !isFloating();
    const QRect rect = isFloating() ? geometry() : floating_geometry_;
    if (rect.isValid()) floating = {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace gui
