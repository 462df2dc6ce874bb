#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "imports/import_wizard.h"
#include "platform/shell.h"

namespace gui {

// "Import Wizard": the source file with its record count, the Filmfolio program file, the image
// folder with its file count, the "Ignore" list and the pairing list ("Import" -> "Existing")
// with the four small buttons between them, "Import Images", and Help, Import and Cancel. The
// window shows its ImportWizard and forwards every button to it; it closes after a successful
// import, whose result its opener shows.
class ImportWizardDialog final : public QDialog {
    Q_OBJECT
  public:
    ImportWizardDialog(imports::ImportWizard& wizard, platform::Help& help,
                       QWidget* parent = nullptr);

    // The result of the import that closed the window (not ok when it closed without one).
    const imports::ImportResult& result() const { return result_; }

  private:
    QWidget* BuildSource();
    QWidget* BuildProgram();
    QWidget* BuildImages();
    QWidget* BuildAssignment();
    QWidget* BuildButtons();
    // Shows the wizard's fields and lists; `select_row` is the pairing row to select after.
    void ShowState(int select_row = -1);
    void ShowLists(int select_row);
    void ShowEnabling();
    void PairSelected();
    void UnpairSelected();
    void MoveSelected(bool up);
    void Import();

    imports::ImportWizard& wizard_;
    platform::Help& help_;
    imports::ImportResult result_;
    QLineEdit* source_path_ = nullptr;
    QLabel* records_ = nullptr;
    QLineEdit* program_path_ = nullptr;
    QLineEdit* image_folder_ = nullptr;
    QLabel* files_ = nullptr;
    QTreeWidget* ignored_ = nullptr;
    QTreeWidget* pairs_ = nullptr;
    QToolButton* pair_ = nullptr;
    QToolButton* unpair_ = nullptr;
    QToolButton* move_up_ = nullptr;
    QToolButton* move_down_ = nullptr;
    QCheckBox* import_images_ = nullptr;
    QPushButton* import_ = nullptr;
};

}  // namespace gui
