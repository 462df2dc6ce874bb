#pragma once

#include <QDialog>
#include <QString>

#include "gui/accessories/system_info.h"

class QTreeWidget;

// "System Information": the operating system, memory, screens and Qt version of this computer,
// with a button that copies them for a report.
namespace gui {

class SystemInfoDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit SystemInfoDialog(QWidget* parent = nullptr);

    // What Copy puts on the clipboard.
    QString Text() const { return text_; }

  private:
    void CopyToClipboard();
    void SizeTreeToContents(const QList<SystemInfoSection>& sections);

    QTreeWidget* tree_;
    QString text_;
};

}  // namespace gui
